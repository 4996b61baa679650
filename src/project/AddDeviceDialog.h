// What the two add-device dialogs share: number lists whose every entry is the decimal text
// of its own index (so the list index is the value), the OK and Cancel buttons and their
// verdicts.
#pragma once

#include <array>
#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

namespace ModAddDevice {

// Clears the list and fills it with "0" to the last value.
void FillNumberList(ui::ComboBox& list, int16_t last);

// Moves a forbidden index 0 to 1.
void SkipZero(ui::ComboBox& list);

// Puts the four octet lists of an IPv4 address into frame from left to right at top, with a
// "." label of dots between neighbours; the lists pick from their items only.
void PlaceOctetLists(ui::Frame& frame, const std::array<ui::ComboBox*, 4>& octets,
                     ui::ControlArray<ui::Label>& dots, ui::Twips top);

// The OK or Cancel of a dialog whose choice is already in NewDevIp or NewDevId. OK with a
// duplicate address shows duplicateMessage and keeps the dialog open; otherwise OK takes the
// lowest free slot into NewDevSlot (a full list shows fullMessage) and the dialog closes.
// AddDevOk tells the caller whether to add the device.
void Confirm(State& s, ui::Form& dialog, int16_t index, bool duplicate,
             const char* duplicateMessage, const char* fullMessage);

}  // namespace ModAddDevice
