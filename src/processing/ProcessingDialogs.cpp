#include "processing/ProcessingDialogs.h"

#include "processing/FrmAM.h"
#include "processing/FrmCopyChannel.h"
#include "processing/FrmDucker.h"
#include "processing/FrmEqIn.h"
#include "processing/FrmLimiter.h"
#include "processing/FrmNG.h"
#include "state/State.h"

namespace processing {

namespace {

void ShowLimiter(State& s, int16_t output) {
    if (output < 0 || output > 7) return;
    s.LimOutCh = output;
    ShowModalDialog<FrmLimiter>(s, output);
}

void ShowNoiseGate(State& s, int16_t input) {
    s.CurInCh = input;
    ShowModalDialog<FrmNG>(s, input);
}

}  // namespace

void RegisterEditorDialogs(State& s) {
    s.SetEditorDialog(EditorDialog::EqIn, ModEqIn::ShowFrmEqIn);
    s.SetEditorDialog(EditorDialog::Limiter, ShowLimiter);
    s.SetEditorDialog(EditorDialog::NoiseGate, ShowNoiseGate);
    s.SetEditorDialog(EditorDialog::AutoMixer, ShowModalDialog<FrmAM>);
    s.SetEditorDialog(EditorDialog::Ducker, ShowModalDialog<FrmDucker>);
    s.SetEditorDialog(EditorDialog::CopyInput, ShowModalDialog<FrmCopyInput>);
    s.SetEditorDialog(EditorDialog::CopyOutput, ShowModalDialog<FrmCopyOut>);
}

}  // namespace processing
