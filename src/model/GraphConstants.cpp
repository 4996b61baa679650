#include "model/GraphConstants.h"

#include <cmath>

#include "model/ModelState.h"
#include "model/Snapping.h"

namespace model {

const double GraphTwPerDecade = GraphWidthTw / (Log10(20000) - Log10(20));

void InitGraphConstants(ModelState& ms) {
    if (!(ms.DpiScale > 0) || !std::isfinite(ms.DpiScale)) ms.DpiScale = 1.0;
    ms.GraphPxPerDb = (191 / ms.DpiScale) / 60;
    ms.GraphWidthPx = 575 / ms.DpiScale;
    ms.GraphMidY = 95.4 / ms.DpiScale;
    ms.GraphPtsPerDecade = ms.GraphWidthPx / (Log10(20000) - Log10(20));
}

}  // namespace model
