#include "devsim/Options.h"

#include <algorithm>
#include <sstream>

namespace devsim {

const char kUsage[] =
    "usage: velotrix-devsim [--tcp ADDRESS]... [--port N] [--pty [--rs485 ID,ID,...]] [--paced]\n"
    "  --tcp ADDRESS  serve one device on this loopback address (127.x.x.x); repeatable\n"
    "  --port N       TCP port (default VELOTRIX_TCP_PORT, else 1001; 0 picks a free one)\n"
    "  --pty          serve a serial link on a new pseudo-terminal, one USB device (address 0)\n"
    "  --rs485 IDS    an RS485 bus on the pseudo-terminal with a device for each ID (1..255)\n"
    "  --paced        pace the pseudo-terminal at 57600 baud 8N1\n"
    "Serves until interrupted (Ctrl+C or SIGTERM).\n";

namespace {

bool ParseNumber(const std::string& text, int max, int& value) {
    if (text.empty() || text.size() > 5 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    value = std::stoi(text);
    return value <= max;
}

bool ParseIds(const std::string& text, std::vector<uint8_t>& ids) {
    std::istringstream list(text);
    std::string item;
    while (std::getline(list, item, ',')) {
        int id = 0;
        if (!ParseNumber(item, 255, id) || id == 0) return false;
        if (std::find(ids.begin(), ids.end(), id) != ids.end()) return false;
        ids.push_back(static_cast<uint8_t>(id));
    }
    return !ids.empty();
}

}  // namespace

bool ParseOptions(const std::vector<std::string>& args, const char* envPort, Options& options,
                  std::string& error) {
    int port = 1001;
    if (envPort && *envPort && !ParseNumber(envPort, 65535, port)) {
        error = "VELOTRIX_TCP_PORT is not a port number";
        return false;
    }
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        const bool hasValue = k + 1 < args.size();
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--pty") {
            options.pty = true;
        } else if (arg == "--paced") {
            options.paced = true;
        } else if (arg == "--tcp" && hasValue) {
            options.tcpAddresses.push_back(args[++k]);
        } else if (arg == "--port" && hasValue) {
            if (!ParseNumber(args[++k], 65535, port)) {
                error = "not a port number: " + args[k];
                return false;
            }
        } else if (arg == "--rs485" && hasValue) {
            options.pty = true;
            if (!ParseIds(args[++k], options.rs485Ids)) {
                error = "not a list of different IDs 1..255: " + args[k];
                return false;
            }
        } else {
            error = "unknown or incomplete option: " + arg;
            return false;
        }
    }
    if (!options.help && options.tcpAddresses.empty() && !options.pty) {
        error = "nothing to serve: give --tcp or --pty";
        return false;
    }
    options.tcpPort = static_cast<uint16_t>(port);
    return true;
}

}  // namespace devsim
