// A flag the serving threads wait on together with their file descriptors, so that a server's
// destructor can wake and end them at once.
#pragma once

#include <chrono>

namespace devsim {

using Clock = std::chrono::steady_clock;

class StopEvent {
  public:
    StopEvent();
    ~StopEvent();
    StopEvent(const StopEvent&) = delete;
    StopEvent& operator=(const StopEvent&) = delete;

    void Signal();
    bool Signalled() const;
    int Fd() const { return fd_; }  // readable once signalled
    // Waits up to ms milliseconds; true when stopped meanwhile.
    bool WaitFor(int ms) const;
    bool WaitUntil(Clock::time_point when) const;

  private:
    int fd_;
};

// Waits until fd is readable (or writable) or the stop event fires, up to timeoutMs (-1: no
// limit). Returns 1 when fd is ready, 0 on time-out, -1 when stopped or on an error.
int WaitReady(int fd, bool forWrite, const StopEvent& stop, int timeoutMs);

}  // namespace devsim
