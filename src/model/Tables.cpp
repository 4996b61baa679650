#include "model/Tables.h"

#include <cmath>
#include <numbers>

#include "sys/Numeric.h"

namespace model {

const std::array<double, 97> EqBwTab = [] {
    std::array<double, 97> a{};
    for (int i = 0; i < 97; ++i) {
        const double q = 0.4 + 0.1 * i;
        const double octaves = (2.0 / std::numbers::ln2) * std::asinh(1.0 / (2.0 * q));
        a[i] = sys::Int(octaves * 100000.0) / 100000.0;
    }
    return a;
}();

std::string EmptyProgNameText() {
    std::string name;
    for (std::string_view c : EmptyProgName) name += c;
    return name;
}

}  // namespace model
