// The input equaliser of the current device: the band rows of the "Inputs EQ" dialog turned
// into device data and sent, a band's bypass and its button, "Flat Eq", the filter type a band
// is given, and the copy of an edit onto the linked inputs. Every routine works on CurDev and
// the input the dialog shows (CurInCh), and does nothing while the dialog does not exist.
#pragma once

#include <cstdint>

struct State;

namespace ModEqIn {

// Band 0..2 of the input shown. Normalises its row (frequency box clamped to 20..20000 Hz and
// cut to whole hertz; gain, Q and bandwidth boxes rewritten from the slider and the Q index).
// A peaking band whose frequency over Q exceeds 12000 Hz is refused with "Error: Parameter Q
// non admited. Please change Q or Frequency": its row, bypass, parameter record entries and
// marker are put back to the band the image holds and nothing is sent (TxFailed stays
// clear). Otherwise the band is stored (gain 0 while bypassed), its marker placed on the
// point it marks, the band and the input's bypass bits written to the image and sent with
// CmdEqBand; after a successful send the row is enabled, or locked while bypassed. A
// frequency box that holds no number gets the image's frequency of the band back.
void CalcSendEqInBand(State& s, int16_t band);
// The band's bypass flipped and its button recoloured; nothing sent.
void ToggleBypassEqIn(State& s, int16_t band);
// The band's bypass button red while the band is bypassed, else the button face.
void ConfigButtonEqInByp(State& s, int16_t band);
// The three bands set to 0 dB, sent and redrawn one by one; stops at the first failed send.
// Type, frequency, Q and bypass stay.
void FlatEqIn(State& s);
// The filter-type dialog's choice for a band: stored, shown on the band's type button, sent,
// and unless the send failed redrawn and copied to the linked inputs.
void ApplyEqInType(State& s, int16_t band, int16_t type);

// Band 0..2 of the input shown, with the bypass bits of all its bands, copied in the image to
// every other member of the input link set of the same type (Mic or Line) in ascending order,
// or, when the input is not in the link set, to its stereo partner, and sent to each; stops at
// the first failed send.
void CopyEqInToLinked(State& s, int16_t band);
// The gains of the three bands copied and sent the same way; each target keeps its own type,
// frequency, Q and bypass.
void CopyAllEqInToLinked(State& s);

}  // namespace ModEqIn
