// The response graphs of the current device's editor window: an output's picture is painted
// with the background of its view ("Mag" or "Phase") and its total curve is drawn point by
// point while the response routines compute it, or afterwards from the stored totals.
//
// Drawing is in the picture's logical pixels (96 dpi), one column per grid point, whatever the
// screen's scale: 0 dB and 0 degrees on row 95.4, 191 / 60 pixels per dB at a step of 10 dB a
// division (the scale of FrmCtrl::SetOffset) and 191 / 360 pixels per degree. A curve is a
// polyline of pen width 2 in its output's colour that enters from (-10, 95) and ends each
// segment on the nearest whole row (halves to even). While GraphHold is 1 only the background
// is painted; the curves are still computed and stored.
#pragma once

#include <cstdint>

#include "ui/Types.h"

struct State;

namespace ui {
class PictureBox;
}

namespace editor {

inline constexpr double GraphMidRow = 95.4;
// Pixels of the six divisions of the magnitude scale.
inline constexpr double GraphMagSpanPx = 191;
inline constexpr double GraphPxPerDeg = 0.5305555555555556;

// The colour of output c's curve and band markers.
ui::Color CurveColor(int16_t c);

// Clears a response picture and paints the background of its view into it.
void PaintGraphBackground(State& s, ui::PictureBox& picture, bool mag);
// The segment of a curve that ends at point i on the given row (point 0 enters from the left
// at 0 dB), unless GraphHold is 1.
void DrawCurveSegment(State& s, ui::PictureBox& picture, int16_t i, double row, ui::Color color);

}  // namespace editor

namespace ModGraph {

// Repaints the picture of output index - 8 (index 8..15) from the stored totals: magnitude
// rows with the output's scale and level (left out while the level is bypassed), phase rows
// as stored.
void RedrawGraphCtrl(State& s, int16_t index);
// Recomputes output equaliser band n (0..39) with its output's delay and totals and repaints
// the output's picture.
void CalcGraphEqOut(State& s, int16_t n);
// The same for crossover filter n (0..15).
void CalcGraphXover(State& s, int16_t n);
// Recomputes every term of output c (0..7), its five bands, two filters and delay, in one
// sweep and repaints its picture.
void CalcGraphOutput(State& s, int16_t c);

}  // namespace ModGraph
