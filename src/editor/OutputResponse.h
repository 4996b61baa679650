// The response of a device's outputs on the grid: output equaliser bands, crossover filters
// and delay, and the output totals. A routine recomputes its terms at every grid point in
// ascending order, stores them and the output's totals in the curve store, and hands each
// point to onPoint (the drawing) as soon as it is stored. The terms it does not recompute
// enter the totals with the curves last stored for them. All values are read from the
// model: DevParam, EqOutType, OutDelaySamples and the output polarity bits of the image.
//
// Totals of output c at point i: OutMagTotal = the magnitudes of bands 5c..5c+4 and of the
// filters 2c, 2c+1; OutPhaseTotal = their phases plus DelayPhase of c (see ResponseSweep.h
// for what the phase view stores).
#pragma once

#include <cstdint>

#include "editor/ResponseSweep.h"
#include "state/GraphState.h"

namespace editor {

// Phase in degrees of a delay of d samples at 48 kHz at f Hz; not folded.
double CalcDelayPhase(int32_t d, double f);

// Output equaliser band n (0..39, output * 5 + band) of slot dev, with the delay phase and
// the totals of its output. False, and nothing computed, for a slot or band out of range.
bool ComputeEqOutBand(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t n,
                      GraphView view, const PointSink& onPoint = {});

// Crossover filter n (0..15, output * 2 + 0 high-pass / 1 low-pass) of slot dev, with the
// totals of its output. False, and nothing computed, for a slot or filter out of range.
bool ComputeXover(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t n,
                  GraphView view, const PointSink& onPoint = {});

// All terms of output c (0..7) of slot dev in one sweep: its five bands, two filters, delay
// and totals; the same curves as recomputing each term by itself.
bool ComputeOutput(GraphState& gs, const model::ModelState& ms, int16_t dev, int16_t c,
                   GraphView view, const PointSink& onPoint = {});

}  // namespace editor
