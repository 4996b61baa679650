// Time-outs of the link calls: a caller's milliseconds times the object's time-out scale,
// counted down on the monotonic clock.
#pragma once

#include <chrono>
#include <cstdint>

namespace comm {

// ms times scale, rounded, never below 0.
int64_t ScaledMs(int32_t ms, double scale);

class Deadline {
  public:
    Deadline(int32_t ms, double scale);
    // Milliseconds left, rounded up so that a wait never ends early; 0 once expired.
    int RemainingMs() const;

  private:
    std::chrono::steady_clock::time_point end_;
};

}  // namespace comm
