#include "programs/ProgramDialogs.h"

#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"
#include "programs/FrmSwitch.h"
#include "programs/ProgramFiles.h"
#include "state/State.h"

namespace ModProg {

void RegisterEditorDialogs(State& s) {
    s.SetEditorDialog(EditorDialog::LoadProgram, [](State& st, int16_t) { LoadProgramFromPC(st); });
    s.SetEditorDialog(EditorDialog::SaveProgram, [](State& st, int16_t) { SaveProgramToPC(st); });
    s.SetEditorDialog(EditorDialog::Store, ShowModalDialog<FrmStore>);
    s.SetEditorDialog(EditorDialog::Read, ShowModalDialog<FrmRead>);
    s.SetEditorDialog(EditorDialog::StoreExtra, ShowModalDialog<FrmStoreExtra>);
    s.SetEditorDialog(EditorDialog::ReadExtra, ShowModalDialog<FrmReadExtra>);
    s.SetEditorDialog(EditorDialog::Switch, ShowModalDialog<FrmSwitch>);
}

}  // namespace ModProg
