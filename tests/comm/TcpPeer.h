// A device on a loopback address for the TCP tests: listens on a port of its own, accepts
// one connection and answers each 13-byte frame with what the responder returns.
#pragma once

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

std::vector<uint8_t> Answer(const Frame& request);

// A socket bound to address (port 0 picks a free one, or the given port); listening with
// the backlog when listen is set, else refusing every connection.
class LoopbackSocket {
  public:
    LoopbackSocket(const std::string& address, uint16_t port, bool listen, int backlog = 8);
    ~LoopbackSocket();
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;
    int Fd() const { return fd_; }
    uint16_t Port() const { return port_; }
    void Close();

  private:
    int fd_ = -1;
    uint16_t port_ = 0;
};

// A listener whose accept queue is full: connections to it neither succeed nor fail.
class StalledListener {
  public:
    explicit StalledListener(const std::string& address);
    ~StalledListener();
    uint16_t Port() const { return socket_.Port(); }

  private:
    LoopbackSocket socket_;
    int queued_ = -1;
};

class TcpPeer {
  public:
    explicit TcpPeer(const std::string& address, uint16_t port = 0);
    ~TcpPeer();
    TcpPeer(const TcpPeer&) = delete;
    TcpPeer& operator=(const TcpPeer&) = delete;

    uint16_t Port() const { return listener_.Port(); }
    void Serve(Responder responder = Answer);
    // The frames read so far, after waiting up to wait for at least n of them.
    std::vector<Frame> WaitFrames(size_t n, std::chrono::milliseconds wait) {
        return log_.WaitFrames(n, wait);
    }
    // Writes on the accepted connection.
    void Write(const std::vector<uint8_t>& bytes);
    // Closes the accepted connection and stops listening, so a connection not yet accepted
    // is reset.
    void Hangup();

  private:
    void Run(const Responder& responder);

    LoopbackSocket listener_;
    std::atomic<int> conn_{-1};
    std::atomic<bool> stop_{false};
    std::thread thread_;
    FrameLog log_;
};

}  // namespace commtest
