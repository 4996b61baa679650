// The delay of each output of the current device: two counts (whole milliseconds and fine
// steps shown as 0.0208 ms), a bypass switch and the unit the editor shows it in.
#pragma once

#include <cstdint>
#include <string>

struct State;

namespace ModFun {

// The delay of coarse ms and fine steps as shown: in thousandths of a millisecond, computed
// in whole numbers (a fine step is 20.8 thousandths, the sum cut to whole thousandths), then
// in unit 1 turned into metres at 0.34 m a millisecond and cut to centimetres. The text has
// the locale's decimal separator and no trailing zeros: 5 ms and 24 steps give "5.499" or
// "1.86".
std::string DelayText(int32_t coarse, int32_t fine, int16_t unit, bool decimalComma);

// Output o (0..7): shows the delay of UpDown2(o) and UpDown1(o) in Text2(o) with its unit in
// the caption of Frame3(o), stores both counts in the record and the image and sends
// CmdOutDelay. After a successful send the graph's delay of the output and its overview
// caption follow.
void SendDelay(State& s, int16_t o);
// Output o: toggles the bypass, rebuilds the bypass bits and sends CmdOutDelay; after a
// successful send the button and the graph's delay follow.
void SendDelayByp(State& s, int16_t o);
// Command8(o) red while the delay of output o is bypassed, else the button face.
void ConfigButtonDelayByp(State& s, int16_t o);
// Stores the display unit (0 time, 1 distance) in the record and in the device's image, where
// the editor takes it from when it opens, and shows every output's delay in it; sends nothing.
void LoadLabelDelay(State& s, int16_t unit);

}  // namespace ModFun
