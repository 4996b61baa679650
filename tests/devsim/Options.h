// The command line of velotrix-devsim.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace devsim {

struct Options {
    std::vector<std::string> tcpAddresses;  // one device on each
    uint16_t tcpPort = 1001;
    bool pty = false;
    std::vector<uint8_t> rs485Ids;  // devices on the pty's RS485 bus; empty: one USB device
    bool paced = false;
    bool help = false;
};

extern const char kUsage[];

// Reads the arguments after the program name; envPort is VELOTRIX_TCP_PORT (or null), which
// --port overrides. False with a message in `error` when they are wrong.
bool ParseOptions(const std::vector<std::string>& args, const char* envPort, Options& options,
                  std::string& error);

}  // namespace devsim
