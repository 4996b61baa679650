// The crossover filters of the current device's outputs: one filter's type and corner
// frequency from the editor window into the parameter record and the image, and sent.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// Filter f = output * 2 + (0 high-pass, 1 low-pass), 0..15: the number in Text8(f) and the
// list position of Combo2(f) are stored, the output's crossover summary rewritten, the three
// image bytes (frequency high, low, type) written and sent with CmdOutXover. A frequency box
// that holds no number sends nothing.
void SendXover(State& s, int16_t f);

// The crossover summary of filter f's output on the overview (the tool tip of its "X-over"
// label): "HP: " 1000 " Hz, " type " -- LP: " 1000 " Hz, " type, from the boxes as typed.
void LoadLabelXover(State& s, int16_t f);

}  // namespace ModFun
