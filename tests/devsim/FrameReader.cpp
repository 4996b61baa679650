#include "devsim/FrameReader.h"

#include <algorithm>

namespace devsim {

std::optional<Frame> FrameReader::Next() {
    for (;;) {
        const auto start = std::find(buffer_.begin(), buffer_.end(), kFrameStart);
        buffer_.erase(buffer_.begin(), start);
        if (buffer_.size() < kFrameSize) return std::nullopt;
        Frame frame;
        std::copy_n(buffer_.begin(), kFrameSize, frame.begin());
        if (HasFrameMarkers(frame)) {
            buffer_.erase(buffer_.begin(), buffer_.begin() + kFrameSize);
            return frame;
        }
        buffer_.erase(buffer_.begin());
    }
}

}  // namespace devsim
