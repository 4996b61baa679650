// The processing dialogs the editor window opens: input equaliser, compressor and limiter,
// noise gate, automatic mixer, ducker and the channel copies.
#pragma once

struct State;

namespace processing {

// Registers their openers in the state.
void RegisterEditorDialogs(State& s);

}  // namespace processing
