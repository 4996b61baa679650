#include "project/FrmConfigure.h"

#include <algorithm>
#include <string>

#include "project/FrmHelpPriority.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr int kExtEnableAddr = 21;
constexpr int kExtActiveAddr = 22;
constexpr int kExtPriorityAddr = 23;

}  // namespace

FrmConfigure::FrmConfigure(State& s) : ui::Form(s.host, "FrmConfigure"), s_(s) {
    LayOut();
    Command11.On().Click = [this](int16_t) { Command11_Click(); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmConfigure::LayOut() {
    SetCaption("Configure External Signal");
    SetSizable(false);
    constexpr ui::Twips width = 5400;
    SetClientSize(width, 4080);
    Frame3.SetCaption("Active Mode");
    Frame3.Move(120, 60, width - 240, 1020);
    ui::Label& mode = Label1.Load(0);
    mode.SetContainer(&Frame3);
    mode.SetCaption("Configure Mode");
    mode.Move(180, 300, 2400, 285);
    Combo1.SetContainer(&Frame3);
    Combo1.SetStyle(2);
    Combo1.Move(180, 600, 3720, 315);
    Combo1.AddItem("External Input line active High");
    Combo1.AddItem("External Input line active Low");

    Frame4.SetCaption("Priority");
    Frame4.Move(120, 1140, width - 240, 1020);
    ui::Label& priority = Label1.Load(1);
    priority.SetContainer(&Frame4);
    priority.SetCaption("Configure Priority");
    priority.Move(180, 300, 2400, 285);
    Combo2.SetContainer(&Frame4);
    Combo2.SetStyle(2);
    Combo2.Move(180, 600, 1095, 315);
    for (int k = 0; k <= 7; ++k) Combo2.AddItem(std::to_string(k));
    Command11.SetContainer(&Frame4);
    Command11.SetCaption("?");
    Command11.SetToolTipText("Priority info");
    Command11.Move(1440, 600, 435, 315);

    Frame1.SetCaption("External Signal Enable");
    Frame1.Move(120, 2220, width - 240, 1140);
    for (int16_t k = 0; k < 4; ++k) {
        ui::CheckBox& c = Check2.Load(k);
        c.SetContainer(&Frame1);
        c.SetCaption("Enable Input Signal " + std::to_string(k + 1));
        c.Move(180 + (k % 2) * 2520, 300 + (k / 2) * 420, 2400, 285);
    }
    const char* captions[] = {"Confirm", "Cancel"};
    for (int16_t k = 0; k < 2; ++k) {
        ui::CommandButton& b = Command1.Load(k);
        b.SetCaption(captions[k]);
        b.Move(width - 2 * 1095 - 240 + 1215 * k, 3540, 1095, 375);
    }
    Command1(1).SetCancel(true);
}

void FrmConfigure::Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
    if (unloadMode == ui::vbFormOwner) cancel = -1;
}

void FrmConfigure::Form_Load() {
    dev_ = s_.CurDev;
    const model::DevParamRecord& par = s_.DevParam[dev_];
    const int mask = static_cast<int>(par.ExtEnableMask);
    for (int16_t k = 0; k < 4; ++k) Check2(k).SetValue((mask >> k) & 1);
    Combo1.SetListIndex(static_cast<int16_t>(par.ExtActiveMode));
    Combo2.SetListIndex(static_cast<int16_t>(par.ExtPriority));
}

int16_t FrmConfigure::EnableMask() const {
    int16_t mask = 0;
    for (int16_t k = 0; k < 4; ++k) {
        if (Check2(k).Value() != 0) mask = static_cast<int16_t>(mask | (1 << k));
    }
    return mask;
}

void FrmConfigure::Command11_Click() {
    FrmHelpPriority help(s_);
    help.ShowModal();
}

void FrmConfigure::Command1_Click(int16_t index) {
    if (index == 0) {
        Confirm();
    } else if (!KeepEditing()) {
        Unload();
    }
}

// Each setting is stored in the parameter record and the image once the device took it; a
// failed request ends the sequence and keeps the dialog open.
void FrmConfigure::Confirm() {
    if (s_.host.MsgBox("               are you sure?", ui::vbYesNo, "Configure") != ui::vbYes) {
        return;
    }
    model::DevParamRecord& par = s_.DevParam[dev_];
    auto& extra = s_.DevImage[dev_].DevExtra;
    const auto mode = static_cast<uint8_t>(std::max<int16_t>(0, Combo1.ListIndex()));
    const auto priority = static_cast<uint8_t>(std::max<int16_t>(0, Combo2.ListIndex()));
    const auto mask = static_cast<uint8_t>(EnableMask());
    if (!ModRxTx::TxQuery(s_, dev_, CmdExtSignalMode, 0, 0, 0, 0, 0, 0, 0, mode)) return;
    par.ExtActiveMode = mode;
    extra[kExtActiveAddr] = mode;
    if (!ModRxTx::TxQuery(s_, dev_, CmdExtPriority, 0, 0, 0, 0, 0, 0, 0, priority)) return;
    par.ExtPriority = priority;
    extra[kExtPriorityAddr] = priority;
    if (!ModRxTx::TxQuery(s_, dev_, CmdExtSignalEnable, 0, 0, 0, 0, 0, 0, 0, mask)) return;
    par.ExtEnableMask = mask;
    extra[kExtEnableAddr] = mask;
    Unload();
}

bool FrmConfigure::KeepEditing() {
    const model::DevParamRecord& par = s_.DevParam[dev_];
    const bool differs[] = {Combo1.ListIndex() != par.ExtActiveMode,
                            Combo2.ListIndex() != par.ExtPriority,
                            EnableMask() != par.ExtEnableMask};
    for (bool d : differs) {
        if (d && s_.host.MsgBox("Do you want confirm the current editing?", ui::vbYesNo,
                                "Configure") == ui::vbYes) {
            return true;
        }
    }
    return false;
}
