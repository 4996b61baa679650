#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "GraphFixture.h"
#include "editor/EqResponse.h"
#include "editor/PhaseRule.h"
#include "editor/XoverResponse.h"
#include "model/GraphConstants.h"
#include "model/ResponseGrid.h"

namespace {

using model::GridFreq;

TEST(ResponseGrid, SpansThreeDecadesInLogicalPixelsAtAnyScreenScale) {
    EXPECT_EQ(GridFreq[0], 20.0);
    EXPECT_NEAR(GridFreq[1], 20.24172, 1e-5);
    EXPECT_NEAR(GridFreq[575], 20000.0, 1e-9);
    EXPECT_NEAR(model::GridPtsPerDecade, 575.0 / 3, 1e-12);
    for (int i = 1; i < model::GraphPoints; ++i) ASSERT_GT(GridFreq[i], GridFreq[i - 1]);
    // It does not follow the screen scale.
    model::ModelState atHighDpi;
    atHighDpi.DpiScale = 0.8;
    model::InitGraphConstants(atHighDpi);
    EXPECT_NEAR(GridFreq[575], 20000.0, 1e-9) << "the grid is in logical units at any dpi";
}

double LoopFold(double x) {
    while (x < -180 || x > 180) x += x < -180 ? 360 : -360;
    return x;
}

TEST(FoldPhase180, FoldsByWholeTurnsKeepsTheEndsAndLeavesNoNumberAlone) {
    using editor::FoldPhase180;
    EXPECT_EQ(FoldPhase180(190), -170);
    EXPECT_EQ(FoldPhase180(-181), 179);
    EXPECT_EQ(FoldPhase180(540), 180);
    EXPECT_EQ(FoldPhase180(-540), -180);
    EXPECT_EQ(FoldPhase180(541), -179);
    EXPECT_EQ(FoldPhase180(180), 180);
    EXPECT_EQ(FoldPhase180(-180), -180);
    EXPECT_EQ(FoldPhase180(-37.5), -37.5);
    // Far out, as a long delay at 20 kHz gives: the same as stepping by 360 at a time.
    for (double x : {-2743200.0000411, 1234567.891, 180.0 + 360 * 7919, -180.0 - 360 * 11.5}) {
        EXPECT_EQ(FoldPhase180(x), LoopFold(x)) << x;
    }
    // Values that are no number are left alone.
    EXPECT_TRUE(std::isnan(FoldPhase180(std::nan(""))));
    EXPECT_EQ(FoldPhase180(-std::numeric_limits<double>::infinity()),
              -std::numeric_limits<double>::infinity());
}

TEST(SecondOrderSection, PassesMinus90AtItsCornerAndGoesOnSmoothly) {
    using editor::CalcPhase2ndHP;
    using editor::CalcPhase2ndLP;
    // f = f0 makes the denominator exactly 0: the guard keeps the sign of the numerator.
    EXPECT_NEAR(CalcPhase2ndLP(0.707, 1000, 1000), -90, 1e-4);
    EXPECT_NEAR(CalcPhase2ndHP(0.707, 1000, 1000), 90, 1e-4);
    EXPECT_NEAR(CalcPhase2ndLP(0.707, 1010, 1000), -90.8061, 1e-4);
    EXPECT_NEAR(CalcPhase2ndLP(0.707, 1e11, 1000), -180.000026, 2e-6);
    double prev = 0;
    for (int i = 0; i < model::GraphPoints; ++i) {
        const double lp = CalcPhase2ndLP(1.307, GridFreq[i], 450);
        EXPECT_LT(lp, prev) << "falls steadily, point " << i;
        EXPECT_NEAR(CalcPhase2ndHP(1.307, GridFreq[i], 450) - lp, 180.000026, 1e-6);
        prev = lp;
    }
}

TEST(QuadrantPhase, TakesTheHalfTurnFromTheSigns) {
    using editor::Pi;
    using editor::QuadrantPhase;
    EXPECT_EQ(QuadrantPhase(1, 1), std::atan(1.0));
    EXPECT_EQ(QuadrantPhase(-1, 1), std::atan(-1.0));
    EXPECT_EQ(QuadrantPhase(1, -1), std::atan(-1.0) + Pi);
    EXPECT_EQ(QuadrantPhase(-1, -1), std::atan(1.0) - Pi);
    EXPECT_EQ(QuadrantPhase(-2, 0), std::atan(-2 / 1e-17));
    EXPECT_EQ(QuadrantPhase(0.3, -0.0), std::atan(0.3 / 1e-17)) << "a zero of either sign";
    // A tangent that changes sign near 0 stays near 0, whatever came before.
    EXPECT_NEAR(QuadrantPhase(-0.1, 1), -0.0997, 1e-4);
    EXPECT_NEAR(QuadrantPhase(0.1, 1), 0.0997, 1e-4);
}

TEST(GraphState, GivesEachSlotItsCurvesOnFirstUse) {
    editor::GraphState gs;
    EXPECT_EQ(gs.Curves(3).OutMagTotal[2][100], 0.0);
    editor::DeviceCurves* dc = gs.MutableCurves(3);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->EqOutBandPhase[39][575], 0.0);
    dc->OutMagTotal[2][100] = 4.5;
    EXPECT_EQ(gs.MutableCurves(3), dc);
    EXPECT_EQ(gs.Curves(3).OutMagTotal[2][100], 4.5);
    EXPECT_EQ(gs.Curves(4).OutMagTotal[2][100], 0.0);
    EXPECT_EQ(gs.MutableCurves(65), nullptr);
    EXPECT_EQ(gs.MutableCurves(-1), nullptr);
    EXPECT_EQ(gs.Curves(-1).XoverMag[0][0], 0.0);
}

