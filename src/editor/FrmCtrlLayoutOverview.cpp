// Layout of the "Overview" tab: the block diagram of jump labels, the status lamps, the delay
// unit and the automatic mixer and ducker frames.
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/FrmCtrlLayout.h"

using editor::Put;

namespace {

struct Block {
    ui::ControlArray<ui::Label>* labels;
    int16_t firstIndex;   // element of row r is firstIndex + r
    const char* caption;  // followed by r + 1 when numbered
    bool numbered;
    ui::Twips left;
    ui::Twips width;
};

constexpr ui::Twips kBlockRowTop = 480;
constexpr ui::Twips kBlockRowPitch = 420;
constexpr ui::Twips kLowerTop = 3900;

constexpr ui::Twips kLampLeft = 1500;
constexpr ui::Twips kLampPitch = 600;
constexpr const char* kLampRows[9] = {"Limit",     "Sgn/Clip", "Feedback", "Mic",    "Line",
                                      "Input Off", "Mute In",  "Mute Out", "Phantom"};

}  // namespace

void FrmCtrl::LayoutOverviewTab() {
    LayoutBlockDiagram();
    LayoutStatusLamps();
    LayoutOverviewFrames();
}

void FrmCtrl::LayoutBlockDiagram() {
    // One row per input (left half) and per output (right half), left to right along the
    // signal path.
    const Block blocks[] = {
        {&Label300, 0, "Mic", true, 60, 570},
        {&Label300, 8, "Line", true, 660, 570},
        {&Label300, 24, "Inp", true, 1260, 990},
        {&Label100, 0, "Gain", false, 2310, 630},
        {&Label100, 10, "Feedback", false, 3000, 900},
        {&Label100, 20, "NG", false, 3960, 450},
        {&Label200, 0, "+", false, 4470, 300},
        {&Label100, 200, "PEQ", false, 4830, 540},
        {&Label100, 210, "X-over", false, 5430, 690},
        {&Label100, 220, "Delay", false, 6180, 1140},
        {&Label100, 230, "Compr", false, 7380, 3000},
        {&Label100, 240, "Gain", false, 10440, 600},
        {&Label100, 250, "Limiter", false, 11100, 1020},
        {&Label100, 260, "Phase", false, 12180, 600},
        {&Label300, 16, "Outpu", true, 12840, 750},
    };
    for (const Block& b : blocks) {
        for (int16_t r = 0; r < 8; ++r) {
            ui::Label& l =
                Put(b.labels->Load(static_cast<int16_t>(b.firstIndex + r)), SSTab1, b.left,
                    kBlockRowTop + kBlockRowPitch * r, b.width, 285, kTabOverview);
            l.SetCaption(b.numbered ? b.caption + std::to_string(r + 1) : b.caption);
            l.SetAlignment(2);
            l.SetBorderStyle(1);
        }
    }
}

void FrmCtrl::LayoutStatusLamps() {
    Put(FrameStatus, SSTab1, 60, kLowerTop, 6540, 3720, kTabOverview).SetCaption("Status");
    for (int16_t k = 0; k < 8; ++k) {
        editor::Centered(
            Put(LabelLampCol.Load(k), FrameStatus, kLampLeft - 30 + kLampPitch * k, 240, 270, 210))
            .SetCaption(std::to_string(k + 1));
    }
    ui::ControlArray<ui::Shape>* rows[8] = {&Shape7, &Shape6, &Shape5,      &Shape4,
                                            &Shape3, &Shape8, &ShapeMuteIn, &ShapeMuteOut};
    auto lamp = [this](ui::Shape& s, int16_t k, ui::Twips top) {
        Put(s, FrameStatus, kLampLeft + kLampPitch * k, top, 210, 210);
        s.SetShapeType(ui::Shape::Circle);
        s.SetFillStyle(0);
        s.SetFillColor(ui::vbLightGrey);
    };
    for (int16_t r = 0; r < 9; ++r) {
        const ui::Twips top = 510 + 360 * r;
        Put(LabelLampRow.Load(r), FrameStatus, 120, top, 1260, 210).SetCaption(kLampRows[r]);
        if (r == 8) {
            lamp(Shape1, 0, top);
            continue;
        }
        for (int16_t k = 0; k < 8; ++k) lamp(rows[r]->Load(k), k, top);
    }
}

void FrmCtrl::LayoutOverviewFrames() {
    Put(FrameDelayUnit, SSTab1, 6660, kLowerTop, 1800, 900, kTabOverview).SetCaption("Delay");
    Put(Option1.Load(0), FrameDelayUnit, 120, 270, 1200, 255).SetCaption("Time");
    Put(Option1.Load(1), FrameDelayUnit, 120, 570, 1200, 255).SetCaption("Meter");
    Option1(0).SetValue(true);

    Put(Frame33, SSTab1, 6660, 4860, 1800, 1050, kTabOverview).SetCaption("Auto Mixer");
    Put(Check7, Frame33, 120, 270, 1200, 255).SetCaption("Active");
    Put(Command14, Frame33, 120, 600, 1560, 330).SetCaption("Edit parameter");

    Put(Frame34, SSTab1, 8520, kLowerTop, 7155, 1590, kTabOverview).SetCaption("Ducker");
    Put(FramePrio, Frame34, 120, 240, 3480, 1050).SetCaption("Priority Input Channel");
    Put(LabelPrio, FramePrio, 90, 270, 3300, 210)
        .SetCaption(" 1      2      3      4      5      6      7      8");
    // One box under each number of the label row.
    for (int16_t j = 0; j < 8; ++j) Put(Check8.Load(j), FramePrio, 60 + 375 * j, 540, 255, 255);
    Put(Command16, Frame34, 3720, 540, 1200, 330).SetCaption("Confirm");
    Put(Command15, Frame34, 5040, 540, 1800, 330).SetCaption("Edit parameter");
}
