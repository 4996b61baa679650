// The output equaliser of the current device around its band sender: flattening an output,
// a band's bypass and its button, the band markers of an output's graph and the recompute of
// an output's response.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// Gains of output o's five bands set to 0 dB and sent, each band redrawn; type, frequency, Q
// and bypass stay. Each band is attempted even when a send fails, unless the failure closed
// the editor window.
void FlatEq(State& s, int16_t o);
// Band b's bypass flag flipped (any value other than 0 counts as bypassed and becomes 0), its
// button recoloured; nothing sent.
void ToggleEqBandByp(State& s, int16_t b);
// Shows the five band markers of output o (the first band's frontmost) while its "Show
// cursor" box is ticked, hides them otherwise, and keeps the choice in the image's
// PanelState byte 30 + o.
void ShowGraphCursor(State& s, int16_t o);
// Recomputes and repaints the response of output o (0..7) from all its bands, crossover
// filters and delay.
void CalcGraphEqCh(State& s, int16_t o);
// Recomputes and repaints output o band by band.
void CalcGraphEqAllBands(State& s, int16_t o);

}  // namespace ModFun
