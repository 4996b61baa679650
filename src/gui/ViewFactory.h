// The view that shows a control of each kind (timers have none: they show nothing).
#pragma once

#include <memory>

#include "gui/ControlView.h"

namespace gui {

std::unique_ptr<ControlView> MakeView(FormWindow& owner, ui::Control& c);

}  // namespace gui
