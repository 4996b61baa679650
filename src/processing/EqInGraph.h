// The response picture of the "Inputs EQ" dialog: the three bands of the input shown and
// their total, drawn point by point while they are computed, in red in the magnitude view
// (191 / 60 pixels per dB, 0 dB on row 95.4) and in blue in the phase view (191 / 360 pixels
// per degree, the input's polarity included).
#pragma once

#include <cstdint>

struct State;

namespace ModGraph {

// Recomputes band b (0..2) of the input shown and repaints the dialog's picture in the view
// its "Mag" and "Phase" options choose.
void CalcGraphEqIn(State& s, int16_t b);
// The segment of the total magnitude or phase curve that ends at point i (0..575) on picture
// p of the dialog; point 0 starts the curve at the left edge on the 0 line.
void DrawPointEqInMag(State& s, int16_t i, int16_t p);
void DrawPointEqInPhase(State& s, int16_t i, int16_t p);

}  // namespace ModGraph
