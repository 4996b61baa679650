// The channel link of the current device: an edit of one channel repeated on the channels
// linked to it. For every member the edited channel's values are copied into the member's
// controls of the editor window (with UiUpdating set, so no handler runs), then the member's
// own sender encodes, stores and sends them as for a direct edit.
//
// Members: an input in the input link set reaches the other members with the same Mic/Line
// mode, in ascending order, and the repeat stops at the first failed send; an input in a
// stereo pair (and not in the link set) reaches its partner, one send, failure not looked at;
// an output in the output link set reaches the other members in ascending order and stops at
// the first failed send. Switch states are handed over as their complement, because the
// member's sender toggles them.
#pragma once

#include <cstdint>

struct State;

namespace ModLink {

// Inputs 0..7 (a stereo partner or link set members).
void LinkInputBalanced(State& s, int16_t i);  // the stereo partner only
void LinkNoiseGateEnable(State& s, int16_t i);
void LinkInputFilter(State& s, int16_t i);
void LinkMicLine(State& s, int16_t i);  // members whose pair is not in stereo mode
void LinkInputProcType(State& s, int16_t i);
void LinkFeedbackMode(State& s, int16_t i);

// Channels 0..15: inputs as above, outputs through the output link set (the output's graph
// redrawn after each member).
void LinkGainByp(State& s, int16_t ch);
void LinkGain(State& s, int16_t ch);
void LinkPolarity(State& s, int16_t ch);

// Output equaliser band b (0..39) on every other member output, 30 ms before each.
void LinkEqBand(State& s, int16_t b);
// Band b copied to the same band of output k, sent and, when that succeeded, redrawn.
void LinkEqBandValues(State& s, int16_t b, int16_t k);
// Crossover filter f (0..15) copied to the filter of the same kind of output k, sent and,
// when that succeeded, recomputed without drawing.
void LinkXover(State& s, int16_t f, int16_t k);

// The limiter, compressor or delay of output o (0..7) on every other member output; the
// delay visits every member whatever a send did and recomputes each member's response.
void LinkLimiter(State& s, int16_t o);
void LinkCompressor(State& s, int16_t o);
void LinkDelay(State& s, int16_t o);
// Output k's block after its controls were copied: its switch toggled into the edited
// output's state with the switch-bits byte rebuilt, its texts and image bytes derived, sent.
void LinkLimiterValues(State& s, int16_t k);
void LinkCompressorValues(State& s, int16_t k);
void LinkDelayValues(State& s, int16_t k);

}  // namespace ModLink
