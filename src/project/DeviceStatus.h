// What a device status window shows of its slot: the link caption, the Connect/Disconnect
// label and the connect progress.
#pragma once

#include <cstdint>
#include <string>

struct State;

namespace ModProject {

// USB captions name the product after a connect of the whole project and after a failed
// transaction, and read " USB - ..." in the status window's own connect.
enum class UsbCaption { Short, WithProduct };

// The status window caption of the slot for the current link type, e.g. " IP:127.0.0.2 -
// Online", " RS485 - ID:07 - Offline", " USB - Velotrix  - Online".
std::string DeviceCaption(const State& s, int16_t slot, bool online, UsbCaption usb);

// Label1 red "Disconnect" while online, black "Connect" while offline, and the caption.
void ShowDeviceStatus(State& s, int16_t slot, bool online, UsbCaption usb);

// One step of the status window's progress bar; it stops at its maximum.
void StepProgress(State& s, int16_t slot);

}  // namespace ModProject
