// Layout of the "Routing" tab: the crosspoint matrix with its diagram, the output selection
// and the mix levels of the selected output.
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/FrmCtrlLayout.h"

using editor::Put;

namespace {

constexpr ui::Twips kRowPitch = 660;
constexpr ui::Twips kFirstRow = 600;
constexpr ui::Twips kGridLeft = 1260;
constexpr ui::Twips kGridPitch = 600;
constexpr ui::Twips kDiagramLeft = 6240;
constexpr ui::Twips kDiagramRight = 8280;

ui::Twips RowTop(int r) {
    return kFirstRow + kRowPitch * r;
}

}  // namespace

void FrmCtrl::LayoutRoutingTab() {
    Put(FrameRouting, SSTab1, 60, 420, 9120, 6600, kTabRouting).SetCaption("Output Routing");
    for (int16_t o = 0; o < 8; ++o) {
        const std::string out = "Out" + std::to_string(o + 1);
        editor::Centered(
            Put(LabelRouteOut.Load(o), FrameRouting, kGridLeft + kGridPitch * o, 300, 540, 210))
            .SetCaption(out);
        Put(LabelRouteDest.Load(o), FrameRouting, kDiagramRight + 120, RowTop(o) + 75, 600, 210)
            .SetCaption(out);
    }
    for (int16_t i = 0; i < 8; ++i) {
        Put(Label130.Load(i), FrameRouting, 120, RowTop(i) + 75, 1080, 210)
            .SetCaption("Inp" + std::to_string(i + 1));
    }
    // Crosspoint x = output * 8 + input: column of the output, row of the input; its line in
    // the diagram runs from the input's row to the output's row.
    for (int16_t x = 0; x < 64; ++x) {
        const int o = x / 8;
        const int i = x % 8;
        ui::CheckBox& point =
            Put(Check9.Load(x), FrameRouting, kGridLeft + 60 + kGridPitch * o, RowTop(i), 420, 360);
        point.SetStyle(1);
        point.SetToolTipText("Inp" + std::to_string(i + 1) + " to Out" + std::to_string(o + 1));
        ui::Line& line = Line1000.Load(x);
        line.SetContainer(&FrameRouting);
        line.SetPoints(kDiagramLeft, RowTop(i) + 180, kDiagramRight, RowTop(o) + 180);
        line.SetVisible(false);
    }
    Put(Command4, FrameRouting, 120, 6000, 1200, 360).SetCaption("Reset");

    Put(FrameOutSel, SSTab1, 9240, 420, 6435, 1020, kTabRouting).SetCaption("Output Selected");
    for (int16_t o = 0; o < 8; ++o) {
        Put(Option2.Load(o), FrameOutSel, 120 + 1560 * (o % 4), 270 + 330 * (o / 4), 1440, 255)
            .SetCaption("Out" + std::to_string(o + 1));
    }
    Option2(0).SetValue(true);

    Put(FrameMix, SSTab1, 9240, 1500, 6435, 5250, kTabRouting).SetCaption("Editing mix routing ");
    for (int16_t i = 0; i < 8; ++i) {
        const ui::Twips x = 120 + 780 * i;
        editor::Centered(Put(LabelMixIn.Load(i), FrameMix, x, 270, 720, 210))
            .SetCaption("In" + std::to_string(i + 1));
        editor::SetupSlider(Put(Slider3.Load(i), FrameMix, x + 165, 540, 390, 4260), 30, true);
        Put(Text3.Load(i), FrameMix, x, 4860, 720, 285).SetText("0dB");
    }
}
