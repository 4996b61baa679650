#include "sys/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

namespace sys {

static std::string RuntimeDir() {
    const char* rt = std::getenv("XDG_RUNTIME_DIR");
    if (rt != nullptr && *rt == '/') return rt;
    return "/tmp";
}

static bool FillAddress(const std::string& path, sockaddr_un& addr) {
    std::memset(&addr, 0, sizeof addr);
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

InstanceLock::InstanceLock(const std::string& name) {
    const std::string base = RuntimeDir() + "/" + name + "-" + std::to_string(getuid());
    lockPath_ = base + ".lock";
    sockPath_ = base + ".sock";
    lockFd_ = open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) return;
    acquired_ = flock(lockFd_, LOCK_EX | LOCK_NB) == 0;
    if (!acquired_) return;
    sockaddr_un addr;
    if (!FillAddress(sockPath_, addr)) return;
    unlink(sockPath_.c_str());
    listenFd_ = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (listenFd_ >= 0 && bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        close(listenFd_);
        listenFd_ = -1;
    }
}

InstanceLock::~InstanceLock() {
    if (listenFd_ >= 0) {
        close(listenFd_);
        unlink(sockPath_.c_str());
    }
    if (lockFd_ >= 0) close(lockFd_);
}

bool InstanceLock::RequestActivation() const {
    sockaddr_un addr;
    if (!FillAddress(sockPath_, addr)) return false;
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const char msg = 'R';
    const bool ok = sendto(fd, &msg, 1, 0, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 1;
    close(fd);
    return ok;
}

int InstanceLock::TakeActivationRequests() {
    if (listenFd_ < 0) return 0;
    int n = 0;
    char buf[16];
    while (recv(listenFd_, buf, sizeof buf, 0) > 0) ++n;
    return n;
}

}  // namespace sys
