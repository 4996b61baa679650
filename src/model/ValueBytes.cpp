#include "model/ValueBytes.h"

#include <cmath>

#include "model/ModelState.h"
#include "sys/Numeric.h"

namespace model {

bool SplitValueBytes(ModelState& ms, double value, int16_t start) {
    if (start < 0 || static_cast<size_t>(start) + 4 > ms.ValBytes.size()) return false;
    const double r = sys::Round(value);
    if (!std::isfinite(r)) return false;
    // fmod of an integral double by 2^32 is exact, whatever the magnitude.
    constexpr double Wrap = 4294967296.0;
    double m = std::fmod(r, Wrap);
    if (m < 0) m += Wrap;
    const auto u = static_cast<uint32_t>(m);
    for (int k = 0; k < 4; ++k) {
        ms.ValBytes[static_cast<size_t>(start + k)] = static_cast<uint8_t>(u >> (24 - 8 * k));
    }
    return true;
}

}  // namespace model
