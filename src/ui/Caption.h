// The caption a control shows, whatever its kind.
#pragma once

#include <string>

namespace ui {

class Control;

// The caption of a label, command button, check box, option button or frame; "" for the
// other kinds.
const std::string& CaptionOf(const Control& c);

}  // namespace ui
