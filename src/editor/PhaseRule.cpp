#include "editor/PhaseRule.h"

namespace editor {

double FoldPhase180(double x) {
    if (!std::isfinite(x) || (x >= -180 && x <= 180)) return x;
    // The number of whole turns that repeated steps of 360 would take; x - 360 * turns is
    // exact, as each single step would be.
    const double turns = x > 180 ? std::ceil((x - 180) / 360) : -std::ceil((-180 - x) / 360);
    x -= 360 * turns;
    while (x > 180) x -= 360;
    while (x < -180) x += 360;
    return x;
}

}  // namespace editor
