#include "comm/Deadline.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace comm {

int64_t ScaledMs(int32_t ms, double scale) {
    const double scaled = std::round(static_cast<double>(ms) * scale);
    if (!(scaled > 0.0)) return 0;
    return static_cast<int64_t>(std::min(scaled, static_cast<double>(INT_MAX)));
}

Deadline::Deadline(int32_t ms, double scale)
    : end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(ScaledMs(ms, scale))) {}

int Deadline::RemainingMs() const {
    const auto left = end_ - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return 0;
    const auto ms = std::chrono::ceil<std::chrono::milliseconds>(left).count();
    return static_cast<int>(std::min<int64_t>(ms, INT_MAX));
}

}  // namespace comm
