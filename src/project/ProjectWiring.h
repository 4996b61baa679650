// What the project's windows do for the layers below them: the status window follows its
// device going offline and its editor closing, and the editor opens the device setup dialogs.
#pragma once

struct State;

namespace ModProject {

// Fills in the state's hooks for the status windows and the project's editor dialogs.
void WireProject(State& s);

}  // namespace ModProject
