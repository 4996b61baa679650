// The input-side settings of the current device: front-panel lock, input filter, phantom
// power, feedback suppressor, processing type, Mic/Line source, balanced input and noise-gate
// enable. Each sender reads the editor window's controls, stores the setting in the parameter
// record and the image, and sends the image bytes; the first failed frame ends it, before any
// later frame or control update. A bit byte is always rebuilt whole from the eight inputs'
// stored values. Inputs are 0..7, pairs 0..3; an index outside its range does nothing.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// Check11(pair) enabled exactly while both inputs of the pair are set to "Line".
void EnableCheckStereoMode(State& s, int16_t pair);
// The lock flag from Check12, sent; no image byte.
void SendFrontPanelLock(State& s);
// Type (Combo9) and frequency step (UpDown6) into the filter byte type * 64 + step; Text14
// shows the step's frequency; both frequency controls are disabled while the type is bypass.
void SendInputFilter(State& s, int16_t input);
// Check6 into the phantom byte, one switch for the whole device.
void SendPhantomPower(State& s);
// Slider7's step into the feedback deviation byte; Text6 shows 2 + 0.5 * step Hz.
void SendFeedbackDevFreq(State& s);
// Combo4 into the feedback bits, sent inside a bulk bracket unless ApplyingFeedback is set;
// the overview's processing label takes "OFF" or "ON" as its tool tip.
void SendFeedbackMode(State& s, int16_t input);
// Combo1 into the processing bits, then the panel of the type brought to the front, the
// overview label captioned, and the feedback bits (cleared for the equaliser) sent.
void SendInputProcType(State& s, int16_t input);
// Combo5 into the source bits inside a bulk bracket (none while LoadStateWord is set), then
// the knock-on effects: stereo box, link box colour, signal path, feedback and processing
// bits and the input's level sent again. A Line input always uses the equaliser.
void SendMicLine(State& s, int16_t input);
// Check4 into the balanced bits, then the input's channel block unless ApplyingBalanced is
// set or the first frame failed.
void SendInputBalanced(State& s, int16_t input);
// Check5 into the gate enable bits, sent with the input's three noise-gate bytes.
void SendNoiseGateEnable(State& s, int16_t input);

// The noise-gate frame of input: the enable bits and its threshold, attack and release bytes
// from the image. True when the transaction failed.
bool SendNoiseGateFrame(State& s, int16_t input);

}  // namespace ModFun
