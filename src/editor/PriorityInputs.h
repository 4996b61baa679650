// The rule of the "Priority Input Channel" boxes, in the editor window and the ducker dialog
// alike: at most four inputs are priority inputs.
#pragma once

#include <cstdint>

#include "ui/Controls.h"

struct State;

namespace editor {

// When box index of boxes has just been ticked while four others are ticked: the message
// "Max input select is 4", the box unticked again (its handler not run) and true.
bool RefuseFifthPriorityInput(State& s, ui::ControlArray<ui::CheckBox>& boxes, int16_t index);

}  // namespace editor
