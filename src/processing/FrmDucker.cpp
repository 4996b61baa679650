#include "processing/FrmDucker.h"

#include <array>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/PriorityInputs.h"
#include "editor/senders/MixerSenders.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "processing/DialogClose.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr int16_t kWakeUp = 4;  // the slider that drives nothing

struct Param {
    const char* label;
    int32_t max;  // slider 0..max; the image byte is max - position
    int16_t addr;
};
constexpr std::array<Param, 6> kParams = {{
    {"    Hold    Time [ms]", 99, model::DuckAddrA},
    {"Release Time [ms]", 47, model::DuckAddrB},
    {" Attack Time [ms]", 47, model::DuckAddrB + 1},
    {"Gating Thr [dB]", 44, model::DuckAddrC},
    {"Wake-up Thr [dB]", 50, -1},
    {"Attenuation Level [dB]", 80, model::DuckAddrC + 2},
}};

constexpr ui::Twips kColumn = 1860;
constexpr ui::Twips kClientWidth = 120 + 6 * kColumn + 120;

}  // namespace

FrmDucker::FrmDucker(State& s) : ui::Form(s.host, "FrmDucker"), s_(s) {
    LayOut();
    Check8.On().Click = [this](int16_t i) { Check8_Click(i); };
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
    Slider1.On().Scroll = [this](int16_t k) { Slider1_Scroll(k); };
}

void FrmDucker::LayOut() {
    SetCaption("Ducker edit parameters");
    SetSizable(false);
    SetClientSize(kClientWidth, 6000);
    FramePrio.SetCaption("Priority Input Channel");
    FramePrio.Move(120, 120, 6600, 1020);
    LabelPrio.SetContainer(&FramePrio);
    LabelPrio.SetCaption(
        " 1           2           3            4           5            6           7           8");
    LabelPrio.Move(150, 270, 5700, 210);
    // Each box under its number of the caption row (the gaps of the row are uneven).
    constexpr std::array<ui::Twips, 8> kBoxLeft = {120, 735, 1350, 2010, 2610, 3285, 3885, 4500};
    for (int16_t i = 0; i < 8; ++i) {
        ui::CheckBox& box = Check8.Load(i);
        box.SetContainer(&FramePrio);
        box.Move(kBoxLeft[i], 540, 255, 255);
    }
    Command1.SetContainer(&FramePrio);
    Command1.SetCaption("Confirm");
    Command1.Move(5160, 480, 1200, 360);

    FrameParam.Move(120, 1260, 6 * kColumn, 4620);
    for (int16_t k = 0; k < 6; ++k) {
        const ui::Twips x = 60 + kColumn * k;
        ui::Label& label = Label1.Load(k);
        label.SetContainer(&FrameParam);
        label.SetCaption(kParams[k].label);
        label.SetAlignment(2);
        label.Move(x, 240, kColumn - 120, 210);
        ui::TextBox& text = Text1.Load(k);
        text.SetContainer(&FrameParam);
        text.SetLocked(true);
        text.SetAlignment(2);
        text.Move(x + (kColumn - 120 - 840) / 2, 540, 840, 285);
        ui::Slider& slider = Slider1.Load(k);
        slider.SetContainer(&FrameParam);
        slider.SetRange(0, kParams[k].max);
        slider.SetChanges(1, 5);
        slider.SetOrientation(1);
        slider.SetTickFrequency(kParams[k].max > 50 ? 10 : 5);
        slider.Move(x + (kColumn - 120 - 390) / 2, 900, 390, 3600);
    }
    Text1(kWakeUp).SetText("0");
}

void FrmDucker::SetBusyPointers(bool busy) {
    const int16_t pointer = busy ? ui::vbArrowHourglass : ui::vbDefault;
    s_.host.SetMousePointer(pointer);
    SetMousePointer(pointer);
}

void FrmDucker::ColourConfirm() {
    const ui::Color colour = ModFun::PriorityConfirmColor(s_);
    Command1.SetBackColor(colour);
    FrmCtrlOf(s_, s_.CurDev).Command16.SetBackColor(colour);
}

void FrmDucker::ShowValue(int16_t k) {
    const int32_t v = Slider1(k).Value();
    std::string text;
    switch (k) {
        case 0:
            text = std::to_string((99 - v) * 10 + 10);
            break;
        case 1:
        case 2:
            text = std::to_string(model::DuckTimeTab[47 - v]);
            break;
        case 3:
        case 5:
            text = std::to_string(-v);
            break;
        default:
            return;
    }
    Text1(k).SetText(text);
}

void FrmDucker::Form_Load() {
    FrmCtrl& editor = FrmCtrlOf(s_, s_.CurDev);
    for (int16_t i = 0; i < 8; ++i) {
        s_.UiUpdating = true;
        Check8(i).SetValue(editor.Check8(i).Value());
        s_.UiUpdating = false;
    }
    Command1.SetBackColor(ModFun::PriorityConfirmColor(s_));
    const auto& img = s_.DevImage[s_.CurDev].ProgImage;
    for (int16_t k = 0; k < 6; ++k) {
        if (k == kWakeUp) continue;
        Slider1(k).SetValue(kParams[k].max - img[kParams[k].addr]);
        ShowValue(k);
    }
}

void FrmDucker::Check8_Click(int16_t index) {
    if (s_.UiUpdating) return;
    s_.OpDone = false;
    SetBusyPointers(true);
    if (editor::RefuseFifthPriorityInput(s_, Check8, index)) {
        SetBusyPointers(false);
        s_.OpDone = true;
        return;
    }
    s_.UiUpdating = true;
    FrmCtrlOf(s_, s_.CurDev).Check8(index).SetValue(Check8(index).Value());
    s_.UiUpdating = false;
    ColourConfirm();
    SetBusyPointers(false);
    s_.OpDone = true;
}

void FrmDucker::Command1_Click() {
    if (s_.UiUpdating) return;
    s_.OpDone = false;
    SetBusyPointers(true);
    ModFun::SendPriorityMask(s_);
    ColourConfirm();
    SetBusyPointers(false);
    s_.OpDone = true;
}

void FrmDucker::Slider1_Scroll(int16_t k) {
    s_.OpDone = false;
    if (k != kWakeUp && k >= 0 && k < 6) {
        ShowValue(k);
        s_.DevImage[s_.CurDev].ProgImage[kParams[k].addr] =
            static_cast<uint8_t>(kParams[k].max - Slider1(k).Value());
        if (k == 0) {
            ModFun::SendDuckerParamA(s_);
        } else if (k <= 2) {
            ModFun::SendDuckerParamB(s_);
        } else {
            ModFun::SendDuckerParamC(s_);
        }
    }
    s_.OpDone = true;
}

void FrmDucker::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (processing::RefuseCloseWhileBusy(s_)) cancel = -1;
}
