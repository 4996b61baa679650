// One point of a response curve.
#pragma once

namespace editor {

struct ResponsePoint {
    double mag = 0;    // dB
    double phase = 0;  // degrees, as PhaseRule.h counts them
};

}  // namespace editor
