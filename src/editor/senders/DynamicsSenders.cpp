#include "editor/senders/DynamicsSenders.h"

#include <algorithm>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "model/AddressTables.h"
#include "model/Snapping.h"
#include "model/Tables.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

enum class Shown : uint8_t { Threshold, Ratio, Knee, Attack, Release };

struct Value {
    int32_t max;
    int offset;  // from the output's first compressor or limiter byte
    bool limiter;
    uint8_t subCode;
    Shown shown;
    ui::ControlArray<ui::Slider> FrmCtrl::*slider;
    ui::ControlArray<ui::TextBox> FrmCtrl::*box;
};

// In the order of Dyn.
constexpr Value kValues[8] = {
    {240, 0, false, 0, Shown::Threshold, &FrmCtrl::Slider400, &FrmCtrl::Text400},
    {31, 1, false, 0, Shown::Ratio, &FrmCtrl::Slider401, &FrmCtrl::Text401},
    {100, 2, false, 0, Shown::Knee, &FrmCtrl::Slider402, &FrmCtrl::Text402},
    {29, 3, false, 1, Shown::Attack, &FrmCtrl::Slider403, &FrmCtrl::Text403},
    {29, 4, false, 2, Shown::Release, &FrmCtrl::Slider404, &FrmCtrl::Text404},
    {240, 2, true, 0, Shown::Threshold, &FrmCtrl::Slider4, &FrmCtrl::Text9},
    {29, 1, true, 0, Shown::Attack, &FrmCtrl::Slider5, &FrmCtrl::Text10},
    {29, 0, true, 0, Shown::Release, &FrmCtrl::Slider6, &FrmCtrl::Text11},
};

const Value& Of(Dyn p) {
    return kValues[static_cast<size_t>(p)];
}

bool ValidOutput(int16_t k) {
    return k >= 0 && k < 8;
}

uint8_t& Img(State& s, int addr) {
    return s.DevImage[s.CurDev].ProgImage[addr];
}

void SendCompressorBlock(State& s, int16_t k, uint8_t subCode) {
    const int a = model::CompAddr[k];
    ModRxTx::TxCommand(s, s.CurDev, CmdOutCompressor, static_cast<uint8_t>(k + 8), subCode,
                       Img(s, model::CompBypAddr), Img(s, a), Img(s, a + 1), Img(s, a + 2),
                       Img(s, a + 3), Img(s, a + 4));
}

void SendLimiterBlock(State& s, int16_t k) {
    const int a = model::LimAddr[k];
    ModRxTx::TxCommand(s, s.CurDev, CmdOutLimiter, static_cast<uint8_t>(k + 8), 0, 0, 0,
                       Img(s, model::LimBypAddr), Img(s, a), Img(s, a + 1), Img(s, a + 2));
}

// Flips flag k and packs all eight into the bypass byte at addr.
void ToggleBypass(State& s, std::array<int16_t, 8>& flags, int16_t k, int addr) {
    flags[k] = flags[k] != 0 ? 0 : 1;
    Img(s, addr) = PackBits([&](int j) { return flags[j]; });
}

void ColourBypass(ui::CommandButton& button, int16_t flag) {
    button.SetBackColor(flag != 0 ? ui::vbRed : ui::vbButtonFace);
}

}  // namespace

bool IsLimiter(Dyn p) {
    return Of(p).limiter;
}

int32_t DynamicsMax(Dyn p) {
    return Of(p).max;
}

int DynamicsAddr(Dyn p, int16_t k) {
    return (Of(p).limiter ? model::LimAddr : model::CompAddr)[k] + Of(p).offset;
}

std::string DynamicsText(Dyn p, int32_t s, bool decimalComma) {
    const auto index = static_cast<size_t>(Of(p).max - s);
    switch (Of(p).shown) {
        case Shown::Threshold:
            return sys::NumText((static_cast<int32_t>(index) * 2 - 300) / 10.0, decimalComma);
        case Shown::Ratio:
            return std::string(model::RatioText[index]);
        case Shown::Knee:
            return std::to_string(index);
        case Shown::Attack:
            return std::string(model::AttackTextFor(decimalComma ? 1 : 0)[index]);
        case Shown::Release:
            break;
    }
    return std::string(model::ReleaseText[index]);
}

