#include "processing/FrmAM.h"

#include <initializer_list>

#include "editor/FrmCtrl.h"
#include "editor/senders/MixerSenders.h"
#include "model/AddressTables.h"
#include "processing/DialogClose.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kColumn = 1620;
constexpr ui::Twips kSliderTop = 840;
constexpr ui::Twips kSliderHeight = 2700;

template <class T>
T& Place(T& c, ui::Control& container, ui::Twips left, ui::Twips top, ui::Twips width,
         ui::Twips height) {
    c.SetContainer(&container);
    c.Move(left, top, width, height);
    return c;
}

// A column of shown-only controls: label, value box and vertical slider, k-th in its frame.
void PlaceColumn(ui::Frame& frame, ui::ControlArray<ui::Label>& labels,
                 ui::ControlArray<ui::TextBox>& texts, ui::ControlArray<ui::Slider>& sliders,
                 std::initializer_list<const char*> captions) {
    int16_t k = 0;
    for (const char* caption : captions) {
        const ui::Twips x = 60 + kColumn * k;
        ui::Label& label = Place(labels.Load(k), frame, x, 270, kColumn - 120, 210);
        label.SetCaption(caption);
        label.SetAlignment(2);
        ui::TextBox& text =
            Place(texts.Load(k), frame, x + (kColumn - 120 - 780) / 2, 540, 780, 285);
        text.SetText("0");
        text.SetAlignment(2);
        ui::Slider& slider = Place(sliders.Load(k), frame, x + (kColumn - 120 - 390) / 2,
                                   kSliderTop, 390, kSliderHeight);
        slider.SetRange(0, 100);
        slider.SetChanges(1, 5);
        slider.SetOrientation(1);
        slider.SetTickFrequency(10);
        ++k;
    }
}

}  // namespace

FrmAM::FrmAM(State& s) : ui::Form(s.host, "FrmAM"), s_(s) {
    LayOut();
    Check7.On().Click = [this](int16_t) { Check7_Click(); };
    Option1.On().Click = [this](int16_t index) { Option1_Click(index); };
}

void FrmAM::LayOut() {
    SetCaption("Automixer");
    SetSizable(false);
    const ui::Twips top = 1380;
    const ui::Twips frameHeight = kSliderTop + kSliderHeight + 180;
    SetClientSize(120 + 7 * kColumn + 3 * 120 + 120, top + frameHeight + 120);

    FrameAm.SetCaption("AutoMixer");
    FrameAm.Move(120, 120, 4440, 1140);
    Place(Check7, FrameAm, 120, 300, 1200, 255).SetCaption("Active");
    Place(Check1, FrameAm, 120, 660, 1200, 255).SetCaption("Automix");
    Place(Check2, FrameAm, 1560, 660, 600, 255).SetCaption("1");
    Place(Check3, FrameAm, 2280, 660, 600, 255).SetCaption("2");
    Check2.SetPurpose("Group 1", false);
    Check3.SetPurpose("Group 2", false);

    FrameMode.SetCaption("Mode");
    FrameMode.Move(4680, 120, 3000, 1140);
    Place(Option1.Load(1), FrameMode, 120, 300, 2640, 255).SetCaption("Gain Sharing");
    Place(Option1.Load(0), FrameMode, 120, 660, 2640, 255).SetCaption("N.O.M");

    FrameThr.SetCaption("Threshold");
    FrameThr.Move(120, top, 2 * kColumn, frameHeight);
    PlaceColumn(FrameThr, LabelThr, Text3, Slider3, {"Actived Mic [dBu]", "Inactived Mic [dBu]"});

    FrameNom.SetCaption("N.O.M parameters");
    FrameNom.Move(240 + 2 * kColumn, top, 2 * kColumn, frameHeight);
    PlaceColumn(FrameNom, LabelNom, Text1, Slider1, {" Attack [ms]", "Release [ms]"});

    FrameGs.SetCaption("Gain Sharing Level");
    FrameGs.Move(360 + 4 * kColumn, top, 3 * kColumn, frameHeight);
    PlaceColumn(FrameGs, LabelGs, Text2, Slider2, {"[dB]", "Release [ms]", " Attack [ms]"});
}

void FrmAM::Form_Load() {
    s_.UiUpdating = true;
    Check7.SetValue(FrmCtrlOf(s_, s_.CurDev).Check7.Value());
    s_.UiUpdating = false;
    const uint8_t mode = s_.DevImage[s_.CurDev].ProgImage[model::AmModeAddr];
    if (mode <= 1) {
        s_.UiUpdating = true;
        Option1(mode).SetValue(true);
        s_.UiUpdating = false;
    }
}

void FrmAM::Check7_Click() {
    if (s_.UiUpdating) return;
    s_.UiUpdating = true;
    s_.OpDone = false;
    FrmCtrlOf(s_, s_.CurDev).Check7.SetValue(Check7.Value());
    s_.UiUpdating = false;
    ModFun::SendAutoMixerActive(s_);
    s_.OpDone = true;
}

void FrmAM::Option1_Click(int16_t index) {
    if (s_.UiUpdating) return;
    s_.OpDone = false;
    ModFun::SendAutoMixerMode(s_, index);
    s_.OpDone = true;
}

void FrmAM::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (processing::RefuseCloseWhileBusy(s_)) cancel = -1;
}
