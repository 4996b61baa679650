// The input-side steps of applying a whole image to the current device: each decodes its
// image bytes into the parameter record, loads the editor window's controls with UiUpdating
// set, and calls the input senders. A step stops when a failed send closed the window; the
// caller tests f.Finished() afterwards.
#pragma once

class FrmCtrl;
struct State;

namespace ModFun {

// Balanced (channel blocks left out), input filters, feedback deviation frequency, feedback
// switches (bulk bracket left out), the Mic/Line lists (sent later by ApplyInputSources) and
// the noise-gate enables.
void ApplyInputOptions(State& s, FrmCtrl& f);
// The processing type of each input.
void ApplyProcessingTypes(State& s, FrmCtrl& f);
// Each input's source sent, after the channel levels.
void ApplyInputSources(State& s, FrmCtrl& f);
// The phantom power switch.
void ApplyPhantomPower(State& s, FrmCtrl& f);
// The six characters of each channel's name slot, then all names sent and shown.
void ApplyChannelNames(State& s, FrmCtrl& f);
// The front-panel lock kept in the parameter record, then the stereo pairs from the stereo
// byte with their Mic/Line lists, and the stereo byte sent.
void ApplyLockAndStereoPairs(State& s, FrmCtrl& f);

}  // namespace ModFun
