#include "editor/GraphMarkers.h"

#include <algorithm>
#include <cmath>

#include "model/GraphConstants.h"
#include "model/Snapping.h"
#include "sys/Numeric.h"
#include "ui/Label.h"

namespace editor {

namespace {
using model::GraphHalfHeightTw;
using model::GraphHeightTw;
using model::GraphMarkerOffset;
using model::GraphTwPerDecade;
using model::GraphWidthTw;
}  // namespace

float MarkerLeft(double freq) {
    return static_cast<float>(GraphTwPerDecade * sys::Log10(freq / 20) - GraphMarkerOffset);
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

void PlaceMarker(ui::Label& marker, double freq, double gain) {
    marker.Move(sys::CLng(MarkerLeft(freq)), sys::CLng(MarkerTop(gain)), marker.Width(),
                marker.Height());
}

MarkerPoint DragMarker(ui::Label& marker, float x, float y) {
    const double offset = GraphMarkerOffset;
    double left = static_cast<float>(marker.Left() + x - offset);
    double top = static_cast<float>(marker.Top() + y - offset);
    left = std::clamp(left, -offset, GraphWidthTw - offset);
    top = std::clamp(top, -offset, GraphHeightTw - offset);
    const double gain = std::clamp(MarkerGain(top), -12.0, 12.0);
    marker.Move(sys::CLng(static_cast<float>(left)), sys::CLng(MarkerTop(gain)), marker.Width(),
                marker.Height());
    return {sys::Int(gain * 10) / 10, sys::Int(MarkerFreq(left))};
}

}  // namespace editor
