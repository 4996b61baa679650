// The response of the input shown in the input equaliser editor: its three bands and their
// totals on the grid. Bands of other inputs enter the totals with the curves last stored for
// them, so the editor recomputes all three when it shows another input.
#pragma once

#include <cstdint>

#include "editor/ResponseSweep.h"
#include "state/GraphState.h"

namespace editor {

// Band b (0..2) of input inCh (0..7) of slot dev, read from elements 0..2 of the input
// equaliser ranges of DevParam, with type (0..2) from the input equaliser editor; then the
// input totals EqInMagTotal and EqInPhaseTotal (the phase view stores them with the input's
// polarity and folded). Each point goes to onPoint once stored. False, and nothing
// computed, for a slot, input or band out of range.
bool ComputeEqInBand(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t inCh,
                     int16_t b, int16_t type, GraphView view, const PointSink& onPoint = {});

}  // namespace editor
