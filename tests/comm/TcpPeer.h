// A device on a loopback address for the TCP tests: listens on a port of its own, accepts
// one connection and answers each 13-byte frame with what the responder returns.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "Frames.h"

namespace commtest {

// The bytes to send back for a request; empty sends nothing.
using Responder = std::function<std::vector<uint8_t>(const Frame&)>;

inline std::vector<uint8_t> Answer(const Frame& request) {
    const Frame reply = ReplyTo(request);
    return {reply.begin(), reply.end()};
}

// A socket bound to address (port 0 picks a free one, or the given port); listening with
// the backlog when listen is set, else refusing every connection.
class LoopbackSocket {
  public:
    LoopbackSocket(const std::string& address, uint16_t port, bool listen, int backlog = 8) {
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
    ~LoopbackSocket() { Close(); }
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    int Fd() const { return fd_; }
    uint16_t Port() const { return port_; }
    void Close() {
        if (fd_ >= 0) close(fd_);
        fd_ = -1;
    }

  private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

// A listener whose accept queue is full: connections to it neither succeed nor fail.
class StalledListener {
  public:
    explicit StalledListener(const std::string& address) : socket_(address, 0, true, 0) {
        // A backlog of 0 holds one connection; while it sits unaccepted, further attempts wait.
        queued_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(socket_.Port());
        inet_pton(AF_INET, address.c_str(), &a.sin_addr);
        connect(queued_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }
    ~StalledListener() { close(queued_); }
    uint16_t Port() const { return socket_.Port(); }

  private:
    LoopbackSocket socket_;
    int queued_ = -1;
};

class TcpPeer {
  public:
    explicit TcpPeer(const std::string& address, uint16_t port = 0)
        : listener_(address, port, true) {}
    ~TcpPeer() { Hangup(); }
    TcpPeer(const TcpPeer&) = delete;
    TcpPeer& operator=(const TcpPeer&) = delete;

    uint16_t Port() const { return listener_.Port(); }
    void Serve(Responder responder = Answer) {
        thread_ = std::thread([this, responder = std::move(responder)] { Run(responder); });
    }
    // The frames read so far, after waiting up to wait for at least n of them.
    std::vector<Frame> WaitFrames(size_t n, std::chrono::milliseconds wait) {
        return log_.WaitFrames(n, wait);
    }
    // Writes on the accepted connection.
    void Write(const std::vector<uint8_t>& bytes) {
        send(conn_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }
    // Closes the accepted connection and stops listening, so a connection not yet accepted
    // is reset.
    void Hangup() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (conn_ >= 0) close(conn_);
        conn_ = -1;
        listener_.Close();
    }

  private:
    void Run(const Responder& responder) {
        while (!stop_ && conn_ < 0) {
            pollfd p{listener_.Fd(), POLLIN, 0};
            if (poll(&p, 1, 20) > 0)
                conn_ = accept4(listener_.Fd(), nullptr, nullptr, SOCK_CLOEXEC);
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

    LoopbackSocket listener_;
    std::atomic<int> conn_{-1};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    FrameLog log_;
};

}  // namespace commtest
