// The input equalisers of a whole device image put on the wire: the raw memory of both
// equaliser sets of every input, then each band of the set each input uses.
#pragma once

struct State;

namespace ModFun {

// The image bytes 480..735 in 64 four-byte memory writes (device addresses 544..799), the
// progress bar stepping after each; false at the first failed write.
bool SendInEqMemory(State& s);
// Each input's set chosen by its source type (Line: set 0, Mic: set 16), then its three
// bands sent with the set's bypass bits, the progress bar stepping after each; false at the
// first failed send.
bool SendInEqBands(State& s);

}  // namespace ModFun
