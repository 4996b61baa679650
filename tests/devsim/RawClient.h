// A bare client for the tests: raw frames over a TCP socket or a pseudo-terminal, written from
// POSIX calls so that the tests depend on nothing of the editor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "devsim/Frame.h"

namespace devsim::test {

class RawClient {
  public:
    virtual ~RawClient();
    bool Ok() const { return fd_ >= 0; }
    bool Send(const std::vector<uint8_t>& bytes);
    bool Send(const Frame& frame) { return Send(std::vector<uint8_t>(frame.begin(), frame.end())); }
    // What arrives until `count` bytes are in or timeoutMs passes.
    std::vector<uint8_t> Receive(size_t count, int timeoutMs);
    // One request and its 13-byte reply, if a whole one arrives in time.
    std::optional<Frame> Exchange(const Frame& request, int timeoutMs = 2000);
    std::optional<Frame> Exchange(uint8_t address, uint8_t code, const FrameData& data = {});
    // True when the other side closed the connection within timeoutMs.
    bool PeerClosed(int timeoutMs);

  protected:
    int fd_ = -1;
};

class TcpClient : public RawClient {
  public:
    TcpClient(const std::string& address, uint16_t port);
    int ConnectError() const { return connectError_; }  // errno of a failed connect

  private:
    int connectError_ = 0;
};

class PtyClient : public RawClient {
  public:
    explicit PtyClient(const std::string& path);  // raw mode, 57600 baud, input flushed
};

}  // namespace devsim::test
