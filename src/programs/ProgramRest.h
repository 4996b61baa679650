// The bytes of a program that applying a whole image does not send as the program holds them:
// after a program file has been applied, they are written into the device's working program,
// so that the device holds the file's program byte for byte.
#pragma once

#include <array>
#include <cstdint>

struct State;

namespace ModProg {

// Puts the bytes of program (a ProgImage) that applying an image leaves out back into
// DevImage(CurDev) and writes them into the working program with four-byte memory writes at
// image address + 64: the program name, the stored mark, the byte before the master input gain
// (its sender writes 0 there), the bytes of the channel-name blocks that hold no name or filter,
// and the bytes carried in every program that no sender sends. True when a write failed.
bool SendProgramRest(State& s, const std::array<uint8_t, 913>& program);

}  // namespace ModProg
