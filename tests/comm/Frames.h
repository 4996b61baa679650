// Frames for the link tests, the answer the test peers give, and the peers' frame log.
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace commtest {

using Frame = std::array<uint8_t, 13>;

inline Frame MakeFrame(uint8_t address, uint8_t command, uint8_t d0 = 0) {
    return {0xF0, 0x46, address, command, d0, 0, 0, 0, 0, 0, 0, 0, 0xF7};
}

// The peers' reply: the request with 'F' in byte 4 and the request's d0 plus one in byte 5,
// so a reply always tells which request it answers.
inline Frame ReplyTo(const Frame& request) {
    Frame reply = request;
    reply[4] = 0x46;
    reply[5] = static_cast<uint8_t>(request[4] + 1);
    return reply;
}

// The peers' side of the stream: cuts the bytes they read into 13-byte frames, lets the peer
// answer each one and keeps them for the test to wait on.
class FrameLog {
  public:
    // Adds bytes read from the port; answer runs for every frame they complete.
    void Feed(const uint8_t* data, size_t n, const std::function<void(const Frame&)>& answer) {
        pending_.insert(pending_.end(), data, data + n);
        while (pending_.size() >= 13) {
            Frame f{};
            std::copy(pending_.begin(), pending_.begin() + 13, f.begin());
            pending_.erase(pending_.begin(), pending_.begin() + 13);
            answer(f);
            {
                std::lock_guard lock(mutex_);
                frames_.push_back(f);
            }
            seen_.notify_all();
        }
    }
    // The frames so far, after waiting up to wait for at least n of them.
    std::vector<Frame> WaitFrames(size_t n, std::chrono::milliseconds wait) {
        std::unique_lock lock(mutex_);
        seen_.wait_for(lock, wait, [&] { return frames_.size() >= n; });
        return frames_;
    }

  private:
    std::vector<uint8_t> pending_;
    std::mutex mutex_;
    std::condition_variable seen_;
    std::vector<Frame> frames_;
};

}  // namespace commtest
