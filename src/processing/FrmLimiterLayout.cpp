// The dialog's design-time layout: the limiter group on the left, the compressor group on the
// right, each with its curve picture, scales, meter, sliders and value boxes.
#include "editor/FrmCtrlLayout.h"
#include "processing/FrmLimiter.h"

using editor::Put;

namespace {

constexpr ui::Twips kGroupWidth[2] = {4950, 5790};
constexpr ui::Twips kGroupHeight = 8010;
constexpr ui::Twips kPicLeft = 690;
constexpr ui::Twips kPicTop = 600;
constexpr ui::Twips kPicSize = 3375;
constexpr ui::Twips kColumn = 1110;
constexpr ui::Twips kSliderTop = 5340;
constexpr const char* kScale[9] = {"+40", "+30", "+20", "+10", " 0", "-10", "-20", "-30", "-40"};

// The next label of the dialog's fixed texts; alignment 0 left, 1 right, 2 centred.
ui::Label& PutText(ui::ControlArray<ui::Label>& labels, int16_t& next, ui::Control& container,
                   ui::Twips left, ui::Twips top, ui::Twips width, const char* caption,
                   int16_t alignment = 0) {
    ui::Label& l = Put(labels.Load(next++), container, left, top, width, 225);
    l.SetCaption(caption);
    l.SetAlignment(alignment);
    return l;
}

}  // namespace

void FrmLimiter::LayOut() {
    SetCaption("RMS Compressor & Peak Limiter");
    SetSizable(false);
    SetClientSize(90 + kGroupWidth[0] + 90 + kGroupWidth[1] + 90, kGroupHeight + 180);
    Frame1.Move(90, 90, kGroupWidth[0], kGroupHeight);
    Frame1.SetCaption("Peak Limiter");
    Frame2.Move(180 + kGroupWidth[0], 90, kGroupWidth[1], kGroupHeight);
    Frame2.SetCaption("RMS Compressor");
    int16_t label = 0;
    LayOutGroup(Frame1, Picture1, 0, Label6, Label8, label);
    LayOutGroup(Frame2, Picture2, 1, Label7, Label5, label);
    for (ui::Line* line : {&Line1, &Line2}) {
        line->SetContainer(&Picture1);
        line->SetBorderColor(ui::vbRed);
        line->SetBorderWidth(2);
    }
    for (ui::Line* line : {&Line3, &Line4}) {
        line->SetContainer(&Picture2);
        line->SetVisible(false);
    }

    struct Column {
        ui::Frame& frame;
        int column;
        const char* caption;
        ui::Slider& slider;
        int32_t max;
        ui::TextBox& box;
    };
    const Column columns[] = {
        {Frame1, 0, "Threshold [dBu]", Slider4, 240, Text9},
        {Frame1, 1, "Attack [ms]", Slider5, 29, Text10},
        {Frame1, 2, "Release [sec]", Slider6, 29, Text11},
        {Frame2, 0, "Threshold [dBu]", Slider400, 240, Text400},
        {Frame2, 1, "Ratio [In:Out]", Slider401, 31, Text401},
        {Frame2, 2, "S/H Knee [%]", Slider402, 100, Text402},
        {Frame2, 3, "Attack [ms]", Slider403, 29, Text403},
        {Frame2, 4, "Release [sec]", Slider404, 29, Text404},
    };
    for (const Column& c : columns) {
        const ui::Twips x = 120 + kColumn * c.column;
        editor::Centered(Put(LabelText.Load(label++), c.frame, x, kSliderTop - 450, 1080, 420))
            .SetCaption(c.caption);
        editor::SetupSlider(Put(c.slider, c.frame, x + 345, kSliderTop, 390, 2205), c.max, true);
        Put(c.box, c.frame, x + 60, kSliderTop + 2250, 960, 285);
    }
    PutText(LabelText, label, Frame1, 120 + 3 * kColumn, kSliderTop, 1200, "S/H Knee 0%");
    PutText(LabelText, label, Frame1, 120 + 3 * kColumn, kSliderTop + 300, 1200,
            "   Ratio   inf. : 1");
    Put(Label4, Frame1, 120, 4560, 3330, 255);
    Put(Command7, Frame1, 3570, 4500, 1080, 330).SetCaption("Bypass");
    Put(Command5, Frame2, 120, 4500, 1080, 330).SetCaption("Bypass");
    Timer1.SetTimerEnabled(false);
}

void FrmLimiter::LayOutGroup(ui::Frame& frame, ui::PictureBox& picture, int16_t meter,
                             ui::Label& bar, ui::Label& value, int16_t& label) {
    Put(picture, frame, kPicLeft, kPicTop, kPicSize, kPicSize).SetBackColor(ui::vbWhite);
    const double division = kPicSize / 8.0;
    for (int k = 0; k < 9; ++k) {
        const auto at = static_cast<ui::Twips>(division * k);
        PutText(LabelText, label, frame, 120, kPicTop + at - 112, 510, kScale[k], 1);
        PutText(LabelText, label, frame, kPicLeft + at - 210, kPicTop + kPicSize + 45, 420,
                kScale[8 - k], 2);
    }
    PutText(LabelText, label, frame, 120, 300, 510, "[dBu]", 1);
    PutText(LabelText, label, frame, kPicLeft, 300, kPicSize, "  O    U    T    P    U    T  ", 2);
    PutText(LabelText, label, frame, kPicLeft, kPicTop + kPicSize + 300, kPicSize, "I N P U T", 2);

    ui::Frame& box =
        Put(FrameMeter.Load(meter), frame, kPicLeft + kPicSize + 105, kPicTop, 660, 3800);
    box.SetCaption(meter == 0 ? "Lim" : "Cmp");
    ui::Shape& outline = Put(ShapeMeter.Load(meter), box, 120, 240, 255, 3015);
    outline.SetFillStyle(1);
    Put(bar, box, 135, 255, 225, 15).SetBackColor(ui::vbBlue);
    Put(value, box, 30, 3300, 600, 225).SetAlignment(2);
    value.SetCaption("0");
    PutText(LabelText, label, box, 30, 3540, 600, "[dB]", 2);
}
