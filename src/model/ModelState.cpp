#include "model/ModelState.h"

#include <cmath>

#include "sys/Numeric.h"

namespace model {

ModelState::ModelState() {
    InitGraphConstants(*this);
}

void InitGraphConstants(ModelState& ms) {
    if (!(ms.DpiScale > 0) || !std::isfinite(ms.DpiScale)) ms.DpiScale = 1.0;
    ms.GraphPxPerDb = (191 / ms.DpiScale) / 60;
    ms.GraphWidthPx = 575 / ms.DpiScale;
    ms.GraphMidY = 95.4 / ms.DpiScale;
    ms.GraphPtsPerDecade = ms.GraphWidthPx / (sys::Log10(20000) - sys::Log10(20));
}

}  // namespace model
