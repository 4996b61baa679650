#include "editor/InputResponse.h"

#include "editor/EqResponse.h"
#include "model/ModelState.h"

namespace editor {

bool ComputeEqInBand(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t inCh,
                     int16_t b, int16_t type, GraphView view, const PointSink& onPoint) {
    if (dev < 0 || dev >= GraphSlots || inCh < 0 || inCh >= 8 || b < 0 || b >= 3) return false;
    const model::DevParamRecord& dp = ms.DevParam[dev];
    const EqBandResponse band({type, dp.InEqGain()[b], dp.InEqFreq()[b], dp.InEqQ()[b]});
    const bool inverted = InputInverted(ms, dev, inCh);
    InputCurves& in = gs.EqIn;
    for (int16_t i = 0; i < model::GraphPoints; ++i) {
        if (band.Known()) {
            const ResponsePoint p = band.At(model::GridFreq[i]);
            in.EqInBandMag[b][i] = p.mag;
            in.EqInBandPhase[b][i] = p.phase;
        }
        double mag = 0;
        double phase = 0;
        for (int k = 0; k < 3; ++k) {
            mag += in.EqInBandMag[k][i];
            phase += in.EqInBandPhase[k][i];
        }
        in.EqInMagTotal[i] = mag;
        in.EqInPhaseTotal[i] = view == GraphView::Phase ? ShownPhase(phase, inverted) : phase;
        if (onPoint) onPoint(i);
    }
    return true;
}

}  // namespace editor
