// The device status windows of the project and the editor opener.
#pragma once

#include <cstdint>

struct State;

namespace ModProject {

// WinOpenSlot := slot; shows the slot's status window, loading it on first use.
void ShowDeviceWindow(State& s, int16_t slot);

// Stands the status windows of the project in columns of 16, 40 twips apart; records of
// another link type have none and take no place.
void ArrangeDeviceWindows(State& s);

// Opens the slot's editor window, online or not; "The window is already open" when it is.
void OpenSpeakerEditor(State& s, int16_t slot);

}  // namespace ModProject
