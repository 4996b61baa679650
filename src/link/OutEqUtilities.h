// Output equaliser helpers of the current device's editor window that the level and view
// handlers use: the band markers of an output's graph and its recompute.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// Shows the five band markers of output o (the first band's frontmost) while its "Show
// cursor" box is ticked, hides them otherwise, and keeps the choice in the image's
// PanelState byte 30 + o.
void ShowGraphCursor(State& s, int16_t o);
// Recomputes and repaints the response of output o (0..7) from its first band on.
void CalcGraphEqCh(State& s, int16_t o);

}  // namespace ModFun
