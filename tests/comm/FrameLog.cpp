#include "FrameLog.h"

#include <algorithm>

namespace commtest {

void FrameLog::Feed(const uint8_t* data, size_t n,
                    const std::function<void(const Frame&)>& answer) {
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

std::vector<Frame> FrameLog::WaitFrames(size_t n, std::chrono::milliseconds wait) {
    std::unique_lock lock(mutex_);
    seen_.wait_for(lock, wait, [&] { return frames_.size() >= n; });
    return frames_;
}

}  // namespace commtest
