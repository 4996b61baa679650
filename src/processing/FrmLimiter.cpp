// The dialog's life and its edits: load from the editor window's sliders, slider moves,
// typed values, the two bypass buttons and closing.
#include "processing/FrmLimiter.h"

#include <cmath>
#include <string>

#include "editor/EditorDialogs.h"
#include "editor/FrmCtrl.h"
#include "editor/TypedKeys.h"
#include "editor/senders/DynamicsSenders.h"
#include "editor/senders/ModLink.h"
#include "processing/DialogClose.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

constexpr const char* kIncorrectValue = "  Incorrect value";
constexpr double kBypassed = 20.0;

using ModFun::Dyn;

// The threshold of slider position v in dBu, exact to the tenth.
double ThresholdOf(int32_t v) {
    return ((240 - v) * 2 - 300) / 10.0;
}

// The dialog's slider and box of each value, in the order of Dyn.
struct DialogParts {
    ui::Slider FrmLimiter::*slider;
    ui::TextBox FrmLimiter::*box;
};
constexpr DialogParts kParts[8] = {
    {&FrmLimiter::Slider400, &FrmLimiter::Text400}, {&FrmLimiter::Slider401, &FrmLimiter::Text401},
    {&FrmLimiter::Slider402, &FrmLimiter::Text402}, {&FrmLimiter::Slider403, &FrmLimiter::Text403},
    {&FrmLimiter::Slider404, &FrmLimiter::Text404}, {&FrmLimiter::Slider4, &FrmLimiter::Text9},
    {&FrmLimiter::Slider5, &FrmLimiter::Text10},    {&FrmLimiter::Slider6, &FrmLimiter::Text11}};

}  // namespace

FrmLimiter::FrmLimiter(State& s) : ui::Form(s.host, "FrmLimiter"), s_(s) {
    LayOut();
    WireEvents();
}

void FrmLimiter::WireEvents() {
    for (Dyn p : ModFun::CompressorValues) {
        SliderOf(p).On().Scroll = [this, p](int16_t) { SliderScroll(p); };
        BoxOf(p).On().KeyPress = [this, p](int16_t, int16_t& key) { KeyPress(p, key); };
    }
    for (Dyn p : ModFun::LimiterValues) {
        SliderOf(p).On().Scroll = [this, p](int16_t) { SliderScroll(p); };
        BoxOf(p).On().KeyPress = [this, p](int16_t, int16_t& key) { KeyPress(p, key); };
    }
    Command7.On().Click = [this](int16_t) { Command7_Click(); };
    Command5.On().Click = [this](int16_t) { Command5_Click(); };
    Timer1.On().Timer = [this](int16_t) { Timer1_Timer(); };
}

ui::Slider& FrmLimiter::SliderOf(Dyn p) {
    return this->*kParts[static_cast<size_t>(p)].slider;
}

ui::TextBox& FrmLimiter::BoxOf(Dyn p) {
    return this->*kParts[static_cast<size_t>(p)].box;
}

ui::Slider& FrmLimiter::EditorSlider(Dyn p) {
    return ModFun::DynamicsSliders(FrmCtrlOf(s_, s_.CurDev), p)(s_.LimOutCh);
}

void FrmLimiter::ShowValue(Dyn p) {
    BoxOf(p).SetText(ModFun::DynamicsText(p, SliderOf(p).Value(), s_.DecimalComma != 0));
    if (p == Dyn::LimThr) ShowReadout();
}

void FrmLimiter::ShowReadout() {
    const double t = ThresholdOf(Slider4.Value());
    const double volts = std::floor(std::pow(10.0, t / 20) * 1.09545 * 1000) / 1000;
    const bool comma = s_.DecimalComma != 0;
    Label4.SetCaption("Thr = " + sys::NumText(t, comma) + " dBu = " + sys::NumText(volts, comma) +
                      " Vp");
}

double FrmLimiter::LimiterThreshold() const {
    double t = 0;
    if (sys::ParseNumber(Text9.Text(), s_.DecimalComma != 0, t)) return t;
    return ThresholdOf(Slider4.Value());
}

void FrmLimiter::RedrawLimiter(double threshold) {
    double t = LimBypTmp != 0 ? kBypassed : threshold;
    LoadLineThr(t);
}

void FrmLimiter::RedrawCompressor() {
    double t = CmpBypTmp != 0 ? kBypassed : ThresholdOf(Slider400.Value());
    double ratio = 32 - Slider401.Value();
    double knee = 100 - Slider402.Value();
    LoadLineCmp(t, ratio, knee);
}

void FrmLimiter::RedrawGroup(Dyn p) {
    if (!ModFun::IsLimiter(p)) {
        RedrawCompressor();
    } else if (p == Dyn::LimThr) {
        RedrawLimiter(ThresholdOf(Slider4.Value()));
    } else {
        RedrawLimiter(LimiterThreshold());
    }
}

