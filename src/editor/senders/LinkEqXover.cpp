// The channel link of the output equaliser bands and crossover filters: a band or filter
// copied to the band or filter in the same place of a member output.
#include "editor/FrmCtrl.h"
#include "editor/LinkedOutputs.h"
#include "editor/ModGraph.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqBand.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/XoverSender.h"
#include "state/State.h"

namespace ModLink {

void LinkEqBand(State& s, int16_t b) {
    if (b < 0 || b > 39) return;
    editor::RepeatOnLinkedOutputs(s, static_cast<int16_t>(b / 5), 30,
                                  [&](int16_t k) { LinkEqBandValues(s, b, k); });
}

void LinkEqBandValues(State& s, int16_t b, int16_t k) {
    if (b < 0 || b > 39 || k < 0 || k > 7) return;
    const int16_t dev = s.CurDev;
    const auto d = static_cast<int16_t>(5 * k + b % 5);
    FrmCtrl& f = FrmCtrlOf(s, dev);
    s.UiUpdating = true;
    f.Slider2(d).SetValue(f.Slider2(b).Value());
    f.Text4(d).SetText(f.Text4(b).Text());
    f.UpDown3(d).SetValue(f.UpDown3(b).Value());
    f.Command3(d).SetCaption(f.Command3(b).Caption());
    s.EqOutType[dev][d] = s.EqOutType[dev][b];
    auto bypass = s.DevParam[dev].OutEqBypass();
    bypass[d] = bypass[b];
    ModFun::ConfigButtonEqByp(s, d);
    s.UiUpdating = false;
    ModFun::CalcSendEqOutBand(s, d);
    if (!s.TxFailed) ModGraph::CalcGraphEqOut(s, d);
}

void LinkXover(State& s, int16_t f, int16_t k) {
    if (f < 0 || f > 15 || k < 0 || k > 7) return;
    const auto e = static_cast<int16_t>(2 * k + f % 2);
    FrmCtrl& w = FrmCtrlOf(s, s.CurDev);
    s.UiUpdating = true;
    w.Text8(e).SetText(w.Text8(f).Text());
    w.Combo2(e).SetListIndex(w.Combo2(f).ListIndex());
    s.UiUpdating = false;
    ModFun::SendXover(s, e);
    if (s.TxFailed) return;
    s.GraphHold = 1;
    ModGraph::CalcGraphXover(s, e);
    s.GraphHold = 0;
}

}  // namespace ModLink
