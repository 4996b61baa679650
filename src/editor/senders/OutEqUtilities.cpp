#include "editor/senders/OutEqUtilities.h"

#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/senders/OutEqBand.h"
#include "state/State.h"

namespace ModFun {

namespace {
bool ValidOutput(int16_t o) {
    return o >= 0 && o < 8;
}
bool ValidBand(int16_t b) {
    return b >= 0 && b < 40;
}
}  // namespace

void FlatEq(State& s, int16_t o) {
    if (!ValidOutput(o)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    for (auto b = static_cast<int16_t>(5 * o); b < 5 * o + 5; ++b) {
        if (f.Finished()) return;
        f.Slider2(b).SetValue(24);
        ConfigButtonEqByp(s, b);
        CalcSendEqOutBand(s, b);
        if (f.Finished()) return;
        ModGraph::CalcGraphEqOut(s, b);
    }
}

void ToggleEqBandByp(State& s, int16_t b) {
    if (!ValidBand(b)) return;
    double& bypass = s.DevParam[s.CurDev].OutEqBypass()[b];
    bypass = bypass == 0.0 ? 1.0 : 0.0;
    ConfigButtonEqByp(s, b);
}

void ShowGraphCursor(State& s, int16_t o) {
    if (!ValidOutput(o)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const bool shown = f.Check3(o).Value() != 0;
    for (int j = 4; j >= 0; --j) {
        ui::Label& marker = f.Label5(static_cast<int16_t>(5 * o + j));
        marker.SetVisible(shown);
        if (shown) marker.ZOrder(0);
    }
    s.DevImage[s.CurDev].PanelState[30 + o] = static_cast<uint8_t>(f.Check3(o).Value());
}

void CalcGraphEqCh(State& s, int16_t o) {
    ModGraph::CalcGraphOutput(s, o);
}

void CalcGraphEqAllBands(State& s, int16_t o) {
    if (!ValidOutput(o)) return;
    for (auto b = static_cast<int16_t>(5 * o); b < 5 * o + 5; ++b) ModGraph::CalcGraphEqOut(s, b);
}

}  // namespace ModFun
