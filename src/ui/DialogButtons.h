// The OK and Cancel buttons of a dialog.
#pragma once

#include "ui/Buttons.h"
#include "ui/ControlArray.h"
#include "ui/Types.h"

namespace ui {

// Puts the OK and Cancel buttons, buttons(0) and (1), at the bottom right of a dialog whose
// client area is clientWidth wide; OK is the default button and Cancel the cancel button.
void PlaceOkCancel(ControlArray<CommandButton>& buttons, Twips clientWidth, Twips top);

}  // namespace ui
