// The high-pass and low-pass crossover filters of each output tab: the type list and the
// typed corner frequency.
#include <algorithm>

#include "editor/FrmCtrl.h"
#include "editor/LinkedOutputs.h"
#include "editor/ModGraph.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/XoverSender.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace {

constexpr const char* kIncorrectF = "  Incorrect f value";

// The corner frequency box brought into 20..20000 Hz; a box that holds no number gets the
// frequency last stored for the filter.
void ClampXoverBox(State& s, ui::TextBox& box, int16_t f) {
    const bool comma = s.DecimalComma != 0;
    double freq = 0;
    if (!sys::ParseNumber(box.Text(), comma, freq)) {
        box.SetText(
            sys::NumText(std::clamp(s.DevParam[s.CurDev].XoverFreq()[f], 20.0, 20000.0), comma));
        return;
    }
    if (freq > 20000) box.SetText("20000");
    if (freq < 20) box.SetText("20");
}

}  // namespace

void FrmCtrl::XoverFollowUp(int16_t f, int waitMs) {
    if (s_.TxFailed) return;
    ModGraph::CalcGraphXover(s_, f);
    editor::RepeatOnLinkedOutputs(s_, static_cast<int16_t>(f / 2), waitMs,
                                  [&](int16_t p) { ModLink::LinkXover(s_, f, p); });
}

void FrmCtrl::Combo2_Click(int16_t f) {
    RunChange(
        [&] {
            ClampXoverBox(s_, Text8(f), f);
            ModFun::SendXover(s_, f);
        },
        [&] { XoverFollowUp(f, 30); });
}

void FrmCtrl::Text8_KeyPress(int16_t f, int16_t& key) {
    if (!KeyConfirms(key, {}, kIncorrectF)) return;
    BeginEntry();
    double freq = 0;
    if (!ReadNumber(Text8(f), freq)) {
        RejectEntry(key, kIncorrectF);
        return;
    }
    ClampXoverBox(s_, Text8(f), f);
    ModFun::SendXover(s_, f);
    XoverFollowUp(f, 0);
    EndEntry();
}
