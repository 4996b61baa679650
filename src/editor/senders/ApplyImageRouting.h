// The automatic mixer, ducker and routing parts of applying a whole image to the current
// device and its editor window. Each stops when a failed send has closed the editor.
#pragma once

struct State;
class FrmCtrl;

namespace ModFun {

// "Active" from image 889 into Check7, then the mixer's active switch, mode (image 890) and
// further bytes sent.
void ApplyAutoMixer(State& s, FrmCtrl& f);
// The priority boxes Check8 from image 898, then the priority mask and the three ducker
// groups sent.
void ApplyDucker(State& s, FrmCtrl& f);
// Each crosspoint's box Check9 from bit 7 of its byte (set = off), the crosspoint sent and the
// progress stepped; then the routing page shows the first output's mix levels.
void ApplyRouting(State& s, FrmCtrl& f);

}  // namespace ModFun
