#include "editor/senders/LevelSenders.h"

#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "model/AddressTables.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

constexpr int kLevelTopIn = 1390;
constexpr int kLevelTopOut = 1450;
constexpr int kZeroDbWord = 1270;  // dB = (word - 1270) / 10

bool ValidChannel(int16_t c) {
    return c >= 0 && c < 16;
}

// Steps 1 to 4 of both level senders: show, record and store the slider's level; returns the
// level word.
int StoreLevel(State& s, FrmCtrl& f, int16_t c) {
    const int16_t dev = s.CurDev;
    const int v = LevelWord(c, f.Slider1(c).Value());
    // The same number as v / 10 - 127, without the residue that subtraction leaves.
    const double db = (v - kZeroDbWord) / 10.0;
    f.Text1(c).SetText(sys::NumText(db, s.DecimalComma != 0));
    s.DevParam[dev].ChLevelDb()[c] = db;
    model::SplitValueBytes(s, v, 0);
    auto& img = s.DevImage[dev].ProgImage;
    img[model::GainAddrHi[c]] = s.ValBytes[2];
    img[model::GainAddrLo[c]] = s.ValBytes[3];
    return v;
}

// The channel's label on the "Overview" tab carries its level as tool tip.
void ShowLevelOnOverview(FrmCtrl& f, int16_t c) {
    const auto label = static_cast<int16_t>(c < 8 ? c : 240 + c - 8);
    f.Label100(label).SetToolTipText(f.Text1(c).Text() + " dB");
}

}  // namespace

int LevelWord(int16_t c, int32_t position) {
    return (c < 8 ? kLevelTopIn : kLevelTopOut) - position;
}

int32_t LevelPosition(int16_t c, int32_t w) {
    return (c < 8 ? kLevelTopIn : kLevelTopOut) - w;
}

void SendGain(State& s, int16_t c) {
    if (!ValidChannel(c)) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    StoreLevel(s, f, c);
    const auto& img = s.DevImage[dev].ProgImage;
    if (ModRxTx::TxCommand(s, dev, CmdGain, static_cast<uint8_t>(c), 0, 0,
                           img[model::GainAddrLo[c]], 0, 0, 0, img[model::GainAddrHi[c]])) {
        return;
    }
    ShowLevelOnOverview(f, c);
}

void ApplyGain(State& s, int16_t c) {
    if (!ValidChannel(c)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    StoreLevel(s, f, c);
    if (SendChannelBlock(s, c)) return;
    ShowLevelOnOverview(f, c);
}

void SendGainByp(State& s, int16_t c) {
    if (!ValidChannel(c)) return;
    const int16_t dev = s.CurDev;
    auto& bypass = s.GainBypass[dev];
    bypass[c] = bypass[c] != 0 ? 0 : 1;
    const int first = c < 8 ? 0 : 8;
    s.DevImage[dev].ProgImage[c < 8 ? model::ChFlagAddrIn : model::ChFlagAddrOut] =
        PackBits([&](int k) { return bypass[first + k]; });
    if (SendChannelBlock(s, c)) return;
    ConfigButtonGainByp(s, c);
}

void ConfigButtonGainByp(State& s, int16_t c) {
    if (!ValidChannel(c)) return;
    const int16_t dev = s.CurDev;
    FrmCtrlOf(s, dev).Command90(c).SetBackColor(s.GainBypass[dev][c] != 0 ? ui::vbRed
                                                                          : ui::vbButtonFace);
}

void SendMasterLevel(State& s, int16_t index) {
    if (index != 0 && index != 1) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    const int32_t p = f.Slider100(index).Value();
    const double shown = index == 0 ? p : (p - kZeroDbWord) / 10.0;
    f.Text100(index).SetText(sys::NumText(shown, s.DecimalComma != 0));
    s.DevParam[dev].MasterLevel()[index] = shown;
    model::SplitValueBytes(s, p, 0);
    auto& img = s.DevImage[dev].ProgImage;
    const int16_t addr = model::MasterLevelAddr[index];
    img[addr] = s.ValBytes[2];
    img[addr + 1] = s.ValBytes[3];
    ModRxTx::TxCommand(s, dev, CmdMasterLevel, static_cast<uint8_t>(index * 8), 0, 0, 0, 0, 0,
                       img[addr], img[addr + 1]);
}

}  // namespace ModFun
