// The channel block: the status group of one channel (level, level bypass, mute and polarity)
// in one frame, and the bit bytes that carry a group's eight flags.
#pragma once

#include <cstdint>
#include <functional>

struct State;

namespace ModFun {

// The bit byte of a group of eight flags: bit k set when flag(k) is not 0. It is always
// rebuilt whole from the flags.
uint8_t PackBits(const std::function<double(int k)>& flag);

// Sends CmdChannelBlock for channel c (0..15) of CurDev with its bytes taken from the image.
// True when the transaction failed, as TxCommand reports it.
bool SendChannelBlock(State& s, int16_t c);

}  // namespace ModFun
