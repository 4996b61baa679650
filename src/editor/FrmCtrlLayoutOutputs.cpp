// Layout of the output tabs "Output1" to "Output8": level strip, response graph, crossover and
// delay in the upper row; equaliser, compressor and limiter in the lower row.
#include <cmath>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/FrmCtrlLayout.h"
#include "editor/ModGraph.h"
#include "model/Tables.h"

using editor::Put;

namespace {

constexpr ui::Twips kRowTop = 420;
constexpr ui::Twips kUpperHeight = 3360;
constexpr ui::Twips kLowerTop = 3840;

// The response picture: one pixel column per grid point, 0 dB / 0 degree in the middle.
constexpr ui::Twips kPictureLeft = 600;
constexpr ui::Twips kPictureTop = 330;
constexpr ui::Twips kPictureWidth = 8655;
constexpr ui::Twips kPictureHeight = 2895;
constexpr double kPictureMid = kPictureTop + kPictureHeight / 2.0;
constexpr double kMagDivision = 477.5;      // 10 dB at the first step, 191 / 6 pixels
constexpr double kPhaseDivision = 358.125;  // 45 degrees

constexpr const char* kMagScale[7] = {"30", "20", "10", "0", "-10", "-20", "-30"};
constexpr const char* kPhaseScale[9] = {"+180", "+135", "+90",  "+45", "0",
                                        "-45",  "-90",  "-135", "-180"};

constexpr const char* kEqRows[5] = {"Type", "Freq [Hz]", "Gain [dB]", "Q", "BW [oct]"};
constexpr ui::Twips kEqRowTop[5] = {300, 660, 2640, 2970, 3300};

constexpr ui::Twips kDynColumn = 1110;
constexpr const char* kCompCaptions[5] = {"Threshold [dBu]", "Ratio [In:Out]", "S/H Knee [%]",
                                          "Attack [ms]", "Release [sec.]"};
constexpr int32_t kCompMax[5] = {240, 31, 100, 29, 29};
constexpr const char* kCompTexts[5] = {"18", "32:1", "100", "3.0", "200"};
constexpr const char* kLimCaptions[3] = {"Threshold [dBu]", "Attack [ms]", "Release [sec.]"};
constexpr int32_t kLimMax[3] = {240, 29, 29};
constexpr const char* kLimTexts[3] = {"18", "3.0", "200"};

// The scale labels of output o left of its picture, top to bottom, each centred on its grid
// line: division twips apart, the middle one on the picture's middle.
template <size_t N>
void PutScale(ui::ControlArray<ui::Label>& labels, ui::Control& frame, int16_t o,
              const char* const (&captions)[N], double division, bool visible) {
    for (size_t k = 0; k < N; ++k) {
        const double centre = kPictureMid + (static_cast<double>(k) - (N - 1) / 2.0) * division;
        ui::Label& l = Put(labels.Load(static_cast<int16_t>(o * static_cast<int16_t>(N) + k)),
                           frame, 90, static_cast<ui::Twips>(std::lround(centre - 105)), 480, 210);
        l.SetAlignment(1);
        l.SetCaption(captions[k]);
        l.SetVisible(visible);
    }
}

}  // namespace

void FrmCtrl::LayoutOutputTab(int16_t o) {
    LayoutLevelStrip(static_cast<int16_t>(8 + o), SSTab1, static_cast<int16_t>(o + 1), 60, kRowTop,
                     1860, kUpperHeight);
    LayoutGraph(o);
    LayoutXoverAndDelay(o);
    LayoutEq(o);
    LayoutDynamics(o);
}

