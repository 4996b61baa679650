// The address scan behind TcpLib::Scan: on a worker thread, finds which hosts accept a TCP
// connection on a port within a time-out. Only TcpLib uses it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace comm {

class TcpScanner {
  public:
    using Done = std::function<void(std::vector<std::string>)>;

    TcpScanner() = default;
    ~TcpScanner() { Stop(); }
    TcpScanner(const TcpScanner&) = delete;
    TcpScanner& operator=(const TcpScanner&) = delete;

    // Stops a running scan, then tries every host at once (a bounded number in flight), each
    // for up to timeoutMs. done runs once on the worker thread with the hosts that accepted,
    // in the order of the list and as written there; a stopped scan never calls it. False
    // when the worker could not be started.
    bool Start(std::vector<std::string> hosts, uint16_t port, int64_t timeoutMs, Done done);

    // Ends a running scan at once and waits for its worker.
    void Stop();

  private:
    std::thread worker_;
    int wakeFd_ = -1;
};

}  // namespace comm
