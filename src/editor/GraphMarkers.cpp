#include "editor/GraphMarkers.h"

#include <cmath>

#include "model/GraphConstants.h"
#include "model/Snapping.h"

namespace editor {

namespace {
using model::GraphHalfHeightTw;
using model::GraphMarkerOffset;
using model::GraphTwPerDecade;
}  // namespace

float MarkerLeft(double freq) {
    return static_cast<float>(GraphTwPerDecade * model::Log10(freq / 20) - GraphMarkerOffset);
}

float MarkerTop(double gain) {
    return static_cast<float>(GraphHalfHeightTw - MarkerTwPerDb * (gain + 0.1) - GraphMarkerOffset);
}

double MarkerFreq(double left) {
    // To a millionth of a hertz, so that the right edge stands for 20000 Hz, not a hair less.
    const double f =
        std::round(2e7 * std::pow(10.0, (left + GraphMarkerOffset) / GraphTwPerDecade)) / 1e6;
    return f > 20000 ? 20000 : f;
}

double MarkerGain(double top) {
    return (GraphHalfHeightTw - (top + GraphMarkerOffset)) / MarkerTwPerDb - 0.1;
}

}  // namespace editor
