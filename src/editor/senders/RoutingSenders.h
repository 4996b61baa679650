// The routing matrix of the current device: the crosspoint byte of output o and input i lies
// at RouteAddr(8o + i); bits 0..6 hold the mix level index L (L - 30 dB, 0..30), bit 7 is set
// while the crosspoint is off. Every change sends CmdMixPoint (d0 = o + 8, d6 = i, d7 = the
// byte). The editor's mix controls Slider3(i) / Text3(i) show one output at a time (slider
// position s = 30 - L, 0 at the top for 0 dB).
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// The level of input i into the output whose Option2 is selected (the first, or output 0
// when none is): Text3(i) from Slider3(i), the byte from the slider and the crosspoint's box.
void SendMixLevel(State& s, int16_t i);
// The same for output o.
void SendMixLevelInOut(State& s, int16_t i, int16_t o);
// Slider3 and Text3 show output o's eight levels; a stored level above 30 shows as 30
// (0 dB). Sends nothing, changes no crosspoint.
void LoadMixRouting(State& s, int16_t o);
// Crosspoint cp (8o + i) on while Check9(cp) is checked, else off, keeping its level bits;
// its diagram line Line1000(cp) shows while it is on.
void SendMixPoint(State& s, int16_t cp);

// The mix level index of a crosspoint byte, brought into 0..30.
int16_t MixLevelIndex(uint8_t routeByte);

}  // namespace ModFun
