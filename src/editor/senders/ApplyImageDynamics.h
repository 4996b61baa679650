// The delay, compressor and limiter part of applying a whole device image to the current
// device: flags decoded, controls loaded, each output's senders called in turn.
#pragma once

struct State;
class FrmCtrl;

namespace ModFun {

// Delay bypass flags and display unit, each output's counts loaded and sent, then the unit
// option set (its click shows every delay in that unit).
void ApplyDelays(State& s, FrmCtrl& f);
// Compressor and limiter bypass flags, each output's sliders loaded and every value sent.
void ApplyDynamics(State& s, FrmCtrl& f);

}  // namespace ModFun
