#include "link/DynamicsSenders.h"

#include <array>

#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "link/ChannelBlock.h"
#include "link/Commands.h"
#include "link/ModRxTx.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

enum class SubCode : uint8_t { Other = 0, Attack = 1, Release = 2 };

bool ValidOutput(int16_t k) {
    return k >= 0 && k < 8;
}

uint8_t& Img(State& s, int addr) {
    return s.DevImage[s.CurDev].ProgImage[addr];
}

void SendCompressorBlock(State& s, int16_t k, SubCode sub) {
    const int a = model::CompAddr[k];
    ModRxTx::TxCommand(s, s.CurDev, CmdOutCompressor, static_cast<uint8_t>(k + 8),
                       static_cast<uint8_t>(sub), Img(s, model::CompBypAddr), Img(s, a),
                       Img(s, a + 1), Img(s, a + 2), Img(s, a + 3), Img(s, a + 4));
}

void SendLimiterBlock(State& s, int16_t k) {
    const int a = model::LimAddr[k];
    ModRxTx::TxCommand(s, s.CurDev, CmdOutLimiter, static_cast<uint8_t>(k + 8), 0, 0, 0,
                       Img(s, model::LimBypAddr), Img(s, a), Img(s, a + 1), Img(s, a + 2));
}

// A value sender shows text in its box and writes byte at addr.
void StoreValue(State& s, ui::TextBox& box, const std::string& text, int32_t byte, int addr) {
    box.SetText(text);
    Img(s, addr) = static_cast<uint8_t>(byte);
}

// The compressor summary on the overview, from both boxes as they stand.
void ShowCompressorSummary(FrmCtrl& f, int16_t k) {
    f.Label100(static_cast<int16_t>(k + 230))
        .SetToolTipText("Threshold=" + f.Text400(k).Text() + "dBu - Ratio=" + f.Text401(k).Text());
}

// Flips flag k and packs all eight into the bypass byte at addr.
void ToggleBypass(State& s, std::array<int16_t, 8>& flags, int16_t k, int addr) {
    flags[k] = flags[k] != 0 ? 0 : 1;
    Img(s, addr) = PackBits([&](int j) { return flags[j]; });
}

}  // namespace

std::string ThresholdText(int32_t s, bool decimalComma) {
    const int32_t tenths = (240 - s) * 2 - 300;
    return sys::NumText(tenths / 10.0, decimalComma);
}

std::string RatioTextAt(int32_t s) {
    return std::string(model::RatioText[static_cast<size_t>(31 - s)]);
}

std::string KneeText(int32_t s) {
    return std::to_string(100 - s);
}

std::string AttackTextAt(int32_t s, bool decimalComma) {
    return std::string(model::AttackTextFor(decimalComma ? 1 : 0)[static_cast<size_t>(29 - s)]);
}

std::string ReleaseTextAt(int32_t s) {
    return std::string(model::ReleaseText[static_cast<size_t>(29 - s)]);
}

void SendCmpThr(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider400(k).Value();
    StoreValue(s, f.Text400(k), ThresholdText(v, s.DecimalComma != 0), 240 - v, model::CompAddr[k]);
    ShowCompressorSummary(f, k);
    SendCompressorBlock(s, k, SubCode::Other);
}

void SendCmpRatio(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider401(k).Value();
    StoreValue(s, f.Text401(k), RatioTextAt(v), 31 - v, model::CompAddr[k] + 1);
    ShowCompressorSummary(f, k);
    SendCompressorBlock(s, k, SubCode::Other);
}

void SendCmpKnee(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider402(k).Value();
    StoreValue(s, f.Text402(k), KneeText(v), 100 - v, model::CompAddr[k] + 2);
    SendCompressorBlock(s, k, SubCode::Other);
}

void SendCmpAttack(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider403(k).Value();
    StoreValue(s, f.Text403(k), AttackTextAt(v, s.DecimalComma != 0), 29 - v,
               model::CompAddr[k] + 3);
    SendCompressorBlock(s, k, SubCode::Attack);
}

void SendCmpRelease(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider404(k).Value();
    StoreValue(s, f.Text404(k), ReleaseTextAt(v), 29 - v, model::CompAddr[k] + 4);
    SendCompressorBlock(s, k, SubCode::Release);
}

void SendCmpByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    ToggleBypass(s, s.CompByp[s.CurDev], k, model::CompBypAddr);
    ConfigButtonCmpByp(s, k);
    SendCompressorBlock(s, k, SubCode::Other);
}

void SendLimThr(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider4(k).Value();
    StoreValue(s, f.Text9(k), ThresholdText(v, s.DecimalComma != 0), 240 - v,
               model::LimAddr[k] + 2);
    f.Label100(static_cast<int16_t>(k + 250)).SetToolTipText(f.Text9(k).Text() + " dBu");
    SendLimiterBlock(s, k);
}

void SendLimAttack(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider5(k).Value();
    StoreValue(s, f.Text10(k), AttackTextAt(v, s.DecimalComma != 0), 29 - v, model::LimAddr[k] + 1);
    SendLimiterBlock(s, k);
}

void SendLimRelease(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const int32_t v = f.Slider6(k).Value();
    StoreValue(s, f.Text11(k), ReleaseTextAt(v), 29 - v, model::LimAddr[k]);
    SendLimiterBlock(s, k);
}

void SendLimByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    ToggleBypass(s, s.LimByp[s.CurDev], k, model::LimBypAddr);
    ConfigButtonLimByp(s, k);
    SendLimiterBlock(s, k);
}

void ConfigButtonCmpByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    const int16_t dev = s.CurDev;
    FrmCtrlOf(s, dev).Command5(k).SetBackColor(s.CompByp[dev][k] != 0 ? ui::vbRed
                                                                      : ui::vbButtonFace);
}

void ConfigButtonLimByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    const int16_t dev = s.CurDev;
    FrmCtrlOf(s, dev).Command7(k).SetBackColor(s.LimByp[dev][k] != 0 ? ui::vbRed
                                                                     : ui::vbButtonFace);
}

}  // namespace ModFun
