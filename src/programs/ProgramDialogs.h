// The program and switch preset dialogs and program-file actions the editor window opens.
#pragma once

#include "editor/EditorDialogs.h"

namespace ModProg {

// Shows the dialog modally for CurDev or runs the program-file action; false when dialog is
// not one of them.
bool ShowProgramDialog(State& s, EditorDialog dialog);

}  // namespace ModProg
