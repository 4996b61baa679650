// One band of an output equaliser of the current device: read from its controls in the
// editor window, checked, stored in the parameter record and the image, and sent.
#pragma once

#include <cstdint>

#include "editor/senders/EqBandRow.h"

class FrmCtrl;
struct State;

namespace ModFun {

// Band b = output * 5 + band (0..39). Normalises the band's controls (frequency box clamped
// to 20..20000 Hz and cut to whole hertz; gain, Q and bandwidth boxes rewritten from the
// slider and the Q index). A peaking band whose frequency over Q exceeds 12000 Hz is refused
// with "Error: Parameter Q non admited. Please change Q or Frequency": its controls, bypass
// and its button, enabled state, parameter record entries and marker are put back to the band
// the image holds and nothing is sent (TxFailed is left alone). Otherwise the band is stored (gain
// 0 while bypassed), its marker placed, the output's overview tip set ("Flat" or "~~~~~~"), the
// record and the output's bypass bits written to the image and sent with CmdEqBand; after a
// successful send the band's controls are enabled, or disabled while it is bypassed. A frequency
// box that holds no number gets the band's stored frequency back.
void CalcSendEqOutBand(State& s, int16_t b);

// Command6(b) red while band b is bypassed, else the button face.
void ConfigButtonEqByp(State& s, int16_t b);

// The controls of band b in the editor window.
EqBandRow EqOutBandRow(FrmCtrl& f, int16_t b);

}  // namespace ModFun
