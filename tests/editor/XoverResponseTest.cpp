#include <gtest/gtest.h>

#include <cmath>

#include "GraphFixture.h"
#include "ResponseReference.h"
#include "editor/OutputResponse.h"
#include "editor/XoverResponse.h"
#include "model/ResponseGrid.h"

namespace {

using editor::GraphView;
using editor::XoverResponse;
using graphtest::CurveNear;
using graphtest::GraphFixture;

TEST(Xover, EveryTypeCodeMatchesItsPrototypeAtEveryPoint) {
    GraphFixture fx;
    const int16_t dev = 11;
    // 20 Hz, 20 kHz and a grid frequency put corners exactly on grid points.
    for (double fc : {20.0, model::GridFreq[230], 80.0, 1000.0, 5000.0, 20000.0}) {
        for (int code = 0; code <= 8; ++code) {
            for (int16_t n : {6, 7}) {  // output 3: high-pass, low-pass
                const bool hp = n == 6;
                fx.SetXover(dev, n, code, fc);
                ASSERT_TRUE(editor::ComputeXover(fx.gs, *fx.ms, dev, n, GraphView::Mag));
                SCOPED_TRACE(testing::Message()
                             << "code " << code << (hp ? " high-pass " : " low-pass ") << fc);
                EXPECT_TRUE(CurveNear(fx.Curves(dev).XoverMag[n],
                                      reftest::MagDb(reftest::XoverMag(code, hp, fc)), 1e-9));
                EXPECT_TRUE(CurveNear(fx.Curves(dev).XoverPhase[n],
                                      reftest::PhaseDeg(reftest::XoverPhase(code, hp, fc)), 0.01));
            }
        }
    }
}

TEST(Xover, RoundedQualityFactorsStayWithinAHundredthOfADegree) {
    // The phases use the tables' quality factors 0.707, 1.307 and 0.541; the filters whose
    // magnitude is drawn have the exact ones.
    for (double fc : {20.0, 700.0, 20000.0}) {
        for (int code : {2, 6, 7}) {
            for (bool hp : {false, true}) {
                const XoverResponse filter(static_cast<int16_t>(code), hp, fc);
                const std::vector<double> exact =
                    reftest::PhaseDeg(reftest::XoverMag(code, hp, fc));
                for (int i = 0; i < model::GraphPoints; ++i)
                    EXPECT_NEAR(filter.At(model::GridFreq[i]).phase, exact[i], 0.01) << code;
            }
        }
    }
}

TEST(Xover, CornerValuesOfEveryFamily) {
    const double fc = 1000;
    for (bool hp : {false, true}) {
        for (int16_t code : {1, 2, 5, 6})
            EXPECT_NEAR(XoverResponse(code, hp, fc).At(fc).mag, -3.0103, 1e-4) << code;
        for (int16_t code : {3, 7})
            EXPECT_NEAR(XoverResponse(code, hp, fc).At(fc).mag, -6.0206, 1e-4) << code;
        EXPECT_NEAR(XoverResponse(4, hp, fc).At(fc).mag, -5.743, 1e-3);
        EXPECT_NEAR(XoverResponse(8, hp, fc).At(fc).mag, -7.668, 1e-3);
    }
    EXPECT_NEAR(XoverResponse(1, false, fc).At(fc).phase, -45.0000065, 1e-7);
    EXPECT_NEAR(XoverResponse(1, true, fc).At(fc).phase, 45.0000065, 1e-7);
    EXPECT_NEAR(XoverResponse(4, false, fc).At(20).mag, -0.0021, 1e-4);
}

TEST(Xover, HighAndLowPassMirrorEachOther) {
    for (int16_t code = 1; code <= 8; ++code) {
        const XoverResponse lp(code, false, 1000);
        const XoverResponse hp(code, true, 1000);
        for (double f : {31.0, 250.0, 999.0, 4400.0})
            EXPECT_NEAR(lp.At(f).mag, hp.At(1000 * 1000 / f).mag, 1e-9) << code << " " << f;
    }
    // Linkwitz-Riley 24: the high-pass leads the low-pass by two half-turns everywhere.
    const XoverResponse lp(editor::XoLRiley24, false, 2000);
    const XoverResponse hp(editor::XoLRiley24, true, 2000);
    for (double f : model::GridFreq)
        EXPECT_NEAR(hp.At(f).phase - lp.At(f).phase, 2 * 180.000026, 1e-5);
}

TEST(Xover, BesselPhaseBelongsToTheDrawnMagnitude) {
    // The -12 dB Bessel low-pass at fc is the polynomial s^2 + 3s + 3 at s = j / 0.52: its
    // phase passes -90 where that polynomial's corner lies, sqrt(3) * 0.52 * fc.
    const double fc = 1000;
    const XoverResponse lp(editor::XoBessel12, false, fc);
    const XoverResponse hp(editor::XoBessel12, true, fc);
    EXPECT_NEAR(lp.At(std::sqrt(3.0) * 0.52 * fc).phase, -90, 1e-4);
    EXPECT_NEAR(hp.At(fc / (std::sqrt(3.0) * 0.52)).phase, 90, 1e-4);
    const XoverResponse lp24(editor::XoBessel24, false, fc);
    EXPECT_NEAR(lp24.At(std::sqrt(3.0) * 0.649 * fc).phase, -180, 1e-3);
    // Mirrored about fc like the magnitudes.
    for (double f : {100.0, 700.0, 3000.0}) {
        EXPECT_NEAR(lp.At(f).phase, -hp.At(fc * fc / f).phase, 1e-3);
        EXPECT_NEAR(lp24.At(f).phase,
                    -XoverResponse(editor::XoBessel24, true, fc).At(fc * fc / f).phase, 1e-3);
    }
}

TEST(Xover, BypassIsFlatAndUnknownCodesAreNotComputed) {
    const XoverResponse bypass(editor::XoBypass, false, 1000);
    EXPECT_TRUE(bypass.Known());
    for (double f : model::GridFreq) {
        EXPECT_EQ(bypass.At(f).mag, 0.0);
        EXPECT_EQ(bypass.At(f).phase, 0.0);
    }
    EXPECT_FALSE(XoverResponse(9, false, 1000).Known());
    EXPECT_FALSE(XoverResponse(-1, true, 1000).Known());
    // A corner frequency of 0 from a damaged record is taken as 20 Hz.
    const XoverResponse damaged(editor::XoButtw24, false, 0);
    const XoverResponse lowest(editor::XoButtw24, false, 20);
    for (double f : model::GridFreq) EXPECT_EQ(damaged.At(f).mag, lowest.At(f).mag);
}

}  // namespace
