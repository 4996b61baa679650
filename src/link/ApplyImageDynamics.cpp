#include "link/ApplyImageDynamics.h"

#include <algorithm>

#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "link/DelaySenders.h"
#include "link/DynamicsSenders.h"
#include "link/LinkSets.h"
#include "model/AddressTables.h"

namespace ModFun {

namespace {

// The delay unit's byte among the device settings.
constexpr int kDelayUnitExtra = 17;

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
    const int16_t unit = s.DevImage[dev].DevExtra[kDelayUnitExtra] == 1 ? 1 : 0;
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
    for (int16_t o = 0; o < 8; ++o) {
        const auto& img = s.DevImage[dev].ProgImage;
        const int c = model::CompAddr[o];
        Load(f.Slider400(o), 240 - img[c]);
        Load(f.Slider401(o), 31 - img[c + 1]);
        Load(f.Slider402(o), 100 - img[c + 2]);
        Load(f.Slider403(o), 29 - img[c + 3]);
        Load(f.Slider404(o), 29 - img[c + 4]);
        for (auto send : {SendCmpThr, SendCmpRatio, SendCmpKnee, SendCmpAttack, SendCmpRelease}) {
            send(s, o);
            if (f.Finished()) return;
        }
        ConfigButtonCmpByp(s, o);
        StepProgressCtrl(s);
    }
    for (int16_t o = 0; o < 8; ++o) {
        const auto& img = s.DevImage[dev].ProgImage;
        const int l = model::LimAddr[o];
        Load(f.Slider4(o), 240 - img[l + 2]);
        Load(f.Slider5(o), 29 - img[l + 1]);
        Load(f.Slider6(o), 29 - img[l]);
        for (auto send : {SendLimThr, SendLimAttack, SendLimRelease}) {
            send(s, o);
            if (f.Finished()) return;
        }
        ConfigButtonLimByp(s, o);
        StepProgressCtrl(s);
    }
}

}  // namespace ModFun
