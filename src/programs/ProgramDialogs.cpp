#include "programs/ProgramDialogs.h"

#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"
#include "programs/FrmSwitch.h"
#include "programs/ProgramFiles.h"

namespace ModProg {

namespace {

template <class Dialog>
void ShowModal(State& s) {
    Dialog dialog(s);
    dialog.ShowModal();
}

}  // namespace

bool ShowProgramDialog(State& s, EditorDialog dialog) {
    switch (dialog) {
        case EditorDialog::LoadProgram:
            LoadProgramFromPC(s);
            return true;
        case EditorDialog::SaveProgram:
            SaveProgramToPC(s);
            return true;
        case EditorDialog::Store:
            ShowModal<FrmStore>(s);
            return true;
        case EditorDialog::Read:
            ShowModal<FrmRead>(s);
            return true;
        case EditorDialog::StoreExtra:
            ShowModal<FrmStoreExtra>(s);
            return true;
        case EditorDialog::ReadExtra:
            ShowModal<FrmReadExtra>(s);
            return true;
        case EditorDialog::Switch:
            ShowModal<FrmSwitch>(s);
            return true;
        default:
            return false;
    }
}

}  // namespace ModProg
