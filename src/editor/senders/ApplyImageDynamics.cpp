#include "editor/senders/ApplyImageDynamics.h"

#include <algorithm>
#include <span>

#include "editor/FrmCtrl.h"
#include "editor/senders/DelaySenders.h"
#include "editor/senders/DynamicsSenders.h"
#include "editor/senders/LinkSets.h"
#include "model/AddressTables.h"
#include "model/DevImageRecord.h"
#include "state/State.h"

namespace ModFun {

namespace {

int16_t BitOf(uint8_t byte, int k) {
    return static_cast<int16_t>(byte >> k & 1);
}

// A value from the image, brought into the control's range; the slider loads of the sequence
// leave UiUpdating clear (code never fires Scroll).
template <class T>
void Load(T& control, int32_t value) {
    control.SetValue(std::clamp(value, control.Min(), control.Max()));
}

}  // namespace

void ApplyDelays(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    const uint8_t bits = s.DevImage[dev].ProgImage[model::DelayBypAddr];
    for (int o = 0; o < 8; ++o) s.DelayByp[dev][o] = BitOf(bits, o);
    const int16_t unit = s.DevImage[dev].DevExtra[model::DelayUnitExtra] == 1 ? 1 : 0;
    s.DevParam[dev].DelayUnit() = unit;
    for (int16_t o = 0; o < 8; ++o) {
        const auto& img = s.DevImage[dev].ProgImage;
        const int a = model::DelayAddr[o];
        s.UiUpdating = true;
        Load(f.UpDown2(o), img[a] * 256 + img[a + 1]);
        Load(f.UpDown1(o), img[a + 2]);
        s.UiUpdating = false;
        SendDelay(s, o);
        if (f.Finished()) return;
        ConfigButtonDelayByp(s, o);
        StepProgressCtrl(s);
    }
    f.Option1(unit).SetValue(true);
    LoadLabelDelay(s, unit);
}

void ApplyDynamics(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    const auto& bits = s.DevImage[dev].ProgImage;
    for (int o = 0; o < 8; ++o) {
        s.CompByp[dev][o] = BitOf(bits[model::CompBypAddr], o);
        s.LimByp[dev][o] = BitOf(bits[model::LimBypAddr], o);
    }
    // Each output's sliders loaded, then its values sent in turn.
    const auto apply = [&](int16_t o, std::span<const Dyn> values,
                           void (*configButton)(State&, int16_t)) {
        const auto& img = s.DevImage[dev].ProgImage;
        for (Dyn p : values)
            Load(DynamicsSliders(f, p)(o), DynamicsMax(p) - img[DynamicsAddr(p, o)]);
        for (Dyn p : values) {
            SendDynamics(s, p, o);
            if (f.Finished()) return false;
        }
        configButton(s, o);
        StepProgressCtrl(s);
        return true;
    };
    for (int16_t o = 0; o < 8; ++o) {
        if (!apply(o, CompressorValues, ConfigButtonCmpByp)) return;
    }
    for (int16_t o = 0; o < 8; ++o) {
        if (!apply(o, LimiterValues, ConfigButtonLimByp)) return;
    }
}

}  // namespace ModFun