int32_t TypedPosition(const State& s, Dyn p, double x) {
    switch (Of(p).shown) {
        case Shown::Threshold:
            return sys::CInt(90 - 5 * model::SnapThrDbu(std::clamp(x, -30.0, 18.0)));
        case Shown::Ratio:
            return x > 32 ? 0 : x < 1 ? 31 : sys::CInt(32 - x);
        case Shown::Knee:
            return 100 - sys::CInt(std::clamp(x, 0.0, 100.0));
        case Shown::Attack:
            return 29 - model::SnapAttack(s, x);
        case Shown::Release:
            break;
    }
    return 29 - model::SnapRelease(s, x);
}

std::string TypedNumberText(Dyn p, const std::string& text) {
    return Of(p).shown == Shown::Ratio ? text.substr(0, text.find(':')) : text;
}

ui::ControlArray<ui::Slider>& DynamicsSliders(FrmCtrl& f, Dyn p) {
    return f.*Of(p).slider;
}

ui::ControlArray<ui::TextBox>& DynamicsBoxes(FrmCtrl& f, Dyn p) {
    return f.*Of(p).box;
}

void SendDynamics(State& s, Dyn p, int16_t k) {
    if (!ValidOutput(k)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const Value& value = Of(p);
    const int32_t position = DynamicsSliders(f, p)(k).Value();
    DynamicsBoxes(f, p)(k).SetText(DynamicsText(p, position, s.DecimalComma != 0));
    Img(s, DynamicsAddr(p, k)) = static_cast<uint8_t>(value.max - position);
    if (p == Dyn::CmpThr || p == Dyn::CmpRatio) {
        f.Label100(static_cast<int16_t>(k + 230))
            .SetToolTipText("Threshold=" + f.Text400(k).Text() +
                            "dBu - Ratio=" + f.Text401(k).Text());
    }
    if (p == Dyn::LimThr) {
        f.Label100(static_cast<int16_t>(k + 250)).SetToolTipText(f.Text9(k).Text() + " dBu");
    }
    if (value.limiter) {
        SendLimiterBlock(s, k);
    } else {
        SendCompressorBlock(s, k, value.subCode);
    }
}

void SendCmpThr(State& s, int16_t k) {
    SendDynamics(s, Dyn::CmpThr, k);
}

void SendCmpRatio(State& s, int16_t k) {
    SendDynamics(s, Dyn::CmpRatio, k);
}

void SendCmpKnee(State& s, int16_t k) {
    SendDynamics(s, Dyn::CmpKnee, k);
}

void SendCmpAttack(State& s, int16_t k) {
    SendDynamics(s, Dyn::CmpAttack, k);
}

void SendCmpRelease(State& s, int16_t k) {
    SendDynamics(s, Dyn::CmpRelease, k);
}

void SendLimThr(State& s, int16_t k) {
    SendDynamics(s, Dyn::LimThr, k);
}

void SendLimAttack(State& s, int16_t k) {
    SendDynamics(s, Dyn::LimAttack, k);
}

void SendLimRelease(State& s, int16_t k) {
    SendDynamics(s, Dyn::LimRelease, k);
}

void SendCmpByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    ToggleBypass(s, s.CompByp[s.CurDev], k, model::CompBypAddr);
    ConfigButtonCmpByp(s, k);
    SendCompressorBlock(s, k, 0);
}

void SendLimByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    ToggleBypass(s, s.LimByp[s.CurDev], k, model::LimBypAddr);
    ConfigButtonLimByp(s, k);
    SendLimiterBlock(s, k);
}

void ConfigButtonCmpByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    ColourBypass(FrmCtrlOf(s, s.CurDev).Command5(k), s.CompByp[s.CurDev][k]);
}

void ConfigButtonLimByp(State& s, int16_t k) {
    if (!ValidOutput(k)) return;
    ColourBypass(FrmCtrlOf(s, s.CurDev).Command7(k), s.LimByp[s.CurDev][k]);
}

}  // namespace ModFun
