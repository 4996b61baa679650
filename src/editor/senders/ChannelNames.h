// The sixteen channel names of the current device (0..7 inputs, 8..15 outputs): the suffixes
// of a stereo pair, the padding to the six characters the device keeps, the frames that write
// a name into the device's memory and the captions that show it.
#pragma once

#include <cstdint>
#include <string>

struct State;

namespace ModFun {

// Characters a device name slot holds.
inline constexpr size_t kNameLength = 6;

// While pair p is in stereo mode, both names are made from the left one: "-L" and "-R"
// appended to a name of up to four characters, or put in place of the last two characters
// of a longer one; a left name already ending in "-L" stays. Nothing is sent.
void SetNameSuffixLR(State& s, int16_t p);
// name padded with blanks to six characters, or cut to six (so the editor never shows more
// than the device holds), and its six codes written into channel ch's name slot.
void PadName(State& s, std::string& name, int16_t ch);
// The suffix rule for pair p, then the names of its two inputs padded, sent and shown.
void SendPairNames(State& s, int16_t p);
// The suffix rule for every pair, then all sixteen names padded, sent and shown.
void SendChannelNames(State& s);
// The link box of input i green while its source is Line, yellow while it is Mic.
void SetColorCheckLink(State& s, int16_t i);

}  // namespace ModFun
