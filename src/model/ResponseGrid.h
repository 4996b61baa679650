// The frequency grid of the response graphs: 576 points, one per pixel column of a response
// picture in the picture's logical units (96 dpi), 20 Hz to 20 kHz over three decades. The
// grid is the same on every screen; scaling to device pixels is the drawing's business.
#pragma once

#include <array>

namespace model {

inline constexpr int GraphPoints = 576;

// Grid points per decade: 575 / (Log10(20000) - Log10(20)), about 191.667.
extern const double GridPtsPerDecade;

// Point i stands for 20 * 10^(i / GridPtsPerDecade) Hz: 20 Hz at 0, 20000 Hz at 575.
extern const std::array<double, GraphPoints> GridFreq;

}  // namespace model
