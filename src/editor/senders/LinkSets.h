// The channel link sets of the current device, taken from the editor's link check boxes, and
// the progress step of a program being applied. Nothing is sent.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// OutLinkSet of output k (0..7) := Check13(k + 8); the mask is rebuilt and the box's caption
// turns blue while ticked, black otherwise.
void StoreLinkOut(State& s, int16_t k);
// InLinkSet of input i (0..7) := Check13(i); while the input's pair is in stereo mode the
// partner's box and member follow it. The mask is rebuilt and the captions recoloured.
void StoreLinkIn(State& s, int16_t i);
// While LoadStateWord is set, the editor's progress bar moves one step.
void StepProgressCtrl(State& s);

}  // namespace ModFun
