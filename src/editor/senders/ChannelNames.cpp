#include "editor/senders/ChannelNames.h"

#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModFun {

namespace {

constexpr ui::Color kGreen = 0x00FF00;
constexpr ui::Color kYellow = 0x00FFFF;

std::string WithoutTrailingBlanks(const std::string& name) {
    const auto end = name.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : name.substr(0, end + 1);
}

std::string Trimmed(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : WithoutTrailingBlanks(name.substr(first));
}

// Writes count image bytes of CurDev from image address a on into the device: four with one
// frame, one with another. True when the transaction failed.
bool WriteNameBytes(State& s, int a, int count) {
    const auto& img = s.DevImage[s.CurDev].ProgImage;
    model::SplitValueBytes(s, a + model::WorkingProgramAddr, 0);
    const uint8_t hi = s.ValBytes[2];
    const uint8_t lo = s.ValBytes[3];
    if (count == 4) {
        return ModRxTx::TxCommand(s, s.CurDev, CmdWriteMem4, hi, lo, img[a], img[a + 1], img[a + 2],
                                  img[a + 3]);
    }
    return ModRxTx::TxCommand(s, s.CurDev, CmdWriteByte, hi, lo, 0, 0, img[a]);
}

// Channel ch's name padded, written into the device in three frames and shown in every
// caption that carries it; false when a frame failed (the captions are then left alone).
bool SendName(State& s, int16_t ch, bool colourLinkBox) {
    const int16_t dev = s.CurDev;
    PadName(s, s.ChName[dev][ch], ch);
    const int a = model::ChNameAddr[ch];
    if (WriteNameBytes(s, a, 4) || WriteNameBytes(s, a + 4, 1) || WriteNameBytes(s, a + 5, 1)) {
        return false;
    }
    const std::string t = Trimmed(s.ChName[dev][ch]);
    FrmCtrl& f = FrmCtrlOf(s, dev);
    if (ch < 8) {
        f.Frame17(ch).SetCaption(t);
        f.Label130(ch).SetCaption(t);
        f.Label300(static_cast<int16_t>(ch + 24)).SetCaption(t);
        if (colourLinkBox) SetColorCheckLink(s, ch);
    } else {
        f.Option2(static_cast<int16_t>(ch - 8)).SetCaption(t);
        f.Label300(static_cast<int16_t>(ch + 8)).SetCaption(t);
        f.SSTab1.SetTabCaption(static_cast<int16_t>(ch - 7), t);
        f.Check13(ch).SetBackColor(kGreen);
    }
    f.Check13(ch).SetCaption(t);
    f.Label13(ch).SetCaption(t);
    return true;
}

}  // namespace

void SetNameSuffixLR(State& s, int16_t p) {
    if (p < 0 || p > 3) return;
    const int16_t dev = s.CurDev;
    if (!s.InPairLink[dev][p]) return;
    const std::string left = WithoutTrailingBlanks(s.ChName[dev][2 * p]);
    std::string base;
    std::string leftName;
    if (left.size() >= 2 && left.ends_with("-L")) {
        base = left.substr(0, left.size() - 2);
        leftName = left;
    } else {
        base = left.size() < 5 ? left : left.substr(0, left.size() - 2);
        leftName = base + "-L";
    }
    s.ChName[dev][2 * p] = leftName;
    s.ChName[dev][2 * p + 1] = base + "-R";
}

void PadName(State& s, std::string& name, int16_t ch) {
    if (ch < 0 || ch > 15) return;
    name.resize(kNameLength, ' ');
    auto& img = s.DevImage[s.CurDev].ProgImage;
    for (size_t k = 0; k < kNameLength; ++k) {
        img[model::ChNameAddr[ch] + k] = static_cast<uint8_t>(name[k]);
    }
}

void SendPairNames(State& s, int16_t p) {
    if (p < 0 || p > 3) return;
    SetNameSuffixLR(s, p);
    if (SendName(s, static_cast<int16_t>(2 * p), false)) {
        SendName(s, static_cast<int16_t>(2 * p + 1), false);
    }
}

void SendChannelNames(State& s) {
    for (int16_t p = 0; p < 4; ++p) SetNameSuffixLR(s, p);
    for (int16_t ch = 0; ch < 16; ++ch) {
        if (!SendName(s, ch, true)) return;
    }
}

void SetColorCheckLink(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    const uint8_t source = s.DevImage[s.CurDev].ProgImage[model::InSourceAddr];
    FrmCtrlOf(s, s.CurDev).Check13(i).SetBackColor((source >> i & 1) != 0 ? kGreen : kYellow);
}

}  // namespace ModFun
