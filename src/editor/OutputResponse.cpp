#include "editor/OutputResponse.h"

#include <array>

#include "editor/EqResponse.h"
#include "editor/PhaseRule.h"
#include "editor/XoverResponse.h"
#include "model/ModelState.h"
#include "sys/Numeric.h"

namespace editor {

namespace {

EqBandResponse OutBand(const model::ModelState& ms, const model::DevParamRecord& dp, int16_t dev,
                       int n) {
    return EqBandResponse(
        {ms.EqOutType[dev][n], dp.OutEqGain()[n], dp.OutEqFreq()[n], dp.OutEqQ()[n]});
}

XoverResponse OutXover(const model::DevParamRecord& dp, int n) {
    return XoverResponse(sys::CInt(dp.XoverType()[n]), n % 2 == 0, dp.XoverFreq()[n]);
}

void StoreOutTotals(DeviceCurves& dc, int c, int i, GraphView view, bool inverted) {
    double mag = 0;
    double phase = 0;
    for (int b = 5 * c; b < 5 * c + 5; ++b) {
        mag += dc.EqOutBandMag[b][i];
        phase += dc.EqOutBandPhase[b][i];
    }
    mag += dc.XoverMag[2 * c][i];
    mag += dc.XoverMag[2 * c + 1][i];
    phase += dc.XoverPhase[2 * c][i];
    phase += dc.XoverPhase[2 * c + 1][i];
    phase += dc.DelayPhase[c][i];
    dc.OutMagTotal[c][i] = mag;
    dc.OutPhaseTotal[c][i] = view == GraphView::Phase ? ShownPhase(phase, inverted) : phase;
}

// Runs term(i, f) at every point, then stores the totals of output c and hands the point on.
template <typename Term>
void SweepOutput(DeviceCurves& dc, const model::ModelState& ms, int16_t dev, int16_t c,
                 GraphView view, const PointSink& onPoint, Term term) {
    const bool inverted = OutputInverted(ms, dev, c);
    for (int16_t i = 0; i < model::GraphPoints; ++i) {
        term(i, model::GridFreq[i]);
        StoreOutTotals(dc, c, i, view, inverted);
        if (onPoint) onPoint(i);
    }
}

template <size_t N>
void Store(std::array<Curve, N>& mag, std::array<Curve, N>& phase, int n, int i, ResponsePoint p) {
    mag[n][i] = p.mag;
    phase[n][i] = p.phase;
}

}  // namespace

double CalcDelayPhase(int32_t d, double f) {
    return -(f * Pi * d / 24000) * DegPerRad;
}

bool ComputeEqOutBand(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t n,
                      GraphView view, const PointSink& onPoint) {
    DeviceCurves* dc = gs.MutableCurves(dev);
    if (!dc || n < 0 || n >= 40) return false;
    const model::DevParamRecord& dp = ms.DevParam[dev];
    const int16_t c = n / 5;
    const EqBandResponse band = OutBand(ms, dp, dev, n);
    const int32_t delay = ms.OutDelaySamples[dev][c];
    SweepOutput(*dc, ms, dev, c, view, onPoint, [&](int i, double f) {
        dc->DelayPhase[c][i] = CalcDelayPhase(delay, f);
        if (band.Known()) Store(dc->EqOutBandMag, dc->EqOutBandPhase, n, i, band.At(f));
    });
    return true;
}

bool ComputeXover(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t n,
                  GraphView view, const PointSink& onPoint) {
    DeviceCurves* dc = gs.MutableCurves(dev);
    if (!dc || n < 0 || n >= 16) return false;
    const model::DevParamRecord& dp = ms.DevParam[dev];
    const XoverResponse filter = OutXover(dp, n);
    SweepOutput(*dc, ms, dev, n / 2, view, onPoint, [&](int i, double f) {
        if (filter.Known()) Store(dc->XoverMag, dc->XoverPhase, n, i, filter.At(f));
    });
    return true;
}

bool ComputeOutput(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t c,
                   GraphView view, const PointSink& onPoint) {
    DeviceCurves* dc = gs.MutableCurves(dev);
    if (!dc || c < 0 || c >= 8) return false;
    const model::DevParamRecord& dp = ms.DevParam[dev];
    const std::array<EqBandResponse, 5> bands = {
        OutBand(ms, dp, dev, 5 * c), OutBand(ms, dp, dev, 5 * c + 1),
        OutBand(ms, dp, dev, 5 * c + 2), OutBand(ms, dp, dev, 5 * c + 3),
        OutBand(ms, dp, dev, 5 * c + 4)};
    const std::array<XoverResponse, 2> filters = {OutXover(dp, 2 * c), OutXover(dp, 2 * c + 1)};
    const int32_t delay = ms.OutDelaySamples[dev][c];
    SweepOutput(*dc, ms, dev, c, view, onPoint, [&](int i, double f) {
        for (int b = 0; b < 5; ++b) {
            if (bands[b].Known())
                Store(dc->EqOutBandMag, dc->EqOutBandPhase, 5 * c + b, i, bands[b].At(f));
        }
        for (int k = 0; k < 2; ++k) {
            if (filters[k].Known())
                Store(dc->XoverMag, dc->XoverPhase, 2 * c + k, i, filters[k].At(f));
        }
        dc->DelayPhase[c][i] = CalcDelayPhase(delay, f);
    });
    return true;
}

}  // namespace editor
