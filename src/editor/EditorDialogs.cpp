#include "editor/EditorDialogs.h"

#include "app/FrmVersion.h"
#include "editor/FrmEditLabel.h"
#include "processing/FrmCopyChannel.h"
#include "processing/FrmEqIn.h"
#include "processing/FrmLimiter.h"
#include "programs/ProgramDialogs.h"
#include "project/FrmConfigure.h"
#include "project/FrmWallPanel.h"
#include "state/State.h"

void ShowEditorDialog(State& s, EditorDialog dialog, int16_t index) {
    if (ModProg::ShowProgramDialog(s, dialog)) return;
    switch (dialog) {
        case EditorDialog::Version: {
            FrmVersion box(s);
            box.ShowModal();
            break;
        }
        case EditorDialog::Configure: {
            FrmConfigure configure(s);
            configure.ShowModal();
            break;
        }
        case EditorDialog::WallPanel: {
            FrmWallPanel wallPanel(s);
            wallPanel.ShowModal();
            break;
        }
        case EditorDialog::EditLabel: {
            FrmEditLabel names(s);
            names.ShowModal();
            break;
        }
        case EditorDialog::EqIn:
            ModEqIn::ShowFrmEqIn(s, index);
            break;
        case EditorDialog::Limiter: {
            if (index < 0 || index > 7) return;
            s.LimOutCh = index;
            FrmLimiter limiter(s);
            limiter.ShowModal();
            break;
        }
        case EditorDialog::CopyInput: {
            FrmCopyInput copy(s);
            copy.ShowModal();
            break;
        }
        case EditorDialog::CopyOutput: {
            FrmCopyOut copy(s);
            copy.ShowModal();
            break;
        }
        default:
            break;
    }
}