// A half-turn counter carried from point to point and from sweep to sweep, with one sign
// memory shared by every sweep: the scheme the quadrant rule replaces.
class CarriedCounter {
  public:
    void StartSweep() { turns_ = 0; }  // the sign memory is kept
    double Lp2(double q, double f, double f0) { return Section(q, f, f0, 0); }
    double Hp2(double q, double f, double f0) { return Section(q, f, f0, editor::Pi); }
    double Shelf(double num, double den) {
        if (den == 0) den = 1e-17;
        return (std::atan(num / den) - Count(num / den) * editor::Pi) * editor::DegPerRad;
    }

  private:
    double Section(double q, double f, double f0, double lift) {
        const double w = f / f0;
        const double num = -(w / q);
        double den = 1 - w * w;
        if (den == 0) den = 1e-17;
        const double a = std::atan(num / den) - Count(num / den) * editor::Pi;
        return (lift == 0 ? a : a + lift) * editor::DegPerRad;
    }
    int Count(double r) {
        const int now = (r > 0) - (r < 0);
        const double y = std::sin(std::atan(r));
        if (y > 0.6 && signPrev_ < 0 && now >= 1) {
            ++turns_;
        } else if (y < -0.6 && signPrev_ >= 1 && now < 0) {
            --turns_;
        }
        signPrev_ = now;
        return turns_;
    }
    int turns_ = 0;
    int signPrev_ = 0;
};

// Shelf tangent of the high shelf, as numerator and denominator.
void HighShelfTangent(double g, double f0, double q, double f, double& num, double& den) {
    const double a = std::pow(10.0, g / 40);
    const double w = f / f0;
    const double w2 = w * w;
    const double b = std::sqrt(a) * w / q;
    num = b * (a - w2 - 1 + a * w2);
    den = b * b + (1 - w2 * a) * (a - w2);
}

TEST(QuadrantPhase, EqualsACarriedCountWhereTheCountIsRight) {
    // Each sweep with a fresh counter, so that no earlier sweep's sign is carried in.
    for (double fc : {35.0, 1000.0, 12500.0}) {
        for (bool hp : {true, false}) {
            const editor::XoverResponse lr24(editor::XoLRiley24, hp, fc);
            const editor::XoverResponse bw24(editor::XoButtw24, hp, fc);
            CarriedCounter first;
            CarriedCounter second;
            for (int i = 0; i < model::GraphPoints; ++i) {
                const double f = GridFreq[i];
                const double p = hp ? first.Hp2(0.707, f, fc) : first.Lp2(0.707, f, fc);
                ASSERT_EQ(lr24.At(f).phase, p + p) << fc << " Hz, point " << i;
                const double p1 = hp ? second.Hp2(1.307, f, fc) : second.Lp2(1.307, f, fc);
                const double p2 = hp ? second.Hp2(0.541, f, fc) : second.Lp2(0.541, f, fc);
                ASSERT_EQ(bw24.At(f).phase, p1 + p2) << fc << " Hz, point " << i;
            }
        }
    }
    for (double g : {12.0, 6.5, -12.0}) {
        for (double q : {0.4, 2.0, 6.0}) {
            const editor::EqBandResponse shelf({editor::HiShelf, g, 800, q});
            CarriedCounter counter;
            for (int i = 0; i < model::GraphPoints; ++i) {
                double num = 0, den = 0;
                HighShelfTangent(g, 800, q, GridFreq[i], num, den);
                ASSERT_EQ(shelf.At(GridFreq[i]).phase, counter.Shelf(num, den))
                    << g << " dB, Q " << q << ", point " << i;
            }
        }
    }
}

TEST(QuadrantPhase, DoesNotTurnALowPassOverAfterAHighPass) {
    // A high-pass sweep leaves a positive tangent behind; a carried count then reads the
    // low-pass corner at the first point (20 Hz) as a turn the wrong way and draws the whole
    // curve half a turn off.
    CarriedCounter counter;
    const editor::XoverResponse lp(editor::XoButtw12, false, 20);
    counter.StartSweep();
    for (double f : GridFreq) counter.Hp2(0.707, f, 1000);
    counter.StartSweep();
    for (int i = 0; i < model::GraphPoints; ++i) {
        const double carried = counter.Lp2(0.707, GridFreq[i], 20);
        EXPECT_NEAR(carried - lp.At(GridFreq[i]).phase, 180.000026, 1e-5) << "point " << i;
    }
    EXPECT_NEAR(lp.At(20).phase, -90, 1e-4);
    EXPECT_NEAR(lp.At(GridFreq[575]).phase, -179.9, 0.1);
}

}  // namespace
