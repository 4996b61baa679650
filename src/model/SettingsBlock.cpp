#include "model/SettingsBlock.h"

namespace model {

void MirrorSettingsBlock(const DevImageRecord& img, DevParamRecord& par) {
    const auto& extra = img.DevExtra;
    par.ExtEnableMask = extra[21];
    par.ExtActiveMode = extra[22];
    par.ExtPriority = extra[23];
    par.CurSwitchPreset = extra[16];
    par.DelayUnit() = extra[17];
    par.FrontPanelLock() = extra[29];
    for (int k = 0; k < 6; ++k) par.RegMirror[k] = extra[24 + k];
}

}  // namespace model
