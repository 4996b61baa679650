#include "comm/TcpSocket.h"

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace comm {

int32_t EffectiveTcpPort(int32_t port) {
    if (port == kDevicePort) {
        if (const char* env = std::getenv("VELOTRIX_TCP_PORT")) {
            char* end = nullptr;
            const long value = std::strtol(env, &end, 10);
            if (end != env && *end == '\0' && value >= 1 && value <= 65535) {
                return static_cast<int32_t>(value);
            }
        }
    }
    return port >= 1 && port <= 65535 ? port : 0;
}

int StartConnect(const in_addr& addr, uint16_t port, bool& connected) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr = addr;
    const int r = connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    connected = r == 0;
    if (r != 0 && errno != EINPROGRESS) {
        close(fd);
        return -1;
    }
    return fd;
}

bool ConnectSucceeded(int fd) {
    int err = 0;
    socklen_t len = sizeof err;
    return getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0;
}

}  // namespace comm
