#include "editor/senders/MixerSenders.h"

#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModFun {

namespace {

uint8_t& ImageByte(State& s, int addr) {
    return s.DevImage[s.CurDev].ProgImage[addr];
}

// A frame whose data bytes are 0 but for d5, d6 and d7; true when the send failed.
bool SendTail(State& s, uint8_t cmd, uint8_t d5, uint8_t d6, uint8_t d7) {
    return ModRxTx::TxCommand(s, s.CurDev, cmd, 0, 0, 0, 0, 0, d5, d6, d7);
}

constexpr int kModePauseMs = 50;

}  // namespace

void SendAutoMixerActive(State& s) {
    const int16_t active = FrmCtrlOf(s, s.CurDev).Check7.Value();
    ImageByte(s, model::AmActiveAddr) = static_cast<uint8_t>(active);
    SendTail(s, CmdAutoMixerActive, 0, 0, ImageByte(s, model::AmActiveAddr));
}

void SendAutoMixerMode(State& s, int16_t mode) {
    ImageByte(s, model::AmModeAddr) = static_cast<uint8_t>(mode);
    if (!SendTail(s, CmdAutoMixerMode, 0, 0, ImageByte(s, model::AmModeAddr))) {
        s.host.Sleep(kModePauseMs);
    }
}

void SendAutoMixerByte(State& s) {
    const int a = model::AmByteAddr;
    SendTail(s, CmdAutoMixerByte, ImageByte(s, a + 2), ImageByte(s, a), ImageByte(s, a + 1));
}

uint8_t PriorityMaskOfBoxes(State& s) {
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    int mask = 0;
    for (int16_t i = 0; i < 8; ++i) {
        if (f.Check8(i).Value() == 1) mask |= 1 << i;
    }
    return static_cast<uint8_t>(mask);
}

ui::Color PriorityConfirmColor(State& s) {
    return PriorityMaskOfBoxes(s) != ImageByte(s, model::DuckPrioAddr) ? ui::vbRed
                                                                       : ui::vbButtonFace;
}

void SendPriorityMask(State& s) {
    ImageByte(s, model::DuckPrioAddr) = PriorityMaskOfBoxes(s);
    SendTail(s, CmdPriorityMask, 0, 0, ImageByte(s, model::DuckPrioAddr));
}

void SendDuckerParamA(State& s) {
    SendTail(s, CmdDuckerParamA, 0, 0, ImageByte(s, model::DuckAddrA));
}

void SendDuckerParamB(State& s) {
    const int a = model::DuckAddrB;
    SendTail(s, CmdDuckerParamB, 0, ImageByte(s, a), ImageByte(s, a + 1));
}

void SendDuckerParamC(State& s) {
    const int a = model::DuckAddrC;
    SendTail(s, CmdDuckerParamC, ImageByte(s, a + 2), ImageByte(s, a), 0);
}

}  // namespace ModFun
