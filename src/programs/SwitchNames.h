// NameSwitch.ini in the application folder: the names of the four switch outputs, shared by
// every device, as one record of five texts (16-bit length and bytes each) in the file's first
// 128-byte slot.
#pragma once

struct State;

namespace ModProg {

inline constexpr const char* kNameSwitchIni = "NameSwitch.ini";

// SwitchNames from the file's first slot. A missing file gives empty names and is not created;
// a record whose lengths run past its 128 bytes reads as empty names; a file that is not a
// regular file gives empty names and a message.
void ReadSwitchNames(State& s);
// SwitchNames into the file's first slot; what follows it stays as it was. False when the
// file could not be written.
bool WriteSwitchNames(const State& s);

}  // namespace ModProg
