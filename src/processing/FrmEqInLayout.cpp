// Layout of "Inputs EQ": the input tabs along the top, the response picture with its scales
// and view options below them, then the three band rows, the link boxes and the buttons.
#include <cmath>
#include <string>

#include "editor/FrmCtrlLayout.h"
#include "editor/ModGraph.h"
#include "model/Tables.h"
#include "processing/FrmEqIn.h"

using editor::Put;

namespace {

constexpr ui::Twips kClientWidth = 11160;
constexpr ui::Twips kClientHeight = 8040;

// The response picture: one pixel column per grid point, 0 dB / 0 degree in the middle.
constexpr ui::Twips kPictureLeft = 720;
constexpr ui::Twips kPictureTop = 780;
constexpr ui::Twips kPictureWidth = 8655;
constexpr ui::Twips kPictureHeight = 2895;
constexpr double kPictureMid = kPictureTop + kPictureHeight / 2.0;
constexpr double kMagDivision = 477.5;      // 10 dB, 191 / 6 pixels
constexpr double kPhaseDivision = 358.125;  // 45 degrees
constexpr double kTwPerDecade = 2885;

constexpr const char* kMagScale[7] = {"+30", "+20", "+10", " 0", "-10", "-20", "-30"};
constexpr const char* kPhaseScale[9] = {"+180", "+135", "+90",  "+45", " 0",
                                        "-45",  "-90",  "-135", "-180"};

// The band rows in Frame5: each row as high as its gain slider.
constexpr ui::Twips kRowsTop = 4020;
constexpr ui::Twips kRowTop = 480;
constexpr ui::Twips kRowPitch = 1140;

// The scale labels left of the picture, top to bottom, each centred on its grid line.
template <size_t N>
void PutScale(ui::ControlArray<ui::Label>& labels, const char* const (&captions)[N],
              double division, bool visible) {
    for (size_t k = 0; k < N; ++k) {
        const double centre = kPictureMid + (static_cast<double>(k) - (N - 1) / 2.0) * division;
        ui::Label& l = labels.Load(static_cast<int16_t>(k));
        l.Move(120, static_cast<ui::Twips>(std::lround(centre - 105)), 540, 210);
        l.SetAlignment(1);
        l.SetCaption(captions[k]);
        l.SetVisible(visible);
    }
}

}  // namespace

void FrmEqIn::LayOut() {
    SetCaption("Inputs EQ");
    SetSizable(false);
    SetClientSize(kClientWidth, kClientHeight);
    SSTab1.SetTabs(8);
    SSTab1.SetTabsPerRow(8);
    for (int16_t i = 0; i < 8; ++i) {
        SSTab1.SetTabCaption(i, "Input " + std::to_string(i + 1));
    }
    SSTab1.Move(120, 120, kClientWidth - 240, 450);
    LayOutGraph();
    LayOutBandRows();
    LayOutLinks();
}

void FrmEqIn::LayOutGraph() {
    ui::PictureBox& picture = Picture1.Load(0);
    picture.Move(kPictureLeft, kPictureTop, kPictureWidth, kPictureHeight);
    picture.SetBackColor(ui::vbWhite);
    for (int16_t b = 0; b < 3; ++b) {
        ui::Label& marker = Put(Label5.Load(b), picture, 0, 0, 120, 120);
        marker.SetBackColor(editor::CurveColor(b));
        marker.SetBorderStyle(1);
        marker.SetToolTipText("Band " + std::to_string(b + 1));
        marker.SetVisible(false);
    }
    PutScale(Label17, kMagScale, kMagDivision, true);
    PutScale(Label9, kPhaseScale, kPhaseDivision, false);
    const char* decades[3] = {"100Hz", "1KHz", "10KHz"};
    for (int16_t k = 0; k < 3; ++k) {
        const double x = kPictureLeft + kTwPerDecade * (std::log10(5.0) + k);
        ui::Label& l = Label4.Load(k);
        l.Move(static_cast<ui::Twips>(std::lround(x - 360)), kPictureTop + kPictureHeight + 45, 720,
               210);
        l.SetAlignment(2);
        l.SetCaption(decades[k]);
    }

    const ui::Twips x = kPictureLeft + kPictureWidth + 180;
    Option3.Load(0).Move(x, kPictureTop, 1500, 255);
    Option3(0).SetCaption("Mag");
    Option3(0).SetValue(true);
    Option4.Load(0).Move(x, kPictureTop + 330, 1500, 255);
    Option4(0).SetCaption("Phase");
    Check3.Load(0).Move(x, kPictureTop + 810, 1500, 255);
    Check3(0).SetCaption("Show cursor");
}

void FrmEqIn::LayOutBandRows() {
    Frame5.Move(120, kRowsTop, 6960, 3900);
    Frame5.SetCaption("EQ");
    struct Heading {
        const char* caption;
        ui::Twips left, width;
    };
    const Heading headings[4] = {
        {"dB", 2400, 1260}, {"Hz", 1350, 900}, {"Bw", 4860, 960}, {"Q", 3780, 945}};
    for (int16_t k = 0; k < 4; ++k) {
        editor::Centered(Put(Label2.Load(k), Frame5, headings[k].left, 255, headings[k].width, 210))
            .SetCaption(headings[k].caption);
    }
    for (int16_t b = 0; b < 3; ++b) {
        const ui::Twips top = kRowTop + kRowPitch * b;
        const ui::Twips mid = top + 390;
        Put(LabelBand.Load(b), Frame5, 150, mid - 285, 1080, 210)
            .SetCaption("Band " + std::to_string(b + 1));
        ui::CommandButton& type = Put(Command3.Load(b), Frame5, 150, mid - 45, 1080, 330);
        type.SetCaption(std::string(model::EqTypeText[0]));
        type.SetPurpose("Band " + std::to_string(b + 1) + " type", true);
        Put(Text4.Load(b), Frame5, 1350, mid, 900, 285).SetText("20000");
        ui::Slider& gain = Put(Slider2.Load(b), Frame5, 2400, top, 390, 1080);
        editor::SetupSlider(gain, 48, true);
        gain.SetValue(24);
        Put(Text12.Load(b), Frame5, 2880, mid, 780, 285).SetText("0");
        Put(Text5.Load(b), Frame5, 3780, mid, 690, 285).SetText("1.05");
        Put(UpDown3.Load(b), Frame5, 4485, mid, 255, 285).SetRange(0, 96);
        Put(Text50.Load(b), Frame5, 4860, mid, 960, 285).SetText("1.05");
        Put(Command6.Load(b), Frame5, 5940, mid - 45, 840, 330).SetCaption("Byp");
    }
}

void FrmEqIn::LayOutLinks() {
    Frame12.Move(7200, kRowsTop, 2460, 1620);
    Frame12.SetCaption("Input Linked");
    for (int16_t i = 0; i < 8; ++i) {
        Put(Check13.Load(i), Frame12, 120 + 1170 * (i / 4), 270 + 315 * (i % 4), 1110, 255)
            .SetCaption("Input" + std::to_string(i + 1));
    }
    Command1.Move(9840, kRowsTop + 90, 1200, 375);
    Command1.SetCaption("Flat Eq");
    Command2.Move(9840, kClientHeight - 495, 1200, 375);
    Command2.SetCaption("Exit");
}
