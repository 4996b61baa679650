#include "editor/senders/InputSenders.h"

#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "editor/senders/ChannelNames.h"
#include "editor/senders/LevelSenders.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

bool ValidInput(int16_t input) {
    return input >= 0 && input < 8;
}

uint8_t& ImageByte(State& s, int addr) {
    return s.DevImage[s.CurDev].ProgImage[addr];
}

// Rebuilds the bit byte at addr from the eight inputs' values and sends it with code for the
// input (d0 = input, d7 = the byte). True when the transaction failed.
template <class Values>
bool SendInputBits(State& s, uint8_t code, int16_t addr, const Values& values, int16_t input) {
    const uint8_t bits = PackBits([&](int k) { return values[k]; });
    ImageByte(s, addr) = bits;
    return ModRxTx::TxCommand(s, s.CurDev, code, static_cast<uint8_t>(input), 0, 0, 0, 0, 0, 0,
                              bits);
}

bool SendFeedbackBits(State& s, int16_t input) {
    return SendInputBits(s, CmdInputOption, model::InModeAddr, s.DevParam[s.CurDev].InFeedbackOn(),
                         input);
}

bool SendProcTypeBits(State& s, int16_t input) {
    return SendInputBits(s, CmdInputProcType, model::InProcAddr, s.DevParam[s.CurDev].InProcType(),
                         input);
}

bool SendBulkUpdate(State& s, uint8_t phase) {
    return ModRxTx::TxCommand(s, s.CurDev, CmdBulkUpdate, phase);
}

double ListFlag(const ui::ComboBox& list) {
    return list.ListIndex() == 1 ? 1.0 : 0.0;
}

// The overview label of the input's processing.
ui::Label& ProcessingLabel(FrmCtrl& f, int16_t input) {
    return f.Label100(static_cast<int16_t>(input + 10));
}

// The feedback panel in front with its state on the overview.
void ShowFeedbackPanel(FrmCtrl& f, int16_t input) {
    f.Frame18(input).ZOrder(0);
    ProcessingLabel(f, input).SetCaption("Feedback");
    f.Combo4(input).SetEnabled(true);
    ProcessingLabel(f, input).SetToolTipText(f.Combo4(input).Text());
}

// The equaliser panel in front with its state on the overview.
void ShowEqualiserPanel(FrmCtrl& f, int16_t input) {
    f.Frame27(input).ZOrder(0);
    ProcessingLabel(f, input).SetCaption("PEQ");
    f.Combo4(input).SetEnabled(true);
    ProcessingLabel(f, input).SetToolTipText("3 EQ Band");
}

// The level sent again after a source change; false when it failed (EditBusy then cleared).
bool ResendLevel(State& s, int16_t input) {
    SendGain(s, input);
    if (!s.TxFailed) return true;
    s.EditBusy = false;
    return false;
}

// The Mic branch of SendMicLine: the processing type stays as chosen.
bool ApplyMicSource(State& s, FrmCtrl& f, int16_t input) {
    auto& par = s.DevParam[s.CurDev];
    f.Line1(input).SetVisible(true);
    f.Line2(input).SetVisible(false);
    par.InFeedbackOn()[input] = par.InProcType()[input] == 0 ? ListFlag(f.Combo4(input)) : 0.0;
    if (SendFeedbackBits(s, input)) return false;
    f.Combo1(input).SetVisible(true);
    f.Combo1(input).ZOrder(0);
    if (par.InProcType()[input] == 0) {
        ShowFeedbackPanel(f, input);
    } else {
        ShowEqualiserPanel(f, input);
    }
    if (!ResendLevel(s, input)) return false;
    s.UiUpdating = true;
    f.Combo1(input).SetListIndex(par.InProcType()[input] != 0 ? 1 : 0);
    s.UiUpdating = false;
    par.InProcType()[input] = ListFlag(f.Combo1(input));
    return !SendProcTypeBits(s, input);
}

// The Line branch of SendMicLine: no feedback suppressor, always the equaliser.
bool ApplyLineSource(State& s, FrmCtrl& f, int16_t input) {
    auto& par = s.DevParam[s.CurDev];
    f.Line1(input).SetVisible(false);
    f.Line2(input).SetVisible(true);
    par.InFeedbackOn()[input] = 0.0;
    if (SendFeedbackBits(s, input)) return false;
    f.Combo1(input).SetVisible(false);
    ShowEqualiserPanel(f, input);
    if (!ResendLevel(s, input)) return false;
    par.InProcType()[input] = 1.0;
    return !SendProcTypeBits(s, input);
}

}  // namespace

void EnableCheckStereoMode(State& s, int16_t pair) {
    if (pair < 0 || pair > 3) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const auto first = static_cast<int16_t>(2 * pair);
    f.Check11(pair).SetEnabled(f.Combo5(first).ListIndex() == 1 &&
                               f.Combo5(static_cast<int16_t>(first + 1)).ListIndex() == 1);
}

void SendFrontPanelLock(State& s) {
    const int16_t dev = s.CurDev;
    const bool locked = FrmCtrlOf(s, dev).Check12.Value() == 1;
    s.DevParam[dev].FrontPanelLock() = locked ? 1.0 : 0.0;
    ModRxTx::TxCommand(s, dev, CmdFrontPanelLock, 0, 0, 0, 0, 0, 0, 0, locked ? 1 : 0);
}

