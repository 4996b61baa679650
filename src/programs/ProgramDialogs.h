// The program and switch preset dialogs and program-file actions the editor window opens.
#pragma once

struct State;

namespace ModProg {

// Registers their openers in the state.
void RegisterEditorDialogs(State& s);

}  // namespace ModProg
