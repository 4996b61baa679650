#include "comm/SerialPorts.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace comm {

namespace {

constexpr std::string_view kGroups[] = {"ttyUSB", "ttyACM", "ttyS"};

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digit strings compared as numbers, without overflow: shorter (after leading zeros) is less.
bool NumericLess(std::string_view a, std::string_view b) {
    a.remove_prefix(std::min(a.find_first_not_of('0'), a.size()));
    b.remove_prefix(std::min(b.find_first_not_of('0'), b.size()));
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::string Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return std::string(s.substr(first, last - first + 1));
}

}  // namespace

std::vector<std::string> ListSerialDevices(const std::string& dir) {
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        names.push_back(it->path().filename().string());
    }
    std::vector<std::string> paths;
    for (const std::string_view group : kGroups) {
        std::vector<std::string_view> numbers;
        for (const std::string& name : names) {
            const std::string_view n(name);
            if (n.starts_with(group) && AllDigits(n.substr(group.size()))) {
                numbers.push_back(n.substr(group.size()));
            }
        }
        std::sort(numbers.begin(), numbers.end(), NumericLess);
        for (const std::string_view number : numbers) {
            paths.push_back(dir + "/" + std::string(group) + std::string(number));
        }
    }
    return paths;
}

std::vector<std::string> SerialPortPaths() {
    const char* list = std::getenv("VELOTRIX_COM_PORTS");
    if (list == nullptr) return ListSerialDevices("/dev");
    std::vector<std::string> paths;
    std::string_view rest(list);
    for (;;) {
        const auto comma = rest.find(',');
        paths.push_back(Trim(rest.substr(0, comma)));
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return paths;
}

int ComPortNumber(const std::string& name) {
    const std::string_view n(name);
    if (!n.starts_with("COM")) return 0;
    const std::string_view digits = n.substr(3);
    if (!AllDigits(digits) || digits.size() > 6) return 0;
    return std::atoi(std::string(digits).c_str());
}

}  // namespace comm
