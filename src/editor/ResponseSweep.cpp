#include "editor/ResponseSweep.h"

#include "editor/PhaseRule.h"
#include "model/AddressTables.h"
#include "model/ModelState.h"

namespace editor {

namespace {
bool PolarityBit(const model::ModelState& ms, int16_t dev, int which, int16_t ch) {
    return (ms.DevImage[dev].ProgImage[model::PolarityAddr[which]] >> ch) & 1;
}
}  // namespace

bool InputInverted(const model::ModelState& ms, int16_t dev, int16_t in) {
    return PolarityBit(ms, dev, 0, in);
}

bool OutputInverted(const model::ModelState& ms, int16_t dev, int16_t out) {
    return PolarityBit(ms, dev, 1, out);
}

double ShownPhase(double total, bool inverted) {
    return FoldPhase180(inverted ? total - 180 : total);
}

}  // namespace editor
