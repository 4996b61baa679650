// Layout of the "Inputs" tab: one column per input and the device-wide controls below.
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/FrmCtrlLayout.h"

using editor::Put;

namespace {

constexpr ui::Twips kColumnPitch = 1950;
constexpr ui::Twips kColumnWidth = 1890;
constexpr ui::Twips kColumnTop = 420;
constexpr ui::Twips kColumnHeight = 6195;
constexpr ui::Twips kPanelWidth = 1740;  // frames inside an input column
constexpr ui::Twips kDeviceRowTop = 6960;

}  // namespace

void FrmCtrl::LayoutInputsTab() {
    for (int16_t i = 0; i < 8; ++i) LayoutInput(i);
    LayoutDeviceWide();
}

void FrmCtrl::LayoutInput(int16_t i) {
    ui::Frame& column = Put(Frame17.Load(i), SSTab1, 60 + kColumnPitch * i, kColumnTop,
                            kColumnWidth, kColumnHeight, kTabInputs);
    column.SetCaption("INPUT " + std::to_string(i + 1));

    ui::Frame& source = Put(FrameMicLine.Load(i), column, 75, 225, kPanelWidth, 570);
    source.SetCaption("Mic/Line");
    editor::FillList(Put(Combo5.Load(i), source, 90, 210, 810, 315), {"Mic", "Line"});
    // The signal path of the chosen source: the upper line for Mic, the lower for Line.
    Line1.Load(i).SetContainer(&source);
    Line1(i).SetPoints(1005, 300, 1650, 300);
    Line2.Load(i).SetContainer(&source);
    Line2(i).SetPoints(1005, 450, 1650, 450);
    for (ui::Line* path : {&Line1(i), &Line2(i)}) path->SetBorderWidth(2);
    Line2(i).SetVisible(false);

    Put(Check4.Load(i), column, 120, 825, 1200, 255).SetCaption("Balanced");

    ui::Frame& filter = Put(FrameInFilter.Load(i), column, 75, 1110, kPanelWidth, 930);
    filter.SetCaption("Filter 1st ord");
    editor::FillList(Put(Combo9.Load(i), filter, 90, 225, 1200, 315),
                     {" Bypass", "HighPass", "LowPass"});
    Put(Text14.Load(i), filter, 90, 585, 660, 285).SetText("20000");
    Put(UpDown6.Load(i), filter, 765, 585, 255, 285).SetRange(0, 30);
    Put(LabelHz.Load(i), filter, 1080, 630, 300, 210).SetCaption("Hz");

    ui::Frame& gate = Put(FrameNoiseGate.Load(i), column, 75, 2070, kPanelWidth, 570);
    gate.SetCaption("Noise Gate");
    Put(Check5.Load(i), gate, 90, 255, 900, 255).SetCaption("Enable");
    Put(Command13.Load(i), gate, 1020, 195, 630, 330).SetCaption("Edit");

    ui::Frame& proc = Put(FrameSelProc.Load(i), column, 75, 2670, kPanelWidth, 570);
    proc.SetCaption("Sel Fbk/EQ");
    editor::FillList(Put(Combo1.Load(i), proc, 90, 210, 810, 315), {"FBK", "EQ"});

    // The feedback panel and the equaliser panel share one place; the processing type
    // brings one of them to the front, the feedback panel while the list shows "FBK".
    ui::Frame& feedback = Put(Frame18.Load(i), column, 75, 3270, kPanelWidth, 570);
    feedback.SetCaption("Feedback");
    editor::FillList(Put(Combo4.Load(i), feedback, 90, 210, 810, 315), {"OFF", "ON"});
    ui::Frame& eq = Put(Frame27.Load(i), column, 75, 3270, kPanelWidth, 570);
    eq.SetCaption("PEQ");
    Put(Command10.Load(i), eq, 90, 195, 810, 330).SetCaption("Edit");
    feedback.ZOrder(0);

    LayoutLevelStrip(i, column, -1, 75, 3870, kPanelWidth, 2265);
}

void FrmCtrl::LayoutDeviceWide() {
    for (int16_t p = 0; p < 4; ++p) {
        // Centred below the two columns of the pair.
        Put(Check11.Load(p), SSTab1, kColumnPitch * (2 * p + 1) - 645, 6660, 1350, 255, kTabInputs)
            .SetCaption("Stereo Mode");
    }

    Put(FrameFbkFreq, SSTab1, 60, kDeviceRowTop, 3840, 975, kTabInputs)
        .SetCaption("Feedback dev freq [Hz]");
    editor::SetupSlider(Put(Slider7, FrameFbkFreq, 90, 240, 2640, 420), 12, false);
    Put(Text6, FrameFbkFreq, 2850, 300, 870, 285).SetText("2");

    const char* master[2] = {"Master Input Gain [ % ]", "Master Output Volume [ dB ]"};
    const int32_t masterMax[2] = {100, 1270};
    for (int16_t k = 0; k < 2; ++k) {
        ui::Frame& frame =
            Put(FrameMaster.Load(k), SSTab1, 3960 + 3900 * k, kDeviceRowTop, 3840, 975, kTabInputs);
        frame.SetCaption(master[k]);
        editor::SetupSlider(Put(Slider100.Load(k), frame, 90, 240, 2640, 420), masterMax[k], false);
        Put(Text100.Load(k), frame, 2850, 300, 870, 285).SetText("0");
    }

    Put(Check6, SSTab1, 11820, 7320, 1200, 255, kTabInputs).SetCaption("Phantom");
}
