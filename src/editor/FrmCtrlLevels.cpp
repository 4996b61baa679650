// The level group of every channel (slider, typed level, "0 dB", level bypass, polarity,
// mute) and the two master levels.
#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/senders/LevelSenders.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/PolarityMute.h"
#include "model/Snapping.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace {

bool IsOutput(int16_t ch) {
    return ch >= 8;
}

// Slider position of 0 dB: +18 dB (outputs) or +12 dB (inputs) is at the top.
int32_t ZeroDbPosition(int16_t ch) {
    return IsOutput(ch) ? 180 : 120;
}

// A snapped level has residue in its last digits; taking it back to its 0.1 dB grid point by
// rounding, never by cutting, keeps -9.9 from becoming -10.0.
double OnTenthGrid(double db) {
    return sys::Round(db * 10) / 10;
}

}  // namespace

void FrmCtrl::LevelFollowUp(int16_t ch) {
    if (IsOutput(ch)) ModGraph::RedrawGraphCtrl(s_, ch);
    ModLink::LinkGain(s_, ch);
}

void FrmCtrl::Slider1_Scroll(int16_t ch) {
    RunChange([&] { ModFun::SendGain(s_, ch); },
              [&] {
                  LevelFollowUp(ch);
                  if (!s_.TxFailed) SetPointer(ui::vbDefault);
              });
}

void FrmCtrl::Text1_KeyPress(int16_t ch, int16_t& key) {
    if (s_.UiUpdating) return;
    if (!KeyConfirms(key, {.minus = true, .decimals = true, .clipboard = true})) return;
    BeginEntry();
    ui::TextBox& box = Text1(ch);
    double value = 0;
    if (!ReadNumber(box, value)) {
        RejectEntry(key);
        return;
    }
    const double top = IsOutput(ch) ? 18 : 12;
    if (value > top) {
        box.SetText(IsOutput(ch) ? "18" : "12");
        value = top;
    }
    if (value < -127) {
        box.SetText("-127");
        value = -127;
    }
    value = OnTenthGrid(IsOutput(ch) ? model::SnapGainDbOut(value) : model::SnapGainDbIn(value));
    box.SetText(sys::NumText(value, s_.DecimalComma != 0));
    Slider1(ch).SetValue(sys::CInt(ZeroDbPosition(ch) - value * 10));
    ModFun::SendGain(s_, ch);
    if (!s_.TxFailed) LevelFollowUp(ch);
    EndEntry();
}

void FrmCtrl::Command12_Click(int16_t ch) {
    RunChange(
        [&] {
            SetPointer(ui::vbArrowHourglass);
            Slider1(ch).SetValue(ZeroDbPosition(ch));
            ModFun::SendGain(s_, ch);
        },
        [&] { LevelFollowUp(ch); });
    SetPointer(ui::vbDefault);
}

void FrmCtrl::Command90_Click(int16_t ch) {
    RunChange([&] { ModFun::SendGainByp(s_, ch); },
              [&] {
                  if (IsOutput(ch)) ModGraph::RedrawGraphCtrl(s_, ch);
                  ModLink::LinkGainByp(s_, ch);
              });
}

void FrmCtrl::Check2_Click(int16_t ch) {
    RunChange([&] { ModFun::SendPolarity(s_, ch); },
              [&] {
                  if (IsOutput(ch)) ModFun::CalcGraphEqCh(s_, static_cast<int16_t>(ch - 8));
                  ModLink::LinkPolarity(s_, ch);
              });
}

void FrmCtrl::Check1_Click(int16_t ch) {
    RunChange([&] { ModFun::SendMute(s_, ch); }, {});
}

void FrmCtrl::Slider100_Scroll(int16_t k) {
    RunChange([&] { ModFun::SendMasterLevel(s_, k); }, {});
}

void FrmCtrl::Text100_KeyPress(int16_t k, int16_t& key) {
    if (s_.UiUpdating) return;
    const bool volume = k == 1;
    if (!KeyConfirms(key, {.minus = true, .decimals = volume, .clipboard = true})) return;
    s_.EditBusy = true;
    ui::TextBox& box = Text100(k);
    double value = 0;
    if (!ReadNumber(box, value)) {
        RejectEntry(key);
        return;
    }
    const double low = volume ? -127 : 0;
    const double high = volume ? 0 : 100;
    if (value > high) {
        box.SetText(volume ? "0" : "100");
        value = high;
    }
    if (value < low) {
        box.SetText(volume ? "-127" : "0");
        value = low;
    }
    if (volume) {
        value = OnTenthGrid(model::SnapGainDbIn(value));
        box.SetText(sys::NumText(value, s_.DecimalComma != 0));
        Slider100(k).SetValue(sys::CInt(value * 10 + 1270));
    } else {
        Slider100(k).SetValue(sys::CInt(value));
    }
    ModFun::SendMasterLevel(s_, k);
    s_.EditBusy = false;
}
