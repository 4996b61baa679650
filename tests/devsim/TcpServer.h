// Serves one device over TCP on a loopback address, any number of connections at a time. The
// address byte of a frame is the editor's connection slot; the device answers whatever it is.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "devsim/Device.h"
#include "devsim/StopEvent.h"

namespace devsim {

class TcpServer {
  public:
    // Listens on `address` (127.x.x.x only) and `port` (0: a free one). Check Ok().
    TcpServer(Device& device, const std::string& address, uint16_t port);
    ~TcpServer();
    TcpServer(const TcpServer&) = delete;
    TcpServer& operator=(const TcpServer&) = delete;

    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    const std::string& Address() const { return address_; }
    uint16_t Port() const { return port_; }
    int OpenConnections() const { return openConnections_; }

    // While refusing nothing listens on the port, so connection attempts are refused; open
    // connections stay. Returns once the change is in effect.
    void SetRefusing(bool refusing);

  private:
    struct Connection {
        int fd;
        std::atomic<bool> done{false};
        std::thread thread;
    };

    bool Listen(std::string& error);
    void AcceptLoop();
    bool Accept();
    void FollowRefusal();
    void Reap(bool all);
    void ServeConnection(Connection& connection);
    bool Send(int fd, const Answer& answer);

    Device& device_;
    std::string address_;
    uint16_t port_;
    std::string error_;
    int listener_ = -1;
    StopEvent stop_;
    std::thread acceptThread_;
    std::list<std::unique_ptr<Connection>> connections_;  // accept thread only
    std::atomic<int> openConnections_{0};

    std::mutex refusalMutex_;
    std::condition_variable refusalChanged_;
    bool wantRefusing_ = false;
    bool refusing_ = false;
};

}  // namespace devsim
