// The dialog's life and its edits: load from the editor window's sliders, slider moves,
// typed values, the two bypass buttons and closing.
#include "processing/FrmLimiter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/State.h"
#include "editor/EditorCalls.h"
#include "editor/FrmCtrl.h"
#include "editor/TypedKeys.h"
#include "link/DynamicsSenders.h"
#include "model/Snapping.h"
#include "model/Tables.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

constexpr const char* kIncorrectValue = "  Incorrect value";
constexpr double kBypassed = 20.0;

// The threshold of slider position v in dBu, exact to the tenth.
double ThresholdOf(int32_t v) {
    return ((240 - v) * 2 - 300) / 10.0;
}

}  // namespace

FrmLimiter::FrmLimiter(State& s) : ui::Form(s.host, "FrmLimiter"), s_(s) {
    LayOut();
    WireEvents();
}

void FrmLimiter::WireEvents() {
    const std::pair<Param, ui::Slider*> sliders[] = {
        {Param::LimThr, &Slider4},      {Param::LimAttack, &Slider5},
        {Param::LimRelease, &Slider6},  {Param::CmpThr, &Slider400},
        {Param::CmpRatio, &Slider401},  {Param::CmpKnee, &Slider402},
        {Param::CmpAttack, &Slider403}, {Param::CmpRelease, &Slider404}};
    for (const auto& [p, slider] : sliders) {
        slider->On().Scroll = [this, p](int16_t) { SliderScroll(p); };
        PartsOf(p).box.On().KeyPress = [this, p](int16_t, int16_t& key) { KeyPress(p, key); };
    }
    Command7.On().Click = [this](int16_t) { Command7_Click(); };
    Command5.On().Click = [this](int16_t) { Command5_Click(); };
    Timer1.On().Timer = [this](int16_t) { Timer1_Timer(); };
}

FrmLimiter::Parts FrmLimiter::PartsOf(Param p) {
    switch (p) {
        case Param::LimThr:
            return {Slider4, Text9, true};
        case Param::LimAttack:
            return {Slider5, Text10, true};
        case Param::LimRelease:
            return {Slider6, Text11, true};
        case Param::CmpThr:
            return {Slider400, Text400, false};
        case Param::CmpRatio:
            return {Slider401, Text401, false};
        case Param::CmpKnee:
            return {Slider402, Text402, false};
        case Param::CmpAttack:
            return {Slider403, Text403, false};
        case Param::CmpRelease:
            break;
    }
    return {Slider404, Text404, false};
}

ui::Slider& FrmLimiter::EditorSlider(Param p) {
    FrmCtrl& f = FrmCtrlOf(s_, s_.CurDev);
    const int16_t o = s_.LimOutCh;
    switch (p) {
        case Param::LimThr:
            return f.Slider4(o);
        case Param::LimAttack:
            return f.Slider5(o);
        case Param::LimRelease:
            return f.Slider6(o);
        case Param::CmpThr:
            return f.Slider400(o);
        case Param::CmpRatio:
            return f.Slider401(o);
        case Param::CmpKnee:
            return f.Slider402(o);
        case Param::CmpAttack:
            return f.Slider403(o);
        case Param::CmpRelease:
            break;
    }
    return f.Slider404(o);
}

