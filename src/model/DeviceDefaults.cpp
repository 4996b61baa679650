#include "model/DeviceDefaults.h"

#include <algorithm>

#include "model/DefaultImage.h"
#include "model/ModelState.h"
#include "model/SettingsBlock.h"
#include "model/Tables.h"

namespace model {

void InitDeviceDefault(ModelState& ms, uint8_t slot) {
    if (slot >= SlotCount) return;
    DevImageRecord& img = ms.DevImage[slot];
    DevParamRecord& par = ms.DevParam[slot];

    std::copy(DefaultImage.begin(), DefaultImage.end(), img.ProgImage.begin());

    // Settings block, DevExtra[device address]: external signals off (21..23), switch
    // preset 0 (16), delays shown as distance (17), device bytes 24..29 set to 1 (29 is the
    // front-panel lock).
    auto& extra = img.DevExtra;
    extra[22] = 0;
    extra[23] = 0;
    extra[16] = 0;
    extra[17] = 1;
    extra[21] = 0;
    for (int a = 24; a <= 29; ++a) extra[a] = 1;

    MirrorSettingsBlock(img, par);

    par.SwitchPresetMask.fill(0);
    par.SwitchPresetLink = 1.0;

    // The normal program slots read as empty until the device is connected; the extra
    // slots keep what the slot last knew.
    for (int k = 0; k < 6; ++k) par.SlotStatus()[k] = 0;
    par.SlotName.fill(EmptyProgNameText());
    par.CurProgName = "Factory Preset";
}

}  // namespace model
