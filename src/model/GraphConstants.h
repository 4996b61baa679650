// Scale constants of the response graphs and their band markers. The twip constants are
// fixed; the pixel constants depend on the screen scale and live in the model state.
#pragma once

namespace model {

inline constexpr double GraphWidthTw = 8655.0;
inline constexpr double GraphHeightTw = 2895.0;
inline constexpr double GraphHalfHeightTw = 2895.0 / 2;  // the 0 dB line of the markers
inline constexpr double GraphMarkerOffset = 60.0;        // marker Left/Top to the point it marks
inline constexpr double GraphDbRange = 60.0;             // twips per dB of the marker scale
// Twips per frequency decade of the marker scale (2885).
extern const double GraphTwPerDecade;

}  // namespace model
