#include "editor/EqResponse.h"

#include <cmath>

#include "editor/PhaseRule.h"
#include "editor/RangeGuard.h"

namespace editor {

EqBandResponse::EqBandResponse(const EqBand& band)
    : type_(band.type), f0_(KeepInRange(band.freq, 20, 20000)), q_(KeepInRange(band.q, 0.4, 10)) {
    a_ = std::pow(10.0, KeepInRange(band.gain, -12, 12) / 40);
    sqrtA_ = std::sqrt(a_);
    peakFactor_ = (a_ * a_ - 1) / a_;
}

ResponsePoint EqBandResponse::At(double f) const {
    const double w = f / f0_;
    const double w2 = w * w;
    switch (type_) {
        case PeakEq: {
            const double d = 1 - w2;
            const double wq = w / q_;
            const double num2 = d * d + (a_ * wq) * (a_ * wq);
            const double den2 = d * d + (wq / a_) * (wq / a_);
            const double num = (d * w / q_) * peakFactor_;
            return {10 * std::log10(num2 / den2), QuadrantPhase(num, d * d + wq * wq) * DegPerRad};
        }
        case HiShelf:
        case LoShelf: {
            const double b = sqrtA_ * w / q_;
            // Real parts of A s^2 + 1 and of s^2 + A at s = j w; both have the imaginary part b.
            // The phase of either shelf is that of a ratio of the two.
            const double hi = 1 - a_ * w2;
            const double lo = a_ - w2;
            const double den = b * b + hi * lo;
            if (type_ == HiShelf) {
                const double num2 = (hi * a_) * (hi * a_) + (a_ * b) * (a_ * b);
                const double den2 = lo * lo + b * b;
                const double num = b * (a_ - w2 - 1 + a_ * w2);
                return {10 * std::log10(num2 / den2), QuadrantPhase(num, den) * DegPerRad};
            }
            const double num2 = (lo * a_) * (lo * a_) + (a_ * b) * (a_ * b);
            const double den2 = hi * hi + b * b;
            const double num = b * (1 - a_ * w2 - a_ + w2);
            return {10 * std::log10(num2 / den2), QuadrantPhase(num, den) * DegPerRad};
        }
        default:
            return {};
    }
}

}  // namespace editor
