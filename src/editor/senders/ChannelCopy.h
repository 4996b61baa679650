// Copies every processing setting of one channel of the current device onto another through
// the editor window's controls and sends it, as the channel copy dialogs and the stereo-mode
// switch need. Not copied: names, link boxes, stereo pairs, mute, phantom power, the balanced
// option and the routing mix levels. A failed send does not stop a copy, except the input
// equaliser bands, which stop at the first failed frame.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// Inputs 0..7: level bypass, Mic/Line, level, polarity, noise gate, input filter, feedback
// mode, processing type, then the equaliser bands of the source's active bank.
void CopyInputChannel(State& s, int16_t source, int16_t destination);
// Outputs 0..7: level, compressor, limiter, crossovers, equaliser bands, level bypass,
// polarity, delay bypass and delay; then the destination's response is worked out again from
// all it took and drawn.
void CopyOutputChannel(State& s, int16_t source, int16_t destination);

}  // namespace ModFun
