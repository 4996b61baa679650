// The test peers' side of the stream: cuts the bytes they read into 13-byte frames, lets the
// peer answer each one and keeps them for the test to wait on.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

#include "Frames.h"

namespace commtest {

class FrameLog {
  public:
    // Adds bytes read from the port; answer runs for every frame they complete.
    void Feed(const uint8_t* data, size_t n, const std::function<void(const Frame&)>& answer);
    // The frames so far, after waiting up to wait for at least n of them.
    std::vector<Frame> WaitFrames(size_t n, std::chrono::milliseconds wait);

  private:
    std::vector<uint8_t> pending_;
    std::mutex mutex_;
    std::condition_variable seen_;
    std::vector<Frame> frames_;
};

}  // namespace commtest
