// A frame-oriented serial port: one open port at a time, 13-byte request and reply frames,
// raw 8N1. Every call returns; a closed, busy or unplugged port is a failure result.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace comm {

class SerialLib {
  public:
    SerialLib() = default;
    ~SerialLib();
    SerialLib(const SerialLib&) = delete;
    SerialLib& operator=(const SerialLib&) = delete;

    // frameLength must be 13; highestPort (>= 1) is the highest "COMn" that Open accepts.
    int32_t Init(int32_t frameLength, int32_t highestPort);

    // Opens "COMn" (see SerialPorts.h) at the baud rate, raw 8N1, for this object alone
    // (no other process or object can open it meanwhile). A port already open here is
    // closed first. The name is not changed.
    int32_t Open(std::string& portName, int32_t baud);

    // One exchange within timeoutMs: when discardStale is set, input waiting from earlier is
    // dropped first; the 13 frame bytes are written; with noReply set the call returns kOk as
    // soon as they are written. Otherwise it waits for 13 reply bytes and on kOk the frame
    // holds the reply; on failure the frame is unchanged. count is accepted for the
    // callers' sake and has no effect: an exchange never repeats its frame (retries are the
    // caller's).
    int32_t Transact(std::array<uint8_t, 13>& frame, int32_t timeoutMs, bool discardStale,
                     bool noReply, int32_t count);

    void Close();

    // -1 while a port is open and working, 0 when none is open or the open port went away
    // (a port found gone is closed).
    int16_t IsOpen();

    // Multiplies every time-out this object waits (default 1.0). Tests shorten failures
    // with it; program code never sets it.
    void SetTimeoutScale(double scale) { timeoutScale_ = scale; }

  private:
    int32_t Fail(int32_t status);

    int fd_ = -1;
    int32_t highestPort_ = 0;
    double timeoutScale_ = 1.0;
};

}  // namespace comm
