// The "Inputs" tab: per input the filter, balanced, noise gate, feedback, Mic/Line and
// processing choice, per pair the stereo mode, and the device-wide phantom power, feedback
// deviation frequency, front-panel lock and the "Setup" button. Each edit is sent at once
// and, for an input, repeated on the inputs linked to it.
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/InputSenders.h"
#include "editor/senders/LinkSets.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/StereoPairs.h"
#include "model/Snapping.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

std::string WithoutBlanks(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// A typed value brought into low..high; the box then shows the bound.
void ClampTyped(ui::TextBox& box, double& value, int low, int high) {
    if (value > high) {
        box.SetText(std::to_string(high));
        value = high;
    }
    if (value < low) {
        box.SetText(std::to_string(low));
        value = low;
    }
}

}  // namespace

void FrmCtrl::WireInputsTab() {
    Check11.On().Click = [this](int16_t p) { Check11_Click(p); };
    Combo9.On().Click = [this](int16_t i) { Combo9_Click(i); };
    UpDown6.On().Change = [this](int16_t i) { UpDown6_Change(i); };
    Text14.On().KeyPress = [this](int16_t i, int16_t& key) { Text14_KeyPress(i, key); };
    Check4.On().Click = [this](int16_t i) { Check4_Click(i); };
    Check5.On().Click = [this](int16_t i) { Check5_Click(i); };
    Combo4.On().Click = [this](int16_t i) { Combo4_Click(i); };
    Combo5.On().Click = [this](int16_t i) { Combo5_Click(i); };
    Combo1.On().Click = [this](int16_t i) { Combo1_Click(i); };
    Command13.On().Click = [this](int16_t i) { Command13_Click(i); };
    Check6.On().Click = [this](int16_t) { Check6_Click(); };
    Slider7.On().Scroll = [this](int16_t) { Slider7_Scroll(); };
    Text6.On().KeyPress = [this](int16_t, int16_t& key) { Text6_KeyPress(key); };
    Check12.On().Click = [this](int16_t) { Check12_Click(); };
    Command11.On().Click = [this](int16_t) { OpenDialog(EditorDialog::WallPanel); };
}

void FrmCtrl::Check11_Click(int16_t p) {
    if (s_.UiUpdating) return;
    const int16_t dev = s_.CurDev;
    const auto first = static_cast<int16_t>(2 * p);
    const auto second = static_cast<int16_t>(first + 1);
    const bool ticked = Check11(p).Value() == 1;
    if (ticked) {
        const std::string question = "In Stereo Mode the system will copy the setting from " +
                                     WithoutBlanks(s_.ChName[dev][first]) + " to " +
                                     WithoutBlanks(s_.ChName[dev][second]) + ",\r\n" +
                                     "do you want to continue?";
        if (s_.host.MsgBox(question, ui::vbYesNo, "Stereo mode") != ui::vbYes) {
            s_.UiUpdating = true;
            Check11(p).SetValue(0);
            s_.UiUpdating = false;
            return;
        }
    }
    SetPointer(ui::vbArrowHourglass);
    if (ticked) {
        // A stereo pair leaves the input link set.
        s_.UiUpdating = true;
        for (int16_t i : {first, second}) {
            s_.InLinkSet[dev][i] = 0;
            Check13(i).SetValue(0);
        }
        s_.UiUpdating = false;
        ModFun::StoreLinkIn(s_, first);
        ModFun::StoreLinkIn(s_, second);
    }
    ModFun::SendStereoMode(s_, p);
    SetPointer(ui::vbDefault);
}

void FrmCtrl::Combo9_Click(int16_t i) {
    RunChange([&] { ModFun::SendInputFilter(s_, i); }, [&] { ModLink::LinkInputFilter(s_, i); });
}

void FrmCtrl::UpDown6_Change(int16_t i) {
    Combo9_Click(i);
}

void FrmCtrl::Text14_KeyPress(int16_t i, int16_t& key) {
    if (s_.UiUpdating) return;
    if (!KeyConfirms(key, {.minus = true, .plus = true, .clipboard = true})) return;
    BeginEntry();
    ui::TextBox& box = Text14(i);
    double value = 0;
    if (!ReadNumber(box, value)) {
        RejectEntry(key);
        return;
    }
    ClampTyped(box, value, 20, 20000);
    s_.UiUpdating = true;
    UpDown6(i).SetValue(model::SnapInputFilterFreq(value));
    s_.UiUpdating = false;
    ModFun::SendInputFilter(s_, i);
    if (!s_.TxFailed) ModLink::LinkInputFilter(s_, i);
    EndEntry();
}

void FrmCtrl::Check4_Click(int16_t i) {
    // The linked inputs follow even when the input's own send failed.
    RunChange(
        [&] {
            ModFun::SendInputBalanced(s_, i);
            ModLink::LinkInputBalanced(s_, i);
        },
        {});
}

void FrmCtrl::Check5_Click(int16_t i) {
    RunChange([&] { ModFun::SendNoiseGateEnable(s_, i); },
              [&] { ModLink::LinkNoiseGateEnable(s_, i); });
}

void FrmCtrl::Combo4_Click(int16_t i) {
    RunChange([&] { ModFun::SendFeedbackMode(s_, i); }, [&] { ModLink::LinkFeedbackMode(s_, i); });
}

void FrmCtrl::Combo1_Click(int16_t i) {
    RunChange([&] { ModFun::SendInputProcType(s_, i); },
              [&] { ModLink::LinkInputProcType(s_, i); });
}

void FrmCtrl::SetBusyPointers(int16_t pointer) {
    SetMainPointer(s_, pointer);
    SetPointer(pointer);
}

// The busy pointers are taken back on every path, a failed send included.
void FrmCtrl::Combo5_Click(int16_t i) {
    RunChange(
        [&] {
            SetBusyPointers(ui::vbArrowHourglass);
            ModFun::SendMicLine(s_, i);
        },
        [&] { ModLink::LinkMicLine(s_, i); });
    if (!s_.UiUpdating) SetBusyPointers(ui::vbDefault);
}

void FrmCtrl::Command13_Click(int16_t i) {
    OpenDialog(EditorDialog::NoiseGate, i);
}

void FrmCtrl::Check6_Click() {
    if (s_.UiUpdating) return;
    s_.EditBusy = true;
    LoadCorrectWindow();
    ModFun::SendPhantomPower(s_);
    s_.EditBusy = false;
}

void FrmCtrl::Slider7_Scroll() {
    RunChange([&] { ModFun::SendFeedbackDevFreq(s_); }, {});
}

void FrmCtrl::Text6_KeyPress(int16_t& key) {
    if (s_.UiUpdating) return;
    if (!KeyConfirms(key, {.minus = true, .plus = true, .decimals = true, .clipboard = true})) {
        return;
    }
    double value = 0;
    if (!ReadNumber(Text6, value)) {
        RejectEntry(key);
        return;
    }
    ClampTyped(Text6, value, 2, 8);
    BeginEntry();
    Slider7.SetValue(model::SnapFeedbackFreq(value));
    ModFun::SendFeedbackDevFreq(s_);
    EndEntry();
}

void FrmCtrl::Check12_Click() {
    RunChange([&] { ModFun::SendFrontPanelLock(s_); }, {});
}
