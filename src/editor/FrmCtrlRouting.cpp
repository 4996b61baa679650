// The "Routing" tab: the crosspoints, the output whose mix levels are shown, the level of each
// input into it (slider or typed in dB) and the reset of the whole matrix.
#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/RoutingSenders.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

void FrmCtrl::Option2_Click(int16_t o) {
    RunChange([&] { ModFun::LoadMixRouting(s_, o); }, {});
}

void FrmCtrl::Check9_Click(int16_t k) {
    RunChange([&] { ModFun::SendMixPoint(s_, k); },
              [&] { Option2(static_cast<int16_t>(k / 8)).SetValue(true); });
}

void FrmCtrl::Slider3_Scroll(int16_t i) {
    RunChange([&] { ModFun::SendMixLevel(s_, i); }, {});
}

// Digits, Backspace and the signs pass; any other key shows the message and stays typed
// (a "d" or "B" of a level text is dropped at Enter).
void FrmCtrl::Text3_KeyPress(int16_t i, int16_t& key) {
    if (s_.UiUpdating) return;
    const auto action = editor::FilterKey(key, {.minus = true, .plus = true}, s_.DecimalComma != 0);
    if (action == editor::KeyAction::Pass) return;
    if (action == editor::KeyAction::Reject) {
        s_.host.MsgBox(kIncorrectValue, ui::vbOKOnly, "Warning");
        EndEntry();
        return;
    }
    BeginEntry();
    ui::TextBox& box = Text3(i);
    std::string text = box.Text();
    std::erase_if(text, [](char c) { return c == 'd' || c == 'B'; });
    box.SetText(text);
    double value = 0;
    if (!ReadNumber(box, value)) {
        s_.host.MsgBox(kIncorrectValue, ui::vbOKOnly, "Warning");
        EndEntry();
        return;
    }
    if (value > 0) {
        box.SetText("0");
        value = 0;
    }
    if (value < -30) {
        box.SetText("-30");
        value = -30;
    }
    s_.UiUpdating = true;
    Slider3(i).SetValue(sys::CInt(-value));
    s_.UiUpdating = false;
    ModFun::SendMixLevel(s_, i);
    EndEntry();
}

void FrmCtrl::Command4_Click() {
    if (s_.host.MsgBox("Reset all routing, are you sure ? ", ui::vbYesNo,
                       "Reset outputs routing ") != ui::vbYes) {
        return;
    }
    SetPointer(ui::vbArrowHourglass);
    s_.EditBusy = true;
    LoadCorrectWindow();
    EnableOtherWindow(false);
    for (int16_t k = 0; k < 64; ++k) {
        const auto i = static_cast<int16_t>(k % 8);
        s_.UiUpdating = true;
        Check9(k).SetValue(0);
        s_.UiUpdating = false;
        ModFun::SendMixPoint(s_, k);
        if (!s_.TxFailed) {
            Slider3(i).SetValue(0);
            ModFun::SendMixLevelInOut(s_, i, static_cast<int16_t>(k / 8));
        }
        if (s_.TxFailed) break;
    }
    EnableOtherWindow(true);
    s_.EditBusy = false;
    SetPointer(ui::vbDefault);
}
