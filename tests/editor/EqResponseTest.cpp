#include <gtest/gtest.h>

#include <cmath>

#include "GraphFixture.h"
#include "ResponseReference.h"
#include "editor/EqResponse.h"
#include "editor/InputResponse.h"
#include "editor/OutputResponse.h"

namespace {

using editor::EqBandResponse;
using editor::GraphView;
using graphtest::CurveNear;
using graphtest::GraphFixture;

constexpr double MagTol = 1e-9;
constexpr double PhaseTol = 0.01;

struct BandCase {
    int16_t type;
    double gain, f0, q;
};

std::vector<BandCase> BandCases() {
    std::vector<BandCase> cases;
    for (int16_t type : {0, 1, 2}) {
        for (double gain : {-12.0, -5.5, 0.5, 12.0}) {
            for (double q : {0.4, 1.0, 4.3, 10.0}) {
                // 20 Hz and 20 kHz put f0 on the grid's first and last point.
                for (double f0 : {20.0, 63.0, 1000.0, 12000.0, 20000.0})
                    cases.push_back({type, gain, f0, q});
            }
        }
    }
    return cases;
}

TEST(OutputEqBand, EveryKindMatchesItsPrototypeAtEveryPoint) {
    GraphFixture fx;
    const int16_t dev = 5;
    const int16_t n = 17;  // output 3, band 2
    for (const BandCase& c : BandCases()) {
        fx.SetOutBand(dev, n, c.type, c.gain, c.f0, c.q);
        ASSERT_TRUE(editor::ComputeEqOutBand(fx.gs, *fx.ms, dev, n, GraphView::Mag));
        const reftest::Prototype ref = reftest::EqBand(c.type, c.gain, c.f0, c.q);
        SCOPED_TRACE(testing::Message()
                     << "type " << c.type << ", " << c.gain << " dB, " << c.f0 << " Hz, Q " << c.q);
        EXPECT_TRUE(CurveNear(fx.Curves(dev).EqOutBandMag[n], reftest::MagDb(ref), MagTol));
        EXPECT_TRUE(CurveNear(fx.Curves(dev).EqOutBandPhase[n], reftest::PhaseDeg(ref), PhaseTol));
    }
}

TEST(InputEqBand, EveryKindMatchesItsPrototypeAndTheTotalsSumTheThreeBands) {
    GraphFixture fx;
    const int16_t dev = 9;
    const std::vector<BandCase> cases = BandCases();
    for (size_t k = 0; k + 2 < cases.size(); k += 7) {
        const BandCase bands[3] = {cases[k], cases[k + 1], cases[k + 2]};
        std::vector<reftest::Prototype> parts;
        for (int16_t b = 0; b < 3; ++b) {
            const BandCase& c = bands[b];
            fx.SetInBand(dev, b, c.gain, c.f0, c.q);
            ASSERT_TRUE(editor::ComputeEqInBand(fx.gs, *fx.ms, dev, 4, b, c.type, GraphView::Mag));
            const reftest::Prototype ref = reftest::EqBand(c.type, c.gain, c.f0, c.q);
            EXPECT_TRUE(CurveNear(fx.gs.EqIn.EqInBandMag[b], reftest::MagDb(ref), MagTol));
            EXPECT_TRUE(CurveNear(fx.gs.EqIn.EqInBandPhase[b], reftest::PhaseDeg(ref), PhaseTol));
            parts.push_back(ref);
        }
        const reftest::Prototype total = reftest::Product(parts);
        EXPECT_TRUE(CurveNear(fx.gs.EqIn.EqInMagTotal, reftest::MagDb(total), 3 * MagTol));
        EXPECT_TRUE(CurveNear(fx.gs.EqIn.EqInPhaseTotal, reftest::PhaseDeg(total), PhaseTol));
    }
}

TEST(InputEqBand, ThePhaseViewShowsTheInputsPolarity) {
    GraphFixture fx;
    const int16_t dev = 2;
    fx.SetInBand(dev, 0, 9, 300, 0.7);
    fx.SetInBand(dev, 1, -4, 2500, 3);
    fx.SetInBand(dev, 2, 6, 8000, 1);
    fx.SetPolarity(dev, 0, 6, true);
    for (int16_t b = 0; b < 3; ++b)
        editor::ComputeEqInBand(fx.gs, *fx.ms, dev, 6, b, b, GraphView::Mag);
    const editor::Curve plain = fx.gs.EqIn.EqInPhaseTotal;
    const editor::Curve mag = fx.gs.EqIn.EqInMagTotal;
    editor::ComputeEqInBand(fx.gs, *fx.ms, dev, 6, 2, 2, GraphView::Phase);
    EXPECT_EQ(fx.gs.EqIn.EqInMagTotal, mag);
    for (int i = 0; i < model::GraphPoints; ++i) {
        EXPECT_LE(std::abs(fx.gs.EqIn.EqInPhaseTotal[i]), 180);
        EXPECT_LT(reftest::CircleDistance(fx.gs.EqIn.EqInPhaseTotal[i], plain[i] - 180), 1e-9);
    }
    // Input 5 is not inverted.
    editor::ComputeEqInBand(fx.gs, *fx.ms, dev, 5, 2, 2, GraphView::Phase);
    EXPECT_EQ(fx.gs.EqIn.EqInPhaseTotal, plain) << "within -180..+180 already";
}

TEST(InputEqBand, FlatBandsGiveAFlatLineInBothViews) {
    GraphFixture fx;
    for (int16_t b = 0; b < 3; ++b) {
        fx.SetInBand(0, b, 0, 1000 * (b + 1), 2);
        editor::ComputeEqInBand(fx.gs, *fx.ms, 0, 0, b, 0, GraphView::Phase);
    }
    for (int i = 0; i < model::GraphPoints; ++i) {
        EXPECT_EQ(fx.gs.EqIn.EqInMagTotal[i], 0.0);
        EXPECT_EQ(fx.gs.EqIn.EqInPhaseTotal[i], 0.0);
    }
}

TEST(EqBandResponse, HoldsTheBandsSpotValues) {
    const EqBandResponse flat({editor::PeakEq, 0, 1000, 1});
    for (double f : model::GridFreq) {
        EXPECT_EQ(flat.At(f).mag, 0.0);
        EXPECT_EQ(flat.At(f).phase, 0.0);
    }
    const EqBandResponse peak({editor::PeakEq, 12, 1000, 1});
    EXPECT_NEAR(peak.At(1000).mag, 12, 1e-12);
    EXPECT_NEAR(peak.At(1000).phase, 0, 1e-12);
    // Q |f0/f - f/f0| = 1 at 1000 (sqrt(5) -+ 1) / 2 Hz: half the gain.
    EXPECT_NEAR(peak.At(500 * (std::sqrt(5.0) - 1)).mag, 6, 1e-12);
    EXPECT_NEAR(peak.At(500 * (std::sqrt(5.0) + 1)).mag, 6, 1e-12);
    EXPECT_GT(peak.At(500 * (std::sqrt(5.0) - 1)).phase, 0) << "a boost leads below f0";
    EXPECT_LT(peak.At(500 * (std::sqrt(5.0) + 1)).phase, 0);

    const EqBandResponse high({editor::HiShelf, 12, 1000, 0.7});
    const EqBandResponse low({editor::LoShelf, 12, 1000, 0.7});
    EXPECT_NEAR(high.At(1000).mag, 6, 1e-12);
    EXPECT_NEAR(low.At(1000).mag, 6, 1e-12);
    EXPECT_NEAR(high.At(20).mag, 0, 0.01);
    EXPECT_NEAR(high.At(20000).mag, 12, 0.01);
    EXPECT_NEAR(low.At(20).mag, 12, 0.01);
    EXPECT_NEAR(low.At(20000).mag, 0, 0.01);
}

TEST(EqBandResponse, ASteepShelfRunsPast90DegreesAndBack) {
    // With a high Q the shelf's phase leaves -90..+90 near f0; the quadrant carries it on.
    const EqBandResponse shelf({editor::HiShelf, 12, 1000, 10});
    double most = 0;
    double prev = shelf.At(model::GridFreq[0]).phase;
    for (double f : model::GridFreq) {
        const double p = shelf.At(f).phase;
        EXPECT_LT(std::abs(p - prev), 60) << f << " Hz";
        most = std::max(most, p);
        prev = p;
    }
    EXPECT_GT(most, 90);
    EXPECT_NEAR(shelf.At(20000).phase, 0, 2);
}

TEST(EqBandResponse, TakesDamagedValuesAtTheEndsOfTheirRanges) {
    const EqBandResponse damaged({editor::LoShelf, 40, 0, 0});
    const EqBandResponse ends({editor::LoShelf, 12, 20, 0.4});
    const EqBandResponse nan({editor::PeakEq, std::nan(""), std::nan(""), std::nan("")});
    for (double f : model::GridFreq) {
        EXPECT_EQ(damaged.At(f).mag, ends.At(f).mag);
        EXPECT_EQ(damaged.At(f).phase, ends.At(f).phase);
        EXPECT_TRUE(std::isfinite(nan.At(f).mag));
        EXPECT_TRUE(std::isfinite(nan.At(f).phase));
    }
    EXPECT_FALSE(EqBandResponse({3, 6, 1000, 1}).Known());
    EXPECT_TRUE(EqBandResponse({2, 6, 1000, 1}).Known());
}

}  // namespace
