#include "state/GraphState.h"

namespace editor {

namespace {
const DeviceCurves NoCurves{};

bool IsSlot(int16_t dev) {
    return dev >= 0 && dev < GraphSlots;
}
}  // namespace

const DeviceCurves& GraphState::Curves(int16_t dev) const {
    if (!IsSlot(dev) || !devices_[dev]) return NoCurves;
    return *devices_[dev];
}

DeviceCurves* GraphState::MutableCurves(int16_t dev) {
    if (!IsSlot(dev)) return nullptr;
    auto& p = devices_[dev];
    if (!p) p = std::make_unique<DeviceCurves>();
    return p.get();
}

}  // namespace editor
