#include "devsim/TcpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "devsim/FrameReader.h"

namespace devsim {

namespace {

constexpr int kTickMs = 10;  // how often the accept loop looks at refusal and ended connections

bool LoopbackAddress(const std::string& text, in_addr& addr) {
    return inet_pton(AF_INET, text.c_str(), &addr) == 1 && (ntohl(addr.s_addr) >> 24) == 127;
}

}  // namespace

TcpServer::TcpServer(Device& device, const std::string& address, uint16_t port)
    : device_(device), address_(address), port_(port) {
    if (Listen(error_)) acceptThread_ = std::thread([this] { AcceptLoop(); });
}

TcpServer::~TcpServer() {
    stop_.Signal();
    if (acceptThread_.joinable()) acceptThread_.join();
    if (listener_ >= 0) close(listener_);
}

bool TcpServer::Listen(std::string& error) {
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(port_);
    if (!LoopbackAddress(address_, sa.sin_addr)) {
        error = "not a loopback address: " + address_;
        return false;
    }
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    socklen_t len = sizeof sa;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0 ||
        listen(fd, 16) != 0 || getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len) != 0) {
        error = "cannot listen on " + address_ + ":" + std::to_string(port_) + ": " +
                std::strerror(errno);
        if (fd >= 0) close(fd);
        return false;
    }
    port_ = ntohs(sa.sin_port);
    listener_ = fd;
    return true;
}

void TcpServer::SetRefusing(bool refusing) {
    std::unique_lock lock(refusalMutex_);
    wantRefusing_ = refusing;
    if (!acceptThread_.joinable()) return;
    refusalChanged_.wait(lock, [this] { return refusing_ == wantRefusing_; });
}

void TcpServer::AcceptLoop() {
    for (;;) {
        FollowRefusal();
        Reap(false);
        const int ready = listener_ < 0 ? (stop_.WaitFor(kTickMs) ? -1 : 0)
                                        : WaitReady(listener_, false, stop_, kTickMs);
        if (ready < 0) break;
        if (ready > 0) Accept();
    }
    Reap(true);
    std::lock_guard lock(refusalMutex_);
    refusing_ = wantRefusing_;  // release a waiting SetRefusing
    refusalChanged_.notify_all();
}

bool TcpServer::Accept() {
    const int fd = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) return false;
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
    auto connection = std::make_unique<Connection>();
    connection->fd = fd;
    ++openConnections_;
    Connection& c = *connection;
    connection->thread = std::thread([this, &c] { ServeConnection(c); });
    connections_.push_back(std::move(connection));
    return true;
}

// Closes the listener while refusal is wanted, after taking the connections that are already
// made, and opens it again (on the same port) after.
void TcpServer::FollowRefusal() {
    std::lock_guard lock(refusalMutex_);
    if (wantRefusing_ && listener_ >= 0) {
        while (WaitReady(listener_, false, stop_, 0) > 0 && Accept()) {
        }
        close(listener_);
        listener_ = -1;
    }
    if (!wantRefusing_ && listener_ < 0) {
        std::string error;
        Listen(error);  // when the port is taken meanwhile, tried again next tick
    }
    if (refusing_ != wantRefusing_) {
        refusing_ = wantRefusing_;
        refusalChanged_.notify_all();
    }
}

void TcpServer::Reap(bool all) {
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (all || (*it)->done) {
            (*it)->thread.join();
            it = connections_.erase(it);
        } else {
            ++it;
        }
    }
}

void TcpServer::ServeConnection(Connection& connection) {
    FrameReader reader;
    uint8_t buffer[256];
    bool open = true;
    while (open && WaitReady(connection.fd, false, stop_, -1) > 0) {
        const ssize_t n = recv(connection.fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        reader.Push(buffer, static_cast<size_t>(n));
        while (open) {
            const auto frame = reader.Next();
            if (!frame) break;
            open = Send(connection.fd, device_.Serve(*frame, Transport::Tcp));
        }
    }
    close(connection.fd);
    --openConnections_;
    connection.done = true;
}

// False when the connection is to end: dropped by a fault, stopped or broken.
bool TcpServer::Send(int fd, const Answer& answer) {
    if (answer.delayMs > 0 && stop_.WaitFor(answer.delayMs)) return false;
    if (answer.dropLink) return false;
    size_t sent = 0;
    while (sent < answer.bytes.size()) {
        const ssize_t n =
            send(fd, answer.bytes.data() + sent, answer.bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

}  // namespace devsim
