#include "editor/senders/StereoPairs.h"

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelCopy.h"
#include "editor/senders/ChannelNames.h"
#include "editor/senders/InputSenders.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModFun {

namespace {

bool ValidPair(int16_t pair) {
    return pair >= 0 && pair < 4;
}

}  // namespace

void SendStereoMode(State& s, int16_t pair) {
    if (!ValidPair(pair)) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    int bits = 0;
    for (int16_t p = 0; p < 4; ++p) {
        if (f.Check11(p).Value() == 1) bits |= 1 << p;
    }
    s.DevImage[dev].ProgImage[model::StereoModeAddr] = static_cast<uint8_t>(bits);
    if (WriteStereoByte(s)) return;
    const bool stereo = f.Check11(pair).Value() == 1;
    s.InPairLink[dev][pair] = stereo;
    const auto first = static_cast<int16_t>(2 * pair);
    if (stereo) {
        CopyInputChannel(s, first, static_cast<int16_t>(first + 1));
        if (f.Finished()) return;
        CopyStereoPairBalanced(s, first);
        if (f.Finished()) return;
        SendPairNames(s, pair);
        if (f.Finished()) return;
    }
    LoadStereoPairControls(s, pair);
}

bool WriteStereoByte(State& s) {
    model::SplitValueBytes(s, model::StereoModeAddr + model::WorkingProgramAddr, 0);
    return ModRxTx::TxCommand(s, s.CurDev, CmdWriteByte, s.ValBytes[2], s.ValBytes[3], 0, 0,
                              s.DevImage[s.CurDev].ProgImage[model::StereoModeAddr]);
}

void LoadStereoPairControls(State& s, int16_t pair) {
    if (!ValidPair(pair)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const bool free = !s.InPairLink[s.CurDev][pair];
    f.Combo5(static_cast<int16_t>(2 * pair)).SetEnabled(free);
    f.Combo5(static_cast<int16_t>(2 * pair + 1)).SetEnabled(free);
}

void CopyStereoPairBalanced(State& s, int16_t first) {
    if (first < 0 || first > 6) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const auto second = static_cast<int16_t>(first + 1);
    s.UiUpdating = true;
    f.Check4(second).SetValue(f.Check4(first).Value());
    s.UiUpdating = false;
    SendInputBalanced(s, second);
}

}  // namespace ModFun
