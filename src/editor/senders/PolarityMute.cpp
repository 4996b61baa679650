#include "editor/senders/PolarityMute.h"

#include <array>
#include <span>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "model/AddressTables.h"
#include "state/State.h"

namespace ModFun {

namespace {

// Stores the flag of channel c from its check box and rebuilds the group's bit byte at
// addr[group]; flags is the record's array of the sixteen flags.
void StoreFlag(State& s, std::span<double, 16> flags, const std::array<int16_t, 2>& addr, int16_t c,
               int16_t boxValue) {
    flags[c] = boxValue != 0 ? 1.0 : 0.0;
    const int g = c / 8;
    s.DevImage[s.CurDev].ProgImage[addr[g]] = PackBits([&](int k) { return flags[8 * g + k]; });
}

}  // namespace

const char* PolarityCaption(double flag) {
    return flag != 0 ? "180'" : "0'";
}

void SendPolarity(State& s, int16_t c) {
    if (c < 0 || c > 15) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    auto flags = s.DevParam[s.CurDev].PolarityFlag();
    StoreFlag(s, flags, model::PolarityAddr, c, f.Check2(c).Value());
    if (SendChannelBlock(s, c)) return;
    if (c > 7) f.Label100(static_cast<int16_t>(252 + c)).SetCaption(PolarityCaption(flags[c]));
}

void SendMute(State& s, int16_t c) {
    if (c < 0 || c > 15) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    auto flags = s.DevParam[s.CurDev].MuteFlag();
    StoreFlag(s, flags, model::MuteAddr, c, f.Check1(c).Value());
    if (SendChannelBlock(s, c)) return;
    f.Line6(c).SetVisible(flags[c] != 0);
    f.Line7(c).SetVisible(flags[c] != 0);
}

}  // namespace ModFun
