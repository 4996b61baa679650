#include "sys/AppFolder.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace sys {

bool MakeFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return std::filesystem::is_directory(path, ec);
}

static std::string Trimmed(std::string p) {
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

std::string AppFolder() {
    if (const char* home = std::getenv("VELOTRIX_HOME"); home != nullptr && *home != '\0') {
        MakeFolders(home);
        return Trimmed(home);
    }
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        const std::string dir = exe.parent_path().string();
        if (access(dir.c_str(), W_OK) == 0) return Trimmed(dir);
    }
    std::string data;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg == '/') {
        data = xdg;
    } else if (const char* h = std::getenv("HOME"); h != nullptr && *h != '\0') {
        data = std::string(h) + "/.local/share";
    } else {
        data = "/tmp";
    }
    const std::string dir = Trimmed(data) + "/velotrix";
    MakeFolders(dir);
    return dir;
}

}  // namespace sys