void FrmCtrl::LayoutGraph(int16_t o) {
    ui::Frame& frame = Put(FrameGraph.Load(o), SSTab1, 1980, kRowTop, 10965, kUpperHeight,
                           static_cast<int16_t>(o + 1));
    frame.SetCaption("Graphic");
    ui::PictureBox& picture =
        Put(Picture1.Load(o), frame, kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    picture.SetBackColor(ui::vbWhite);
    for (int16_t j = 0; j < 5; ++j) {
        const auto b = static_cast<int16_t>(o * 5 + j);
        ui::Label& marker = Put(Label5.Load(b), picture, 0, 0, 120, 120);
        marker.SetBackColor(editor::CurveColor(o));
        marker.SetBorderStyle(1);
        marker.SetToolTipText("Band " + std::to_string(j + 1));
        marker.SetVisible(false);
    }
    PutScale(Label17, frame, o, kMagScale, kMagDivision, true);
    PutScale(Label9, frame, o, kPhaseScale, kPhaseDivision, false);

    const ui::Twips x = kPictureLeft + kPictureWidth + 120;
    Put(Option3.Load(o), frame, x, 330, 1200, 255).SetCaption("Mag");
    Put(Option4.Load(o), frame, x, 615, 1200, 255).SetCaption("Phase");
    Option3(o).SetValue(true);
    ui::Frame& step = Put(Frame30.Load(o), frame, x, 930, 1500, 585);
    step.SetCaption("Step dB");
    Put(UpDown4.Load(o), step, 90, 225, 255, 300).SetRange(0, 9);
    Put(Label16.Load(o), step, 420, 270, 990, 210).SetCaption("10 ");
    ui::Frame& offset = Put(Frame31.Load(o), frame, x, 1575, 1500, 585);
    offset.SetCaption("Offset dB");
    Put(UpDown5.Load(o), offset, 90, 225, 255, 300).SetRange(0, 13);
    Put(Label18.Load(o), offset, 420, 270, 990, 210).SetCaption("0 ");
    Put(Check3.Load(o), frame, x, 2220, 1500, 255).SetCaption("Show cursor");
    Put(Command1.Load(o), frame, x, 2565, 1200, 330).SetCaption("Flat Eq");
}

void FrmCtrl::LayoutXoverAndDelay(int16_t o) {
    const auto page = static_cast<int16_t>(o + 1);
    for (int16_t k = 0; k < 2; ++k) {
        const auto f = static_cast<int16_t>(o * 2 + k);
        ui::Frame& frame =
            Put(FrameXover.Load(f), SSTab1, 13005, kRowTop + 945 * k, 2670, 900, page);
        frame.SetCaption(k == 0 ? "High Pass Filter" : "Low Pass Filter");
        editor::FillList(Put(Combo2.Load(f), frame, 90, 225, 1650, 315),
                         {"   Bypass", "Buttw -6dB", "Buttw -12dB", "LRiley -12dB", "Bessel -12dB",
                          "Buttw -18dB", "Buttw -24dB", "LRiley -24dB", "Bessel -24dB"});
        Put(LabelXoverFreq.Load(f), frame, 90, 600, 840, 210).SetCaption("Freq [Hz]");
        Put(Text8.Load(f), frame, 960, 570, 780, 285).SetText("1000");
    }

    ui::Frame& delay = Put(Frame3.Load(o), SSTab1, 13005, 2310, 2670, 1050, page);
    delay.SetCaption("Delay");
    Put(Text2.Load(o), delay, 90, 240, 1140, 285).SetText("0.000");
    Put(Command8.Load(o), delay, 1320, 225, 1260, 330).SetCaption("Bypass");
    Put(LabelAdj.Load(o), delay, 90, 660, 360, 210).SetCaption("Adj");
    Put(UpDown2.Load(o), delay, 480, 615, 255, 315).SetRange(0, 380);
    Put(LabelFine.Load(o), delay, 900, 660, 420, 210).SetCaption("Fine");
    Put(UpDown1.Load(o), delay, 1350, 615, 255, 315).SetRange(0, 48);
}

void FrmCtrl::LayoutEq(int16_t o) {
    ui::Frame& frame =
        Put(FrameEq.Load(o), SSTab1, 60, kLowerTop, 6150, 4020, static_cast<int16_t>(o + 1));
    frame.SetCaption("Equalizer");
    for (int16_t r = 0; r < 5; ++r) {
        Put(LabelEqRow.Load(static_cast<int16_t>(o * 5 + r)), frame, 90, kEqRowTop[r], 900, 210)
            .SetCaption(kEqRows[r]);
    }
    for (int16_t j = 0; j < 5; ++j) {
        const auto b = static_cast<int16_t>(o * 5 + j);
        const ui::Twips x = 1050 + 1000 * j;
        Put(Command3.Load(b), frame, x, 240, 960, 330)
            .SetCaption(std::string(model::EqTypeText[0]));
        Put(Text4.Load(b), frame, x, 615, 960, 285).SetText("1000");
        ui::Slider& gain = Put(Slider2.Load(b), frame, x + 285, 945, 390, 1605);
        editor::SetupSlider(gain, 48, true);
        gain.SetValue(24);
        Put(Text12.Load(b), frame, x, 2595, 960, 285).SetText("0");
        Put(Text5.Load(b), frame, x, 2925, 690, 285).SetText("1.4");
        Put(UpDown3.Load(b), frame, x + 705, 2925, 255, 285).SetRange(0, 96);
        Put(Text50.Load(b), frame, x, 3255, 960, 285).SetText("1.00975");
        Put(Command6.Load(b), frame, x, 3600, 960, 330).SetCaption("Bypass");
    }
}

void FrmCtrl::LayoutDynamics(int16_t o) {
    const auto page = static_cast<int16_t>(o + 1);
    ui::Frame& comp = Put(FrameComp.Load(o), SSTab1, 6270, kLowerTop, 5730, 3690, page);
    comp.SetCaption("RMS Compressor");
    ui::ControlArray<ui::Slider>* compSliders[5] = {&Slider400, &Slider401, &Slider402, &Slider403,
                                                    &Slider404};
    ui::ControlArray<ui::TextBox>* compTexts[5] = {&Text400, &Text401, &Text402, &Text403,
                                                   &Text404};
    for (int16_t j = 0; j < 5; ++j) {
        const ui::Twips x = 90 + kDynColumn * j;
        editor::Centered(
            Put(LabelComp.Load(static_cast<int16_t>(o * 5 + j)), comp, x, 240, 1080, 420))
            .SetCaption(kCompCaptions[j]);
        editor::SetupSlider(Put(compSliders[j]->Load(o), comp, x + 345, 705, 390, 2205),
                            kCompMax[j], true);
        Put(compTexts[j]->Load(o), comp, x + 60, 2955, 960, 285).SetText(kCompTexts[j]);
    }
    Put(Command5.Load(o), comp, 90, 3300, 1080, 330).SetCaption("Bypass");

    ui::Frame& lim = Put(FrameLim.Load(o), SSTab1, 12060, kLowerTop, 3420, 3690, page);
    lim.SetCaption("Peak Limiter");
    ui::ControlArray<ui::Slider>* limSliders[3] = {&Slider4, &Slider5, &Slider6};
    ui::ControlArray<ui::TextBox>* limTexts[3] = {&Text9, &Text10, &Text11};
    for (int16_t j = 0; j < 3; ++j) {
        const ui::Twips x = 90 + kDynColumn * j;
        editor::Centered(
            Put(LabelLim.Load(static_cast<int16_t>(o * 3 + j)), lim, x, 240, 1080, 420))
            .SetCaption(kLimCaptions[j]);
        editor::SetupSlider(Put(limSliders[j]->Load(o), lim, x + 345, 705, 390, 2205), kLimMax[j],
                            true);
        Put(limTexts[j]->Load(o), lim, x + 60, 2955, 960, 285).SetText(kLimTexts[j]);
    }
    Put(Command7.Load(o), lim, 90, 3300, 1080, 330).SetCaption("Bypass");

    Put(Command50.Load(o), SSTab1, 6270, 7575, 1560, 330, page).SetCaption("RMS Compressor");
    Put(Command51.Load(o), SSTab1, 12060, 7575, 1200, 330, page).SetCaption("P. Limiter");
}
