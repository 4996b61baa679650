#include "editor/EditorCalls.h"

#include "app/FrmVersion.h"
#include "editor/FrmEditLabel.h"
#include "processing/FrmEqIn.h"
#include "programs/ProgramDialogs.h"

namespace ModLink {

void LinkInputBalanced(State&, int16_t) {}
void LinkNoiseGateEnable(State&, int16_t) {}
void LinkInputFilter(State&, int16_t) {}
void LinkMicLine(State&, int16_t) {}
void LinkInputProcType(State&, int16_t) {}
void LinkFeedbackMode(State&, int16_t) {}
void LinkLimiter(State&, int16_t) {}
void LinkCompressor(State&, int16_t) {}
void LinkDelay(State&, int16_t) {}

}  // namespace ModLink

namespace ModFun {

void CopyInputChannel(State&, int16_t, int16_t) {}

}  // namespace ModFun

void ShowEditorDialog(State& s, EditorDialog dialog, int16_t index) {
    if (ModProg::ShowProgramDialog(s, dialog)) return;
    switch (dialog) {
        case EditorDialog::Version: {
            FrmVersion box(s);
            box.ShowModal();
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
        default:
            break;
    }
}
