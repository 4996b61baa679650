// The repeat of an output's edit on the other outputs of the current device's link set.
#pragma once

#include <cstdint>
#include <functional>

struct State;

namespace editor {

// While output o is in the output link set: for every other member p in ascending order,
// waits waitMs, then repeat(p); stops when TxFailed is set after a repeat.
void RepeatOnLinkedOutputs(State& s, int16_t o, int waitMs,
                           const std::function<void(int16_t p)>& repeat);

}  // namespace editor
