#include "devsim/RawClient.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

namespace devsim::test {

RawClient::~RawClient() {
    if (fd_ >= 0) close(fd_);
}

bool RawClient::Send(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd_, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::vector<uint8_t> RawClient::Receive(size_t count, int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::vector<uint8_t> bytes;
    while (bytes.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
        pollfd p{fd_, POLLIN, 0};
        if (left.count() < 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
        uint8_t buffer[64];
        const ssize_t n = read(fd_, buffer, std::min(sizeof buffer, count - bytes.size()));
        if (n <= 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

std::optional<Frame> RawClient::Exchange(const Frame& request, int timeoutMs) {
    if (!Send(request)) return std::nullopt;
    const std::vector<uint8_t> bytes = Receive(kFrameSize, timeoutMs);
    if (bytes.size() != kFrameSize) return std::nullopt;
    Frame reply;
    std::copy(bytes.begin(), bytes.end(), reply.begin());
    return reply;
}

std::optional<Frame> RawClient::Exchange(uint8_t address, uint8_t code, const FrameData& data) {
    return Exchange(MakeFrame(address, code, data));
}

bool RawClient::PeerClosed(int timeoutMs) {
    pollfd p{fd_, POLLIN, 0};
    if (poll(&p, 1, timeoutMs) <= 0) return false;
    uint8_t byte;
    return read(fd_, &byte, 1) == 0;
}

TcpClient::TcpClient(const std::string& address, uint16_t port) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &sa.sin_addr) != 1) return;
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connect(fd_, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0) {
        connectError_ = errno;
        close(fd_);
        fd_ = -1;
    }
}

PtyClient::PtyClient(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (fd_ < 0 || tcgetattr(fd_, &tio) != 0) return;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B57600);
    cfsetospeed(&tio, B57600);
    tcsetattr(fd_, TCSANOW, &tio);
    tcflush(fd_, TCIFLUSH);
}

}  // namespace devsim::test
