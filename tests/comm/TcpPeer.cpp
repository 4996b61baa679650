#include "TcpPeer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace commtest {

std::vector<uint8_t> Answer(const Frame& request) {
    const Frame reply = ReplyTo(request);
    return {reply.begin(), reply.end()};
}

LoopbackSocket::LoopbackSocket(const std::string& address, uint16_t port, bool listen,
                               int backlog) {
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    inet_pton(AF_INET, address.c_str(), &a.sin_addr);
    if (bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return;
    if (listen) ::listen(fd_, backlog);
    socklen_t len = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
}

LoopbackSocket::~LoopbackSocket() {
    Close();
}

void LoopbackSocket::Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
}

StalledListener::StalledListener(const std::string& address) : socket_(address, 0, true, 0) {
    // A backlog of 0 holds one connection; while it sits unaccepted, further attempts wait.
    queued_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(socket_.Port());
    inet_pton(AF_INET, address.c_str(), &a.sin_addr);
    connect(queued_, reinterpret_cast<sockaddr*>(&a), sizeof a);
}

StalledListener::~StalledListener() {
    close(queued_);
}

TcpPeer::TcpPeer(const std::string& address, uint16_t port) : listener_(address, port, true) {}

TcpPeer::~TcpPeer() {
    Hangup();
}

void TcpPeer::Serve(Responder responder) {
    thread_ = std::thread([this, responder = std::move(responder)] { Run(responder); });
}

void TcpPeer::Run(const Responder& responder) {
    while (!stop_ && conn_ < 0) {
        pollfd p{listener_.Fd(), POLLIN, 0};
        if (poll(&p, 1, 20) > 0) conn_ = accept4(listener_.Fd(), nullptr, nullptr, SOCK_CLOEXEC);
    }
    const auto answer = [this, &responder](const Frame& f) {
        const std::vector<uint8_t> reply = responder(f);
        if (!reply.empty()) send(conn_, reply.data(), reply.size(), MSG_NOSIGNAL);
    };
    while (!stop_) {
        pollfd p{conn_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) continue;
        uint8_t buf[64];
        const ssize_t r = read(conn_, buf, sizeof buf);
        if (r <= 0) return;
        log_.Feed(buf, static_cast<size_t>(r), answer);
    }
}

void TcpPeer::Write(const std::vector<uint8_t>& bytes) {
    send(conn_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
}

void TcpPeer::Hangup() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (conn_ >= 0) close(conn_);
    conn_ = -1;
    listener_.Close();
}

}  // namespace commtest
