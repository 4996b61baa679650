// Where the working program and the stored programs lie in the device's memory.
#pragma once

namespace model {

// Bytes of one program: ProgImage 0..911.
inline constexpr int ProgramBytes = 912;
// Device address of image byte 0 of the working program (device address = image + 64).
inline constexpr int WorkingProgramAddr = 64;
// Device address of image byte 0 of stored program k (0..5 normal, 6..9 extra).
inline constexpr int ProgramSlotAddr(int k) {
    return 1024 + ProgramBytes * k;
}
// A stored program's marker byte holds this value.
inline constexpr int StoredProgramMark = 85;

}  // namespace model
