// The response pictures of the editor window on the display list: the scale from Step and
// Offset with its labels, the rows of the magnitude and phase curves in the picture's logical
// pixels, the output's level, the drawing hold and the polyline's entry.
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "app/Wiring.h"
#include "editor/FrmImage.h"
#include "editor/ModGraph.h"
#include "model/GraphConstants.h"
#include "sys/Numeric.h"

namespace {

using model::GraphPoints;

class GraphDrawing : public EditorFixture {
  protected:
    // The segments of output o's curve: what follows the background of its view.
    std::vector<ui::DrawOp> Curve(FrmCtrl& f, int16_t o) {
        const auto& all = f.Picture1(o).DisplayList();
        const FrmImage& images = FrmImageOf(*s);
        const size_t background =
            (f.Option3(o).Value() ? images.Picture1 : images.Picture2).DisplayList().size();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(background, all.size())),
                all.end()};
    }
    const editor::DeviceCurves& Stored() { return s->Graph.Curves(kSlot); }
    static std::vector<std::string> Scale(FrmCtrl& f, int16_t o) {
        std::vector<std::string> labels;
        for (int k = 0; k < 7; ++k)
            labels.push_back(f.Label17(static_cast<int16_t>(7 * o + k)).Caption());
        return labels;
    }
    // Every segment ends on the row of its point: rowOf(i) rounded half to even; the first
    // enters from (-10, 95).
    static ::testing::AssertionResult RowsAre(const std::vector<ui::DrawOp>& curve,
                                              const std::function<double(int)>& rowOf) {
        if (curve.size() != GraphPoints) {
            return ::testing::AssertionFailure() << curve.size() << " segments";
        }
        if (curve[0].x1 != -10 || curve[0].y1 != 95) {
            return ::testing::AssertionFailure()
                   << "enters at " << curve[0].x1 << ", " << curve[0].y1;
        }
        for (int i = 0; i < GraphPoints; ++i) {
            const float row = static_cast<float>(sys::Round(rowOf(i)));
            if (curve[i].x2 != i || curve[i].y2 != row) {
                return ::testing::AssertionFailure() << "point " << i << " at " << curve[i].x2
                                                     << ", " << curve[i].y2 << ", not " << row;
            }
        }
        return ::testing::AssertionSuccess();
    }
    static double MagRow(double db) { return 95.4 - 191.0 / 60 * db; }
    static double PhaseRow(double deg) { return 95.4 - 0.5305555555555556 * deg; }
};

TEST_F(GraphDrawing, AtTheDefaultScaleAFlatOutputLiesOnTheMiddleRow) {
    FrmCtrl& f = OpenOn(1);
    for (int16_t o = 0; o < 8; ++o) {
        EXPECT_EQ(f.Label16(o).Caption(), "10 ");
        EXPECT_EQ(f.Label18(o).Caption(), "0 ");
        EXPECT_EQ(Scale(f, o),
                  (std::vector<std::string>{"30", "20", "10", "0", "-10", "-20", "-30"}));
        const auto curve = Curve(f, o);
        EXPECT_TRUE(RowsAre(curve, [](int) { return 95.4; })) << "output " << o;
        for (const ui::DrawOp& op : curve) {
            ASSERT_EQ(op.color, editor::CurveColor(o));
            ASSERT_EQ(op.width, 2);
        }
    }
    EXPECT_EQ(editor::CurveColor(3), ui::RGB(192, 0, 0));
    EXPECT_EQ(editor::CurveColor(7), ui::RGB(255, 128, 0));
    // The background is the magnitude image, painted at its recorded size.
    const auto& background = FrmImageOf(*s).Picture1.DisplayList();
    const auto& drawn = f.Picture1(0).DisplayList();
    ASSERT_GT(background.size(), 0u);
    EXPECT_EQ(drawn[0].x1, background[0].x1);
    EXPECT_EQ(drawn[0].y2, background[0].y2);
    EXPECT_EQ(s->ImgScaleW, 577);

    // Showing an output's tab repaints its picture.
    f.Picture1(1).Cls();
    f.SSTab1.UserSelectTab(2);
    EXPECT_TRUE(RowsAre(Curve(f, 1), [](int) { return 95.4; }));
}