void FrmLimiter::ShowValue(Param p) {
    const Parts parts = PartsOf(p);
    const int32_t v = parts.slider.Value();
    const bool comma = s_.DecimalComma != 0;
    std::string text;
    switch (p) {
        case Param::LimThr:
        case Param::CmpThr:
            text = ModFun::ThresholdText(v, comma);
            break;
        case Param::LimAttack:
        case Param::CmpAttack:
            text = ModFun::AttackTextAt(v, comma);
            break;
        case Param::LimRelease:
        case Param::CmpRelease:
            text = ModFun::ReleaseTextAt(v);
            break;
        case Param::CmpRatio:
            text = ModFun::RatioTextAt(v);
            break;
        case Param::CmpKnee:
            text = ModFun::KneeText(v);
            break;
    }
    parts.box.SetText(text);
    if (p == Param::LimThr) ShowReadout();
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

void FrmLimiter::RedrawGroup(Param p) {
    if (!PartsOf(p).limiter) {
        RedrawCompressor();
    } else if (p == Param::LimThr) {
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

    for (Param p : {Param::LimThr, Param::LimAttack, Param::LimRelease}) {
        PartsOf(p).slider.SetValue(EditorSlider(p).Value());
        ShowValue(p);
    }
    LimBypTmp = s_.LimByp[dev][o] != 0 ? 1 : 0;
    ConfigButtonLimBypTmp();
    RedrawLimiter(LimiterThreshold());
    CmpBypTmp = s_.CompByp[dev][o] != 0 ? 1 : 0;
    ConfigButtonCmpBypTmp();
    for (Param p :
         {Param::CmpThr, Param::CmpRatio, Param::CmpKnee, Param::CmpAttack, Param::CmpRelease}) {
        PartsOf(p).slider.SetValue(EditorSlider(p).Value());
        ShowValue(p);
    }
    RedrawCompressor();
    SetCaption("RMS Compressor & Peak Limiter - Output " + std::to_string(o + 1));
    Timer1.SetInterval(300);
    Timer1.SetTimerEnabled(true);
}

void FrmLimiter::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (!s_.OpDone) {
        s_.host.MsgBox("Please wait the last requested operation to be accomplished",
                       ui::vbOKOnly + ui::vbExclamation, "Close window");
        cancel = -1;
        return;
    }
    Timer1.SetInterval(11100);
    Timer1.SetTimerEnabled(false);
    s_.OpDone = true;
}

void FrmLimiter::Tx(Param p) {
    if (s_.UiUpdating) return;
    const bool limiter = PartsOf(p).limiter;
    s_.OpDone = false;
    switch (p) {
        case Param::LimThr:
            ModFun::SendLimThr(s_, s_.LimOutCh);
            break;
        case Param::LimAttack:
            ModFun::SendLimAttack(s_, s_.LimOutCh);
            break;
        case Param::LimRelease:
            ModFun::SendLimRelease(s_, s_.LimOutCh);
            break;
        case Param::CmpThr:
            ModFun::SendCmpThr(s_, s_.LimOutCh);
            break;
        case Param::CmpRatio:
            ModFun::SendCmpRatio(s_, s_.LimOutCh);
            break;
        case Param::CmpKnee:
            ModFun::SendCmpKnee(s_, s_.LimOutCh);
            break;
        case Param::CmpAttack:
            ModFun::SendCmpAttack(s_, s_.LimOutCh);
            break;
        case Param::CmpRelease:
            ModFun::SendCmpRelease(s_, s_.LimOutCh);
            break;
    }
    if (!s_.TxFailed) {
        s_.OpDone = false;
        (limiter ? ModLink::LinkLimiter : ModLink::LinkCompressor)(s_, s_.LimOutCh);
    }
    s_.OpDone = true;
}

void FrmLimiter::SliderScroll(Param p) {
    ShowValue(p);
    if (!PartsOf(p).limiter) s_.OpDone = false;
    RedrawGroup(p);
    s_.OpDone = false;
    EditorSlider(p).SetValue(PartsOf(p).slider.Value());
    Tx(p);
    s_.OpDone = true;
}

void FrmLimiter::KeyPress(Param p, int16_t& key) {
    if (s_.UiUpdating) return;
    const bool ratio = p == Param::CmpRatio;
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
    if (!ApplyEntry(p)) {
        s_.host.MsgBox(kIncorrectValue, ui::vbOKOnly, "Warning");
        if (ratio) {
            s_.UiUpdating = false;
        } else {
            key = '?';
        }
        return;
    }
    ShowValue(p);
    RedrawGroup(p);
    EditorSlider(p).SetValue(PartsOf(p).slider.Value());
    Tx(p);
}

bool FrmLimiter::ApplyEntry(Param p) {
    const Parts parts = PartsOf(p);
    const bool comma = s_.DecimalComma != 0;
    std::string text = parts.box.Text();
    if (p == Param::CmpRatio) text = text.substr(0, text.find(':'));
    double x = 0;
    if (!sys::ParseNumber(text, comma, x)) return false;
    switch (p) {
        case Param::LimThr:
        case Param::CmpThr:
            parts.slider.SetValue(
                sys::CInt(90 - 5 * model::SnapThrDbu(std::clamp(x, -30.0, 18.0))));
            break;
        case Param::CmpKnee:
            parts.slider.SetValue(100 - sys::CInt(std::clamp(x, 0.0, 100.0)));
            break;
        case Param::LimAttack:
        case Param::CmpAttack:
            parts.slider.SetValue(29 - model::SnapAttack(s_, x));
            break;
        case Param::LimRelease:
        case Param::CmpRelease:
            parts.slider.SetValue(29 - model::SnapRelease(s_, x));
            break;
        case Param::CmpRatio: {
            const double index = x > 32 ? 31 : x < 1 ? 0 : x - 1;
            parts.slider.SetValue(sys::CInt(31 - index));
            break;
        }
    }
    return true;
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
