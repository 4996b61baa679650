#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "GraphFixture.h"
#include "ResponseReference.h"
#include "editor/OutputResponse.h"
#include "editor/PhaseRule.h"

namespace {

using editor::ComputeEqOutBand;
using editor::ComputeOutput;
using editor::ComputeXover;
using editor::GraphView;
using graphtest::CurveNear;
using graphtest::GraphFixture;

// Output c of dev with five bands of every kind, a crossover pair and a delay.
struct Channel {
    int16_t dev, c;
    int32_t delay;
    double hpCode, hpFreq, lpCode, lpFreq;
};

void Configure(GraphFixture& fx, const Channel& ch) {
    const int16_t b = 5 * ch.c;
    fx.SetOutBand(ch.dev, b, 0, 9, 120, 2.5);
    fx.SetOutBand(ch.dev, b + 1, 1, -6, 3000, 0.7);
    fx.SetOutBand(ch.dev, b + 2, 2, 4.5, 200, 9.0);
    fx.SetOutBand(ch.dev, b + 3, 0, -12, 6300, 10);
    fx.SetOutBand(ch.dev, b + 4, 1, 12, 40, 0.4);
    fx.SetXover(ch.dev, 2 * ch.c, ch.hpCode, ch.hpFreq);
    fx.SetXover(ch.dev, 2 * ch.c + 1, ch.lpCode, ch.lpFreq);
    fx.ms->OutDelaySamples[ch.dev][ch.c] = ch.delay;
}

// The output's terms as the editor computes them, one sweep each, in the given order of
// bands (0..4) and filters (5 high-pass, 6 low-pass).
void ComputeTerms(GraphFixture& fx, const Channel& ch, const std::vector<int>& order,
                  GraphView view) {
    for (int t : order) {
        if (t < 5) {
            ASSERT_TRUE(ComputeEqOutBand(fx.gs, *fx.ms, ch.dev, 5 * ch.c + t, view));
        } else {
            ASSERT_TRUE(ComputeXover(fx.gs, *fx.ms, ch.dev, 2 * ch.c + t - 5, view));
        }
    }
}

struct References {
    std::vector<double> mag, phase;
};

References OutputReference(const Channel& ch) {
    using namespace reftest;
    const Prototype bands =
        Product({EqBand(0, 9, 120, 2.5), EqBand(1, -6, 3000, 0.7), EqBand(2, 4.5, 200, 9.0),
                 EqBand(0, -12, 6300, 10), EqBand(1, 12, 40, 0.4)});
    const int hp = static_cast<int>(ch.hpCode), lp = static_cast<int>(ch.lpCode);
    return {MagDb(Product({bands, XoverMag(hp, true, ch.hpFreq), XoverMag(lp, false, ch.lpFreq)})),
            PhaseDeg(Product({bands, XoverPhase(hp, true, ch.hpFreq),
                              XoverPhase(lp, false, ch.lpFreq), Delay(ch.delay)}))};
}

const Channel Speaker{4, 2, 264, 7, 90, 6, 2500};

void ExpectSameCurves(const editor::DeviceCurves& a, const editor::DeviceCurves& b) {
    EXPECT_EQ(a.EqOutBandMag, b.EqOutBandMag);
    EXPECT_EQ(a.EqOutBandPhase, b.EqOutBandPhase);
    EXPECT_EQ(a.XoverMag, b.XoverMag);
    EXPECT_EQ(a.XoverPhase, b.XoverPhase);
    EXPECT_EQ(a.DelayPhase, b.DelayPhase);
    EXPECT_EQ(a.OutMagTotal, b.OutMagTotal);
    EXPECT_EQ(a.OutPhaseTotal, b.OutPhaseTotal);
}

TEST(OutputTotals, MatchTheProductOfTheOutputsPrototypes) {
    for (const Channel& ch :
         {Speaker, Channel{0, 0, 0, 8, 20, 4, 20000}, Channel{64, 7, 18288, 5, 1000, 1, 1000},
          Channel{1, 1, 48, 3, 300, 0, 1000}}) {
        GraphFixture fx;
        Configure(fx, ch);
        ComputeTerms(fx, ch, {5, 6, 0, 1, 2, 3, 4}, GraphView::Mag);
        const References ref = OutputReference(ch);
        SCOPED_TRACE(testing::Message() << "device " << ch.dev << " output " << ch.c);
        EXPECT_TRUE(CurveNear(fx.Curves(ch.dev).OutMagTotal[ch.c], ref.mag, 1e-9));
        EXPECT_TRUE(CurveNear(fx.Curves(ch.dev).OutPhaseTotal[ch.c], ref.phase, 0.01));
        EXPECT_TRUE(CurveNear(fx.Curves(ch.dev).DelayPhase[ch.c],
                              reftest::PhaseDeg(reftest::Delay(ch.delay)), 0.01));
    }
}

TEST(OutputTotals, ThePhaseViewShowsThePolarityFolded) {
    for (bool inverted : {false, true}) {
        GraphFixture fx;
        Configure(fx, Speaker);
        fx.SetPolarity(Speaker.dev, 1, Speaker.c, inverted);
        fx.SetPolarity(Speaker.dev, 0, Speaker.c, !inverted);  // the input's bit: not read
        ComputeTerms(fx, Speaker, {0, 1, 2, 3, 4, 5, 6}, GraphView::Phase);
        const References ref = OutputReference(Speaker);
        const editor::Curve& shown = fx.Curves(Speaker.dev).OutPhaseTotal[Speaker.c];
        for (int i = 0; i < model::GraphPoints; ++i) {
            ASSERT_LE(std::abs(shown[i]), 180.0);
            ASSERT_LT(reftest::CircleDistance(shown[i], ref.phase[i] - (inverted ? 180 : 0)), 0.01)
                << "point " << i;
        }
        EXPECT_TRUE(CurveNear(fx.Curves(Speaker.dev).OutMagTotal[Speaker.c], ref.mag, 1e-9));
    }
}

TEST(OutputTotals, TheMagnitudeViewStoresThePlainSum) {
    GraphFixture fx;
    Configure(fx, Speaker);
    fx.SetPolarity(Speaker.dev, 1, Speaker.c, true);
    ComputeTerms(fx, Speaker, {0, 1, 2, 3, 4, 5, 6}, GraphView::Mag);
    const editor::DeviceCurves& dc = fx.Curves(Speaker.dev);
    const int c = Speaker.c;
    double beyond = 0;
    for (int i = 0; i < model::GraphPoints; ++i) {
        double sum = 0;
        for (int b = 0; b < 5; ++b) sum += dc.EqOutBandPhase[5 * c + b][i];
        sum += dc.XoverPhase[2 * c][i];
        sum += dc.XoverPhase[2 * c + 1][i];
        sum += dc.DelayPhase[c][i];
        EXPECT_EQ(dc.OutPhaseTotal[c][i], sum);
        beyond = std::max(beyond, std::abs(sum));
    }
    EXPECT_GT(beyond, 180) << "unfolded";
}

TEST(OutputTotals, AnyOrderOfSweepsGivesTheSameCurves) {
    const Channel other{3, 2, 1000, 8, 45, 2, 12000};
    GraphFixture a;
    GraphFixture b;
    for (GraphFixture* fx : {&a, &b}) {
        Configure(*fx, Speaker);
        Configure(*fx, other);
        fx->SetPolarity(Speaker.dev, 1, Speaker.c, true);
    }
    for (GraphView view : {GraphView::Mag, GraphView::Phase}) {
        // a: crossovers before the equaliser, one device after the other.
        ComputeTerms(a, Speaker, {5, 6, 0, 1, 2, 3, 4}, view);
        ComputeTerms(a, other, {5, 6, 0, 1, 2, 3, 4}, view);
        // b: the devices interleaved, crossovers after the equaliser, then the crossovers
        // once more after a band.
        for (int t : {4, 3, 2}) {
            ComputeTerms(b, other, {t}, view);
            ComputeTerms(b, Speaker, {t}, view);
        }
        ComputeTerms(b, other, {6, 1, 0, 5}, view);
        ComputeTerms(b, Speaker, {1, 6, 0, 5, 2, 5, 6}, view);
        for (const Channel& ch : {Speaker, other})
            ExpectSameCurves(a.Curves(ch.dev), b.Curves(ch.dev));
    }
}

TEST(OutputTotals, OneSweepOfTheWholeOutputEqualsItsTermsOneByOne) {
    for (GraphView view : {GraphView::Mag, GraphView::Phase}) {
        GraphFixture one;
        GraphFixture terms;
        for (GraphFixture* fx : {&one, &terms}) {
            Configure(*fx, Speaker);
            fx->SetPolarity(Speaker.dev, 1, Speaker.c, true);
        }
        ASSERT_TRUE(ComputeOutput(one.gs, *one.ms, Speaker.dev, Speaker.c, view));
        ComputeTerms(terms, Speaker, {0, 1, 2, 3, 4, 5, 6}, view);
        ExpectSameCurves(one.Curves(Speaker.dev), terms.Curves(Speaker.dev));
    }
}

TEST(OutputTotals, ATermNotRecomputedKeepsItsStoredCurve) {
    GraphFixture fx;
    Configure(fx, Speaker);
    ComputeTerms(fx, Speaker, {0, 1, 2, 3, 4, 5, 6}, GraphView::Mag);
    const int hp = 2 * Speaker.c;
    const editor::Curve lowPass = fx.Curves(Speaker.dev).XoverMag[hp + 1];
    const editor::Curve highPassBefore = fx.Curves(Speaker.dev).XoverMag[hp];
    // Changing the record alone changes nothing stored; recomputing the high-pass leaves the
    // low-pass as it was and both enter the totals.
    fx.SetXover(Speaker.dev, hp + 1, 2, 800);
    fx.SetXover(Speaker.dev, hp, 0, 90);
    ASSERT_TRUE(ComputeXover(fx.gs, *fx.ms, Speaker.dev, hp, GraphView::Mag));
    const editor::DeviceCurves& dc = fx.Curves(Speaker.dev);
    EXPECT_EQ(dc.XoverMag[hp + 1], lowPass);
    EXPECT_NE(dc.XoverMag[hp], highPassBefore);
    for (int i = 0; i < model::GraphPoints; ++i) {
        EXPECT_EQ(dc.XoverMag[hp][i], 0.0) << "bypass";
        EXPECT_EQ(dc.XoverPhase[hp][i], 0.0);
        double bands = 0;
        for (int b = 0; b < 5; ++b) bands += dc.EqOutBandMag[5 * Speaker.c + b][i];
        EXPECT_DOUBLE_EQ(dc.OutMagTotal[Speaker.c][i], bands + lowPass[i]);
    }
}

TEST(OutputTotals, AnUnknownTypeCodeKeepsTheStoredCurveButUpdatesTheTotals) {
    GraphFixture fx;
    Configure(fx, Speaker);
    ComputeTerms(fx, Speaker, {0, 1, 2, 3, 4, 5, 6}, GraphView::Mag);
    const editor::DeviceCurves before = fx.Curves(Speaker.dev);
    fx.SetXover(Speaker.dev, 2 * Speaker.c, 9, 500);
    fx.ms->EqOutType[Speaker.dev][5 * Speaker.c] = 3;
    fx.ms->OutDelaySamples[Speaker.dev][Speaker.c] = 0;
    ComputeTerms(fx, Speaker, {5, 0}, GraphView::Mag);
    const editor::DeviceCurves& dc = fx.Curves(Speaker.dev);
    EXPECT_EQ(dc.XoverMag, before.XoverMag);
    EXPECT_EQ(dc.XoverPhase, before.XoverPhase);
    EXPECT_EQ(dc.EqOutBandMag, before.EqOutBandMag);
    EXPECT_EQ(dc.EqOutBandPhase, before.EqOutBandPhase);
    EXPECT_EQ(dc.OutMagTotal, before.OutMagTotal);
    EXPECT_NE(dc.OutPhaseTotal, before.OutPhaseTotal) << "the delay went to 0";
    for (int i = 0; i < model::GraphPoints; ++i) EXPECT_EQ(dc.DelayPhase[Speaker.c][i], 0.0);
}

TEST(DelayPhase, TurnsOnceAKilohertzPerMillisecond) {
    EXPECT_NEAR(editor::CalcDelayPhase(48, 1000), -360.00005, 1e-5);
    EXPECT_NEAR(editor::CalcDelayPhase(48, 2000), -720.0001, 1e-4);
    EXPECT_EQ(editor::CalcDelayPhase(0, 20000), 0.0);
    GraphFixture fx;
    Configure(fx, Speaker);
    fx.ms->OutDelaySamples[Speaker.dev][Speaker.c] = 48;
    ComputeTerms(fx, Speaker, {3}, GraphView::Phase);
    const editor::Curve& delay = fx.Curves(Speaker.dev).DelayPhase[Speaker.c];
    EXPECT_NEAR(delay[575], -0.0075000011 * 20000 * 48, 1e-3) << "not folded";
}

TEST(OutputSweep, HandsOnEachPointInOrderOnceItIsStored) {
    GraphFixture fx;
    Configure(fx, Speaker);
    std::vector<double> seen;
    const editor::DeviceCurves* dc = nullptr;
    auto draw = [&](int16_t i) {
        EXPECT_EQ(i, static_cast<int16_t>(seen.size()));
        seen.push_back(dc ? dc->OutMagTotal[Speaker.c][i] : NAN);
    };
    dc = fx.gs.MutableCurves(Speaker.dev);
    ComputeTerms(fx, Speaker, {0, 1, 2, 3, 4, 6}, GraphView::Mag);
    ASSERT_TRUE(ComputeXover(fx.gs, *fx.ms, Speaker.dev, 2 * Speaker.c, GraphView::Mag, draw));
    ASSERT_EQ(seen.size(), 576u);
    for (int i = 0; i < model::GraphPoints; ++i) EXPECT_EQ(seen[i], dc->OutMagTotal[Speaker.c][i]);
    seen.clear();
    ASSERT_TRUE(ComputeOutput(fx.gs, *fx.ms, Speaker.dev, Speaker.c, GraphView::Phase, draw));
    EXPECT_EQ(seen.size(), 576u);
}

TEST(OutputSweep, RefusesIndicesOutOfRange) {
    GraphFixture fx;
    EXPECT_FALSE(ComputeEqOutBand(fx.gs, *fx.ms, 65, 0, GraphView::Mag));
    EXPECT_FALSE(ComputeEqOutBand(fx.gs, *fx.ms, -1, 0, GraphView::Mag));
    EXPECT_FALSE(ComputeEqOutBand(fx.gs, *fx.ms, 0, 40, GraphView::Mag));
    EXPECT_FALSE(ComputeXover(fx.gs, *fx.ms, 0, 16, GraphView::Mag));
    EXPECT_FALSE(ComputeXover(fx.gs, *fx.ms, 0, -1, GraphView::Mag));
    EXPECT_FALSE(ComputeOutput(fx.gs, *fx.ms, 0, 8, GraphView::Mag));
    EXPECT_TRUE(ComputeOutput(fx.gs, *fx.ms, 0, 7, GraphView::Mag)) << "an empty record";
    for (double v : fx.Curves(0).OutMagTotal[7]) ASSERT_TRUE(std::isfinite(v));
}

}  // namespace
