#include "editor/senders/LinkSets.h"

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "state/State.h"

namespace ModFun {

namespace {

void ColourLinkBox(ui::CheckBox& box) {
    box.SetForeColor(box.Value() == 1 ? ui::vbBlue : ui::vbBlack);
}

}  // namespace

void StoreLinkOut(State& s, int16_t k) {
    if (k < 0 || k > 7) return;
    const int16_t dev = s.CurDev;
    ui::CheckBox& box = FrmCtrlOf(s, dev).Check13(static_cast<int16_t>(k + 8));
    auto& set = s.OutLinkSet[dev];
    set[k] = box.Value() == 1 ? 1 : 0;
    s.OutLinkMask[dev] = PackBits([&](int j) { return set[j]; });
    ColourLinkBox(box);
}

void StoreLinkIn(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    ui::CheckBox& box = f.Check13(i);
    auto& set = s.InLinkSet[dev];
    set[i] = box.Value() == 1 ? 1 : 0;
    if (s.InPairLink[dev][i / 2]) {
        const auto partner = static_cast<int16_t>(i ^ 1);
        s.UiUpdating = true;
        set[partner] = set[i];
        f.Check13(partner).SetValue(box.Value());
        ColourLinkBox(f.Check13(partner));
        s.UiUpdating = false;
    }
    ColourLinkBox(box);
    s.InLinkMask[dev] = PackBits([&](int j) { return set[j]; });
}

void StepProgressCtrl(State& s) {
    if (s.LoadStateWord == 0) return;
    ui::ProgressBar& bar = FrmCtrlOf(s, s.CurDev).ProgressBar1;
    bar.SetValue(bar.Value() + 1);
}

}  // namespace ModFun
