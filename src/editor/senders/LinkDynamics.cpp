// The channel link of the output limiter, compressor and delay blocks: the block of the edited
// output copied to every other member of the output link set, its switch brought to the edited
// output's state, and sent.
#include <algorithm>
#include <functional>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "editor/senders/DelaySenders.h"
#include "editor/senders/DynamicsSenders.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqUtilities.h"
#include "model/AddressTables.h"
#include "state/State.h"

namespace ModLink {

namespace {

// For every other member k of output o's link set in ascending order: copy(k) with
// UiUpdating set, then values(k). Stops after a failed send unless visitAll is set (then each
// member's response is recomputed); always stops when the editor window has been closed.
void RepeatOnOutputs(State& s, int16_t o, bool visitAll,
                     const std::function<void(FrmCtrl& f, int16_t k)>& copy,
                     const std::function<void(int16_t k)>& values) {
    if (o < 0 || o > 7) return;
    const auto& members = s.OutLinkSet[s.CurDev];
    if (members[o] != 1) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    for (int16_t k = 0; k < 8; ++k) {
        if (k == o || members[k] != 1) continue;
        s.UiUpdating = true;
        copy(f, k);
        s.UiUpdating = false;
        values(k);
        // A failed send that took the device offline has closed the window: nothing is left
        // to repeat on.
        if (f.Finished()) return;
        if (visitAll) {
            ModFun::CalcGraphEqCh(s, k);
        } else if (s.TxFailed) {
            return;
        }
    }
}

// Toggles output k's switch flag and writes the switch bits of all eight outputs to addr.
void ToggleSwitch(State& s, std::array<int16_t, 8>& flags, int16_t k, int addr) {
    flags[k] = flags[k] != 0 ? 0 : 1;
    s.DevImage[s.CurDev].ProgImage[addr] = ModFun::PackBits([&](int i) { return flags[i]; });
}

// Value p of output k shown from its slider and written to the image, as the member's block is
// sent afterwards with its threshold.
void TakeSliderValue(State& s, FrmCtrl& f, ModFun::Dyn p, int16_t k) {
    const int32_t top = ModFun::DynamicsMax(p);
    const int32_t pos = std::clamp(ModFun::DynamicsSliders(f, p)(k).Value(), 0, top);
    ModFun::DynamicsBoxes(f, p)(k).SetText(ModFun::DynamicsText(p, pos, s.DecimalComma != 0));
    s.DevImage[s.CurDev].ProgImage[ModFun::DynamicsAddr(p, k)] = static_cast<uint8_t>(top - pos);
}

}  // namespace

void LinkLimiter(State& s, int16_t o) {
    const int16_t dev = s.CurDev;
    RepeatOnOutputs(
        s, o, false,
        [&](FrmCtrl& f, int16_t k) {
            s.LimByp[dev][k] = static_cast<int16_t>(1 - s.LimByp[dev][o]);
            f.Slider4(k).SetValue(f.Slider4(o).Value());
            f.Slider5(k).SetValue(f.Slider5(o).Value());
            f.Slider6(k).SetValue(f.Slider6(o).Value());
        },
        [&](int16_t k) { LinkLimiterValues(s, k); });
}

void LinkCompressor(State& s, int16_t o) {
    const int16_t dev = s.CurDev;
    RepeatOnOutputs(
        s, o, false,
        [&](FrmCtrl& f, int16_t k) {
            s.CompByp[dev][k] = static_cast<int16_t>(1 - s.CompByp[dev][o]);
            f.Slider400(k).SetValue(f.Slider400(o).Value());
            f.Slider401(k).SetValue(f.Slider401(o).Value());
            f.Slider402(k).SetValue(f.Slider402(o).Value());
            f.Slider403(k).SetValue(f.Slider403(o).Value());
            f.Slider404(k).SetValue(f.Slider404(o).Value());
        },
        [&](int16_t k) { LinkCompressorValues(s, k); });
}

void LinkDelay(State& s, int16_t o) {
    const int16_t dev = s.CurDev;
    RepeatOnOutputs(
        s, o, true,
        [&](FrmCtrl& f, int16_t k) {
            f.UpDown2(k).SetValue(f.UpDown2(o).Value());
            f.UpDown1(k).SetValue(f.UpDown1(o).Value());
            s.DelayByp[dev][k] = static_cast<int16_t>(1 - s.DelayByp[dev][o]);
        },
        [&](int16_t k) { LinkDelayValues(s, k); });
}

void LinkLimiterValues(State& s, int16_t k) {
    if (k < 0 || k > 7) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    ToggleSwitch(s, s.LimByp[s.CurDev], k, model::LimOnAddr);
    ModFun::ConfigButtonLimByp(s, k);
    for (auto p : {ModFun::Dyn::LimAttack, ModFun::Dyn::LimRelease}) TakeSliderValue(s, f, p, k);
    ModFun::SendLimThr(s, k);
}

void LinkCompressorValues(State& s, int16_t k) {
    if (k < 0 || k > 7) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    ToggleSwitch(s, s.CompByp[s.CurDev], k, model::CompOnAddr);
    ModFun::ConfigButtonCmpByp(s, k);
    for (auto p : {ModFun::Dyn::CmpRatio, ModFun::Dyn::CmpKnee, ModFun::Dyn::CmpAttack,
                   ModFun::Dyn::CmpRelease}) {
        TakeSliderValue(s, f, p, k);
    }
    ModFun::SendCmpThr(s, k);
}

void LinkDelayValues(State& s, int16_t k) {
    if (k < 0 || k > 7) return;
    ToggleSwitch(s, s.DelayByp[s.CurDev], k, model::DelayOnAddr);
    ModFun::ConfigButtonDelayByp(s, k);
    ModFun::SendDelay(s, k);
}

}  // namespace ModLink
