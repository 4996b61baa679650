#include <arpa/inet.h>
#include <gtest/gtest.h>

#include <string>

#include "comm/Ipv4.h"

namespace {

std::string Parsed(const std::string& text) {
    in_addr a{};
    if (!comm::ParseIpv4(text, a)) return "refused";
    char out[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &a, out, sizeof out);
    return out;
}

TEST(Ipv4, AcceptsFourDecimalOctets) {
    EXPECT_EQ(Parsed("192.168.1.37"), "192.168.1.37");
    EXPECT_EQ(Parsed("0.0.0.0"), "0.0.0.0");
    EXPECT_EQ(Parsed("255.255.255.255"), "255.255.255.255");
    // Leading zeros are decimal, never octal: the scan keeps octets as typed.
    EXPECT_EQ(Parsed("010.001.00.09"), "10.1.0.9");
}

TEST(Ipv4, RefusesEverythingElse) {
    for (const char* bad :
         {"1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.256", "0001.2.3.4", " 1.2.3.4", "1.2.3.4 ",
          "1.2.3.4.", ".1.2.3.4", "1..3.4", "a.b.c.d", "0x1.2.3.4", "+1.2.3.4", "1.2.3.-4",
          "1.2.3.4\n", "", "1,2,3,4", "localhost", "16909060"}) {
        EXPECT_EQ(Parsed(bad), "refused") << '"' << bad << '"';
    }
    in_addr untouched{};
    untouched.s_addr = 1234;
    EXPECT_FALSE(comm::ParseIpv4("1.2.3", untouched));
    EXPECT_EQ(untouched.s_addr, 1234u);
}

TEST(Ipv4, LocalAddressesStartWithAUsableAddress) {
    const auto addrs = comm::LocalIpv4Addresses();
    ASSERT_FALSE(addrs.empty());
    for (const std::string& a : addrs) EXPECT_NE(Parsed(a), "refused") << a;
    if (addrs.front().starts_with("127.")) {
        EXPECT_EQ(addrs.front(), "127.0.0.1");
    }
}

}  // namespace
