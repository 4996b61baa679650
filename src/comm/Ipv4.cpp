#include "comm/Ipv4.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <cstdint>

namespace comm {

bool ParseIpv4(const std::string& text, in_addr& addr) {
    uint32_t value = 0;
    int octets = 0;
    size_t i = 0;
    for (;;) {
        int octet = 0;
        size_t digits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            octet = octet * 10 + (text[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || digits > 3 || octet > 255) return false;
        value = (value << 8) | static_cast<uint32_t>(octet);
        ++octets;
        if (octets == 4) break;
        if (i >= text.size() || text[i] != '.') return false;
        ++i;
    }
    if (i != text.size()) return false;
    addr.s_addr = htonl(value);
    return true;
}

std::vector<std::string> LocalIpv4Addresses() {
    std::vector<std::string> outside;
    std::vector<std::string> loopback;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (const ifaddrs* a = list; a != nullptr; a = a->ifa_next) {
            if (a->ifa_addr == nullptr || a->ifa_addr->sa_family != AF_INET) continue;
            if ((a->ifa_flags & IFF_UP) == 0) continue;
            char text[INET_ADDRSTRLEN] = {};
            const auto* sin = reinterpret_cast<const sockaddr_in*>(a->ifa_addr);
            if (inet_ntop(AF_INET, &sin->sin_addr, text, sizeof text) == nullptr) continue;
            ((a->ifa_flags & IFF_LOOPBACK) != 0 ? loopback : outside).emplace_back(text);
        }
        freeifaddrs(list);
    }
    const bool alone = outside.empty();
    if (alone) outside.emplace_back("127.0.0.1");
    for (const std::string& a : loopback) {
        if (!alone || a != "127.0.0.1") outside.push_back(a);
    }
    return outside;
}

}  // namespace comm
