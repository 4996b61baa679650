// What the response sweeps share: the view they compute for and the hand-over of each
// computed point to the drawing.
#pragma once

#include <cstdint>
#include <functional>

namespace model {
struct ModelState;
}

namespace editor {

// The view of a response picture: the "Mag" or the "Phase" option. In the phase view a sweep
// stores its channel's phase total with the polarity's -180 and folded into -180..+180; in
// the magnitude view it stores the plain sum.
enum class GraphView : uint8_t { Mag, Phase };

// Called with each point 0..575 in order, once that point's curves and totals are stored.
using PointSink = std::function<void(int16_t point)>;

// Polarity bits of the device image: inputs 0..7 and outputs 0..7, set = inverted.
bool InputInverted(const model::ModelState& ms, int16_t dev, int16_t in);
bool OutputInverted(const model::ModelState& ms, int16_t dev, int16_t out);

// The phase total as a phase view stores it.
double ShownPhase(double total, bool inverted);

}  // namespace editor
