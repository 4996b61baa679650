// The editor's caption of the program slot the current device runs.
#pragma once

#include <cstdint>
#include <string>

#include "model/DevParamRecord.h"

struct State;

namespace ModFun {

// "0n: name" for normal slots 0..5 (n = slot + 1), "E0n: name" for extra slots 6..9
// (n = slot - 5); any other slot gives an empty caption.
std::string ProgramSlotCaption(int16_t slot, const model::DevParamRecord& par);

// Label8 of CurDev's editor window (created when it does not exist) := the caption of
// RunningProgSlot(CurDev). Sends nothing.
void LoadProgramSlotLabel(State& s);

}  // namespace ModFun
