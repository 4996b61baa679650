// IPv4 address text: exactly four decimal octets 0..255 separated by dots.
#pragma once

#include <netinet/in.h>

#include <string>
#include <vector>

namespace comm {

// Parses "a.b.c.d": each octet one to three decimal digits, value at most 255, nothing else
// (no blanks, signs, empty octets, hexadecimal or fewer parts). Leading zeros are decimal:
// "010.0.0.1" is 10.0.0.1, as the scan dialog keeps octets as typed. Returns false and
// leaves addr untouched for anything else.
bool ParseIpv4(const std::string& text, in_addr& addr);

// The machine's IPv4 addresses: first those of interfaces that are up, not loopback, in the
// system's interface order; then the loopback ones. Element 0 is "127.0.0.1" when the machine
// has no other address.
std::vector<std::string> LocalIpv4Addresses();

}  // namespace comm
