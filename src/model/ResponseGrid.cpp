#include "model/ResponseGrid.h"

#include <cmath>

#include "sys/Numeric.h"

namespace model {

const double GridPtsPerDecade = 575.0 / (sys::Log10(20000) - sys::Log10(20));

const std::array<double, GraphPoints> GridFreq = [] {
    std::array<double, GraphPoints> f{};
    for (int i = 0; i < GraphPoints; ++i) f[i] = 20 * std::pow(10.0, i / GridPtsPerDecade);
    return f;
}();

}  // namespace model
