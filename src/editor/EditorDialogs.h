// The one door through which the editor window opens its dialogs and program-file actions.
#pragma once

#include <cstdint>

#include "state/EditorDialog.h"

struct State;

// Shows the dialog modally for CurDev (or runs the program-file action); index is the
// channel the dialog works on where it has one. The channel-name editor is the editor's own;
// the others are opened through the openers their folders registered in the state.
void ShowEditorDialog(State& s, EditorDialog dialog, int16_t index = 0);
