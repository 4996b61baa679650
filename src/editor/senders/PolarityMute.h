// The polarity (0 or 180 degrees) and the mute of one channel of the current device: the
// check box's value into the parameter record and the group's bit byte, then the channel
// block. Channels: 0..7 inputs, 8..15 outputs; a channel outside 0..15 does nothing.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// After a successful send an output's overview label shows "0'" or "180'".
void SendPolarity(State& s, int16_t c);
// After a successful send the channel's mute mark (Line6, Line7) shows while it is muted.
void SendMute(State& s, int16_t c);

// The overview caption of a polarity flag.
const char* PolarityCaption(double flag);

}  // namespace ModFun
