// The four input pairs of the current device (pair p = inputs 2p and 2p + 1) in stereo mode:
// the stereo byte of the device, the second input taking over the first one's settings and
// the pair's names, and the Mic/Line lists locked while the pair is in stereo mode.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// The four Check11 boxes into the stereo byte, written into the working program like every
// other program byte (device address 911 + 64), where the connect read-back, the store and the
// recall find it. After a successful write the pair's stereo state follows its box; a pair now in
// stereo mode gets its first input's settings, "Balanced" and name copied onto the second. The
// Mic/Line lists are then set for the pair, also when stereo mode was switched off.
void SendStereoMode(State& s, int16_t pair);
// The stereo byte of CurDev's image written into the device's working program as it is. True
// when the transaction failed.
bool WriteStereoByte(State& s);
// Both Mic/Line lists of the pair disabled while it is in stereo mode, enabled otherwise.
void LoadStereoPairControls(State& s, int16_t pair);
// "Balanced" of input first + 1 set to that of input first, then sent.
void CopyStereoPairBalanced(State& s, int16_t first);

}  // namespace ModFun
