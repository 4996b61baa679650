// The number lists of the add-device dialogs: every entry is the decimal text of its own
// index, so the list index is the value.
#pragma once

#include <cstdint>

#include "ui/Controls.h"

namespace ModAddDevice {

// Clears the list and fills it with "0" to the last value.
void FillNumberList(ui::ComboBox& list, int16_t last);

// Moves a forbidden index 0 to 1.
void SkipZero(ui::ComboBox& list);

// Puts the OK and Cancel buttons, Command1(0) and (1), at the bottom right of a dialog.
void PlaceOkCancel(ui::ControlArray<ui::CommandButton>& buttons, ui::Twips clientWidth,
                   ui::Twips top);

}  // namespace ModAddDevice