void FrmLimiter::Form_Load() {
    PicH = Picture1.Height();
    PicW = Picture1.Width();
    DbStepX = PicW / 80;
    DbStepY = PicH / 80;
    MidX = PicW / 2;
    MidY = PicH / 2;
    MeterPhase = 0;
    Picture1.Cls();
    PaintGrid(Picture1);
    const int16_t o = s_.LimOutCh;
    const int16_t dev = s_.CurDev;

    for (Dyn p : ModFun::LimiterValues) {
        SliderOf(p).SetValue(EditorSlider(p).Value());
        ShowValue(p);
    }
    LimBypTmp = s_.LimByp[dev][o] != 0 ? 1 : 0;
    ConfigButtonLimBypTmp();
    RedrawLimiter(LimiterThreshold());
    CmpBypTmp = s_.CompByp[dev][o] != 0 ? 1 : 0;
    ConfigButtonCmpBypTmp();
    for (Dyn p : ModFun::CompressorValues) {
        SliderOf(p).SetValue(EditorSlider(p).Value());
        ShowValue(p);
    }
    RedrawCompressor();
    SetCaption("RMS Compressor & Peak Limiter - Output " + std::to_string(o + 1));
    Timer1.SetInterval(300);
    Timer1.SetTimerEnabled(true);
}

void FrmLimiter::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (processing::RefuseCloseWhileBusy(s_)) {
        cancel = -1;
        return;
    }
    Timer1.SetInterval(11100);
    Timer1.SetTimerEnabled(false);
    s_.OpDone = true;
}

void FrmLimiter::Tx(Dyn p) {
    if (s_.UiUpdating) return;
    s_.OpDone = false;
    ModFun::SendDynamics(s_, p, s_.LimOutCh);
    if (!s_.TxFailed) {
        s_.OpDone = false;
        (ModFun::IsLimiter(p) ? ModLink::LinkLimiter : ModLink::LinkCompressor)(s_, s_.LimOutCh);
    }
    s_.OpDone = true;
}

void FrmLimiter::SliderScroll(Dyn p) {
    ShowValue(p);
    if (!ModFun::IsLimiter(p)) s_.OpDone = false;
    RedrawGroup(p);
    s_.OpDone = false;
    EditorSlider(p).SetValue(SliderOf(p).Value());
    Tx(p);
    s_.OpDone = true;
}

void FrmLimiter::KeyPress(Dyn p, int16_t& key) {
    if (s_.UiUpdating) return;
    const bool ratio = p == Dyn::CmpRatio;
    const editor::KeyRules rules{
        .minus = true, .plus = true, .decimals = !ratio, .clipboard = !ratio};
    switch (editor::FilterKey(key, rules, s_.DecimalComma != 0)) {
        case editor::KeyAction::Pass:
            return;
        case editor::KeyAction::Reject:
            key = 0;
            return;
        case editor::KeyAction::Confirm:
            break;
    }
    double x = 0;
    if (!sys::ParseNumber(ModFun::TypedNumberText(p, BoxOf(p).Text()), s_.DecimalComma != 0, x)) {
        s_.host.MsgBox(kIncorrectValue, ui::vbOKOnly, "Warning");
        if (ratio) {
            s_.UiUpdating = false;
        } else {
            key = '?';
        }
        return;
    }
    SliderOf(p).SetValue(ModFun::TypedPosition(s_, p, x));
    ShowValue(p);
    RedrawGroup(p);
    EditorSlider(p).SetValue(SliderOf(p).Value());
    Tx(p);
}

void FrmLimiter::ConfigButtonLimBypTmp() {
    Command7.SetBackColor(LimBypTmp != 0 ? ui::vbRed : ui::vbButtonFace);
}

void FrmLimiter::ConfigButtonCmpBypTmp() {
    Command5.SetBackColor(CmpBypTmp != 0 ? ui::vbRed : ui::vbButtonFace);
}

void FrmLimiter::Command7_Click() {
    LimBypTmp = LimBypTmp != 0 ? 0 : 1;
    RedrawLimiter(LimiterThreshold());
    s_.OpDone = false;
    ConfigButtonLimBypTmp();
    const int16_t o = s_.LimOutCh;
    s_.LimByp[s_.CurDev][o] = static_cast<int16_t>(1 - LimBypTmp);
    ModFun::SendLimByp(s_, o);
    if (!s_.TxFailed) {
        SetMousePointer(ui::vbArrowHourglass);
        s_.OpDone = false;
        ModLink::LinkLimiter(s_, o);
        if (!s_.TxFailed) SetMousePointer(ui::vbDefault);
    }
    s_.OpDone = true;
}

void FrmLimiter::Command5_Click() {
    CmpBypTmp = CmpBypTmp != 0 ? 0 : 1;
    RedrawCompressor();
    s_.OpDone = false;
    ConfigButtonCmpBypTmp();
    const int16_t o = s_.LimOutCh;
    s_.CompByp[s_.CurDev][o] = static_cast<int16_t>(1 - CmpBypTmp);
    ModFun::SendCmpByp(s_, o);
    // Like every other edit, a change the device did not take is not repeated.
    if (!s_.TxFailed) {
        SetMousePointer(ui::vbArrowHourglass);
        s_.OpDone = false;
        ModLink::LinkCompressor(s_, o);
        SetMousePointer(ui::vbDefault);
    }
    s_.OpDone = true;
}
