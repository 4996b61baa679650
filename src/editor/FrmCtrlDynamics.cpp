// The compressor and limiter frames of each output tab: sliders, typed values with their
// snapping, and the two bypass buttons.
#include <algorithm>
#include <string>

#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "link/DynamicsSenders.h"
#include "model/Snapping.h"
#include "sys/Numeric.h"

namespace {

constexpr editor::KeyRules kNumberKeys{
    .minus = true, .plus = true, .decimals = true, .clipboard = true};

}  // namespace

void FrmCtrl::WireDelayAndDynamics() {
    UpDown2.On().Change = [this](int16_t o) { UpDown2_Change(o); };
    UpDown1.On().Change = [this](int16_t o) { UpDown1_Change(o); };
    Text2.On().KeyPress = [this](int16_t o, int16_t& key) { Text2_KeyPress(o, key); };
    Command8.On().Click = [this](int16_t o) { Command8_Click(o); };
    Option1.On().Click = [this](int16_t u) { Option1_Click(u); };

    Command5.On().Click = [this](int16_t o) { Command5_Click(o); };
    Command7.On().Click = [this](int16_t o) { Command7_Click(o); };
    Slider400.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendCmpThr, false); };
    Slider401.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendCmpRatio, false); };
    Slider402.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendCmpKnee, false); };
    Slider403.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendCmpAttack, false); };
    Slider404.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendCmpRelease, false); };
    Slider4.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendLimThr, true); };
    Slider5.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendLimAttack, true); };
    Slider6.On().Scroll = [this](int16_t o) { DynamicsScroll(o, ModFun::SendLimRelease, true); };

    Text400.On().KeyPress = [this](int16_t o, int16_t& key) { ThresholdKeyPress(o, key, false); };
    Text9.On().KeyPress = [this](int16_t o, int16_t& key) { ThresholdKeyPress(o, key, true); };
    Text401.On().KeyPress = [this](int16_t o, int16_t& key) { Text401_KeyPress(o, key); };
    Text402.On().KeyPress = [this](int16_t o, int16_t& key) { Text402_KeyPress(o, key); };
    Text403.On().KeyPress = [this](int16_t o, int16_t& key) {
        TimeKeyPress(o, key, Text403(o), Slider403(o), false, ModFun::SendCmpAttack, false);
    };
    Text404.On().KeyPress = [this](int16_t o, int16_t& key) {
        TimeKeyPress(o, key, Text404(o), Slider404(o), true, ModFun::SendCmpRelease, false);
    };
    Text10.On().KeyPress = [this](int16_t o, int16_t& key) {
        TimeKeyPress(o, key, Text10(o), Slider5(o), false, ModFun::SendLimAttack, true);
    };
    Text11.On().KeyPress = [this](int16_t o, int16_t& key) {
        TimeKeyPress(o, key, Text11(o), Slider6(o), true, ModFun::SendLimRelease, true);
    };
}

void FrmCtrl::DynamicsFollowUp(int16_t o, bool limiter) {
    if (s_.TxFailed) return;
    if (limiter) {
        ModLink::LinkLimiter(s_, o);
    } else {
        ModLink::LinkCompressor(s_, o);
    }
}

void FrmCtrl::Command5_Click(int16_t o) {
    RunChange([&] { ModFun::SendCmpByp(s_, o); }, [&] { DynamicsFollowUp(o, false); });
}

void FrmCtrl::Command7_Click(int16_t o) {
    RunChange([&] { ModFun::SendLimByp(s_, o); }, [&] { DynamicsFollowUp(o, true); });
}

void FrmCtrl::DynamicsScroll(int16_t o, void (*send)(State&, int16_t), bool limiter) {
    RunChange([&] { send(s_, o); }, [&] { DynamicsFollowUp(o, limiter); });
}

void FrmCtrl::ThresholdKeyPress(int16_t o, int16_t& key, bool limiter) {
    if (s_.UiUpdating || !KeyConfirms(key, kNumberKeys)) return;
    BeginEntry();
    ui::TextBox& box = limiter ? Text9(o) : Text400(o);
    double value = 0;
    if (!ReadNumber(box, value)) {
        RejectEntry(key);
        return;
    }
    value = model::SnapThrDbu(std::clamp(value, -30.0, 18.0));
    box.SetText(sys::NumText(value, s_.DecimalComma != 0));
    (limiter ? Slider4(o) : Slider400(o)).SetValue(sys::CInt(90 - 5 * value));
    (limiter ? ModFun::SendLimThr : ModFun::SendCmpThr)(s_, o);
    DynamicsFollowUp(o, limiter);
    EndEntry();
}

void FrmCtrl::Text401_KeyPress(int16_t o, int16_t& key) {
    if (s_.UiUpdating) return;
    const int16_t typed = key;
    // A refused key still enters the ratio box after the message.
    if (!KeyConfirms(key, {.minus = true, .plus = true})) {
        key = typed;
        return;
    }
    BeginEntry();
    const std::string& text = Text401(o).Text();
    double ratio = 0;
    if (!sys::ParseNumber(text.substr(0, text.find(':')), s_.DecimalComma != 0, ratio)) {
        RejectEntry(key);
        return;
    }
    const int32_t position = ratio > 32 ? 0 : ratio < 1 ? 31 : sys::CInt(32 - ratio);
    Slider401(o).SetValue(position);
    ModFun::SendCmpRatio(s_, o);
    DynamicsFollowUp(o, false);
    EndEntry();
}

void FrmCtrl::Text402_KeyPress(int16_t o, int16_t& key) {
    if (s_.UiUpdating || !KeyConfirms(key, {.minus = true, .plus = true, .clipboard = true})) {
        return;
    }
    BeginEntry();
    double knee = 0;
    if (!ReadNumber(Text402(o), knee)) {
        RejectEntry(key);
        return;
    }
    knee = std::clamp(knee, 0.0, 100.0);
    Slider402(o).SetValue(100 - sys::CInt(knee));
    ModFun::SendCmpKnee(s_, o);
    DynamicsFollowUp(o, false);
    EndEntry();
}

void FrmCtrl::TimeKeyPress(int16_t o, int16_t& key, ui::TextBox& box, ui::Slider& slider,
                           bool release, void (*send)(State&, int16_t), bool limiter) {
    if (s_.UiUpdating || !KeyConfirms(key, kNumberKeys)) return;
    BeginEntry();
    double value = 0;
    if (!ReadNumber(box, value)) {
        RejectEntry(key);
        return;
    }
    const int16_t i = release ? model::SnapRelease(s_, value) : model::SnapAttack(s_, value);
    slider.SetValue(29 - i);
    send(s_, o);
    DynamicsFollowUp(o, limiter);
    EndEntry();
}