TEST_F(GraphDrawing, StepAndOffsetSetTheScaleAndRedrawAtOnce) {
    FrmCtrl& f = OpenOn(3);
    ASSERT_TRUE(f.UpDown4(2).UserDown());
    EXPECT_EQ(f.Label16(2).Caption(), "5 ");
    EXPECT_EQ(Scale(f, 2), (std::vector<std::string>{"15", "10", "5", "0", "-5", "-10", "-15"}));
    for (int k = 0; k < 9; ++k) f.UpDown4(2).UserUp();
    EXPECT_EQ(f.UpDown4(2).Value(), 9);
    EXPECT_EQ(f.Label16(2).Caption(), "50 ");
    EXPECT_EQ(Scale(f, 2),
              (std::vector<std::string>{"150", "100", "50", "0", "-50", "-100", "-150"}));
    EXPECT_EQ(s->GraphScaleB[kSlot][2], 5.0f);

    for (int k = 0; k < 8; ++k) f.UpDown4(2).UserDown();
    ASSERT_EQ(f.UpDown4(2).Value(), 1);
    f.UpDown5(2).UserUp();
    EXPECT_EQ(f.Label18(2).Caption(), "10 ");
    EXPECT_EQ(Scale(f, 2), (std::vector<std::string>{"40", "30", "20", "10", "0", "-10", "-20"}));
    EXPECT_EQ(s->GraphScaleA[kSlot][2], -10);
    // The 0 dB row is one division lower: the stored curve is redrawn, not recomputed.
    EXPECT_TRUE(RowsAre(Curve(f, 2), [](int) { return MagRow(-10); }));
    for (int k = 0; k < 13; ++k) f.UpDown5(2).UserDown();
    EXPECT_EQ(f.Label18(2).Caption(), "-120 ");
    EXPECT_EQ(Scale(f, 2),
              (std::vector<std::string>{"-90", "-100", "-110", "-120", "-130", "-140", "-150"}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(GraphDrawing, TheLevelMovesTheMagnitudeCurveUnlessItIsBypassed) {
    FrmCtrl& f = OpenOn(2);
    Enter(f.Text1(9), "-5");
    EXPECT_TRUE(RowsAre(Curve(f, 1), [](int) { return MagRow(-5); }));
    f.Command90(9).UserClick();
    EXPECT_TRUE(RowsAre(Curve(f, 1), [](int) { return 95.4; }));
    f.Command90(9).UserClick();
    f.Option4(1).UserClick();
    EXPECT_TRUE(RowsAre(Curve(f, 1), [](int) { return 95.4; })) << "no level in the phase view";
}

TEST_F(GraphDrawing, CurvesAreDrawnInLogicalPixelsAtAnyScreenScale) {
    for (double dpiScale : {1.0, 0.8, 0.5}) {
        s = NewState(host);
        Prepare(kSlot);
        s->DpiScale = dpiScale;
        model::InitGraphConstants(*s);
        FrmCtrl& f = OpenOn(1);
        Enter(f.Text4(1), "2500");
        Enter(f.Text12(1), "9");
        const editor::Curve& mag = Stored().OutMagTotal[0];
        EXPECT_TRUE(RowsAre(Curve(f, 0), [&](int i) { return MagRow(mag[i]); })) << dpiScale;
        f.Option4(0).UserClick();
        const editor::Curve& phase = Stored().OutPhaseTotal[0];
        EXPECT_TRUE(RowsAre(Curve(f, 0), [&](int i) { return PhaseRow(phase[i]); })) << dpiScale;
        EXPECT_NEAR(Stored().OutMagTotal[0][575], 0, 0.1) << "the grid reaches 20 kHz";
        s->DevOffline[kSlot] = true;
        f.Unload();
    }
}

TEST_F(GraphDrawing, ThePhaseViewDrawsTheFoldedTotalWithThePolarity) {
    FrmCtrl& f = OpenOn(1);
    Enter(f.Text8(0), "2000");
    f.Combo2(0).UserSelect(8);  // "Bessel -24dB": a phase of several half-turns
    f.Check2(8).UserClick();    // inverted
    f.Option4(0).UserClick();
    const editor::Curve& phase = Stored().OutPhaseTotal[0];
    for (double p : phase) ASSERT_LE(std::abs(p), 180.0);
    EXPECT_TRUE(RowsAre(Curve(f, 0), [&](int i) { return PhaseRow(phase[i]); }));
    EXPECT_NEAR(phase[0], -180 + Stored().XoverPhase[0][0], 0.01);

    // In the "Mag" view the phase total is stored as the plain sum, neither inverted nor
    // folded.
    f.Option3(0).UserClick();
    Enter(f.Text8(1), "100");
    f.Combo2(1).UserSelect(6);  // low-pass "Buttw -24dB": towards -360 degrees
    const double sum = Stored().XoverPhase[0][575] + Stored().XoverPhase[1][575];
    EXPECT_LT(sum, -180);
    EXPECT_EQ(phase[575], sum);
    f.Option4(0).UserClick();
    EXPECT_NEAR(phase[575], sum - 180 + 360, 1e-9);
}

TEST_F(GraphDrawing, WhileTheGraphIsHeldOnlyTheBackgroundIsPainted) {
    FrmCtrl& f = OpenOn(1);
    s->GraphHold = 1;
    Enter(f.Text12(0), "6");
    EXPECT_TRUE(Curve(f, 0).empty());
    EXPECT_FALSE(f.Picture1(0).DisplayList().empty());
    EXPECT_NEAR(Stored().OutMagTotal[0][325], 6, 0.5) << "computed and stored all the same";
    s->GraphHold = 0;
    ModGraph::RedrawGraphCtrl(*s, 8);
    EXPECT_EQ(Curve(f, 0).size(), static_cast<size_t>(GraphPoints));
}

TEST_F(GraphDrawing, TheCurveEntersFromTheLeftOnTheMiddleRow) {
    FrmCtrl& f = OpenOn(5);
    Enter(f.Text8(8), "1000");
    f.Combo2(8).UserSelect(6);  // high-pass "Buttw -24dB" at 1000 Hz: -240 dB at 20 Hz
    const auto curve = Curve(f, 4);
    ASSERT_TRUE(RowsAre(curve, [&](int i) { return MagRow(Stored().OutMagTotal[4][i]); }));
    EXPECT_GT(curve[0].y2, 500) << "-136 dB";
    EXPECT_EQ(curve[1].x1, 0);
    EXPECT_EQ(curve[1].y1, curve[0].y2);
}

}  // namespace