void SendInputFilter(State& s, int16_t input) {
    if (!ValidInput(input)) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    const auto step = static_cast<int16_t>(std::clamp<int32_t>(f.UpDown6(input).Value(), 0, 30));
    s.InFilterFreqIdx[dev][input] = step;
    f.Text14(input).SetText(std::to_string(model::FreqTab31[step]));
    const auto type = static_cast<int16_t>(std::clamp<int16_t>(f.Combo9(input).ListIndex(), 0, 2));
    s.InFilterType[dev][input] = type;
    const auto byte = static_cast<uint8_t>(type * 64 + step);
    ImageByte(s, model::InFilterAddr[input]) = byte;
    f.Text14(input).SetEnabled(type != 0);
    f.UpDown6(input).SetEnabled(type != 0);
    ModRxTx::TxCommand(s, dev, CmdInputFilter, static_cast<uint8_t>(input), 0, 0, 0, 0, 0, 0, byte);
}

void SendPhantomPower(State& s) {
    const int16_t dev = s.CurDev;
    const auto on = static_cast<uint8_t>(FrmCtrlOf(s, dev).Check6.Value() == 1 ? 1 : 0);
    ImageByte(s, model::PhantomAddr) = on;
    s.PhantomOn[dev] = on;
    ModRxTx::TxCommand(s, dev, CmdPhantomPower, 0, 0, 0, 0, 0, 0, 0, on);
}

void SendFeedbackDevFreq(State& s) {
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    const auto step = static_cast<uint8_t>(std::clamp<int32_t>(f.Slider7.Value(), 0, 12));
    f.Text6.SetText(sys::NumText(2 + 0.5 * step, s.DecimalComma != 0));
    ImageByte(s, model::FeedbackFreqAddr) = step;
    ModRxTx::TxCommand(s, dev, CmdFeedbackFreq, 0, 0, 0, 0, 0, 0, 0, step);
}

void SendFeedbackMode(State& s, int16_t input) {
    if (!ValidInput(input)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    s.DevParam[s.CurDev].InFeedbackOn()[input] = ListFlag(f.Combo4(input));
    const bool bracket = !s.ApplyingFeedback;
    if (bracket && SendBulkUpdate(s, 0)) return;
    if (SendFeedbackBits(s, input)) return;
    if (bracket && SendBulkUpdate(s, 1)) return;
    ProcessingLabel(f, input).SetToolTipText(f.Combo4(input).Text());
}

void SendInputProcType(State& s, int16_t input) {
    if (!ValidInput(input)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    auto& par = s.DevParam[s.CurDev];
    par.InProcType()[input] = ListFlag(f.Combo1(input));
    if (SendProcTypeBits(s, input)) return;
    if (par.InProcType()[input] == 0) {
        ShowFeedbackPanel(f, input);
        par.InFeedbackOn()[input] = ListFlag(f.Combo4(input));
    } else {
        ShowEqualiserPanel(f, input);
        par.InFeedbackOn()[input] = 0.0;
    }
    SendFeedbackBits(s, input);
}

void SendMicLine(State& s, int16_t input) {
    if (!ValidInput(input)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const bool bracket = s.LoadStateWord == 0;
    if (bracket && SendBulkUpdate(s, 0)) return;
    auto& par = s.DevParam[s.CurDev];
    par.InSource()[input] = ListFlag(f.Combo5(input));
    if (SendInputBits(s, CmdInputSource, model::InSourceAddr, par.InSource(), input)) return;
    EnableCheckStereoMode(s, static_cast<int16_t>(input / 2));
    SetColorCheckLink(s, input);
    const bool done =
        par.InSource()[input] != 1.0 ? ApplyMicSource(s, f, input) : ApplyLineSource(s, f, input);
    if (done && bracket) SendBulkUpdate(s, 1);
}

void SendInputBalanced(State& s, int16_t input) {
    if (!ValidInput(input)) return;
    auto& par = s.DevParam[s.CurDev];
    par.InBalanced()[input] = FrmCtrlOf(s, s.CurDev).Check4(input).Value() == 1 ? 1.0 : 0.0;
    if (SendInputBits(s, CmdInputBalanced, model::BalancedAddr, par.InBalanced(), input)) return;
    if (!s.ApplyingBalanced) SendChannelBlock(s, input);
}

void SendNoiseGateEnable(State& s, int16_t input) {
    if (!ValidInput(input)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    auto& enable = s.DevParam[s.CurDev].GateEnable;
    enable[input] = static_cast<int16_t>(f.Check5(input).Value() == 1 ? 1 : 0);
    ImageByte(s, model::NgEnableAddr) = PackBits([&](int k) { return enable[k]; });
    f.Label100(static_cast<int16_t>(input + 20))
        .SetToolTipText(enable[input] != 0 ? "Enabled" : "Disabled");
    SendNoiseGateFrame(s, input);
}

bool SendNoiseGateFrame(State& s, int16_t input) {
    const auto& img = s.DevImage[s.CurDev].ProgImage;
    const int a = model::NgAddr[input];
    return ModRxTx::TxCommand(s, s.CurDev, CmdNoiseGate, static_cast<uint8_t>(input), 0, 0, 0,
                              img[model::NgEnableAddr], img[a], img[a + 1], img[a + 2]);
}

}  // namespace ModFun
