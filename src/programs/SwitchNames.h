// NameSwitch.ini in the application folder: the names of the four switch outputs, shared by
// every device, as one record of five texts (16-bit length and bytes each) in the file's first
// 128-byte slot.
#pragma once

struct State;

namespace ModProg {

// SwitchNames from the file. A missing file gives empty names and is not created; a record
// whose lengths run past its 128 bytes reads as empty names.
void ReadSwitchNames(State& s);
// SwitchNames into the file, written whole; false when it could not be written.
bool WriteSwitchNames(const State& s);

}  // namespace ModProg
