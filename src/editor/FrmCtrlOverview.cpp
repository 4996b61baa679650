// The overview's automatic mixer and ducker settings: "Active", the priority input boxes with
// their "Confirm", and the buttons that open the two dialogs.
#include "editor/FrmCtrl.h"
#include "editor/PriorityInputs.h"
#include "editor/senders/MixerSenders.h"
#include "state/State.h"
#include "ui/Host.h"

void FrmCtrl::Check7_Click() {
    RunChange([&] { ModFun::SendAutoMixerActive(s_); }, {});
}

void FrmCtrl::Command14_Click() {
    OpenDialog(EditorDialog::AutoMixer);
}

void FrmCtrl::Command15_Click() {
    OpenDialog(EditorDialog::Ducker);
}

void FrmCtrl::BeginPriorityEdit() {
    s_.EditBusy = true;
    LoadCorrectWindow();
    EnableOtherWindow(false);
    s_.host.SetMousePointer(ui::vbArrowHourglass);
}

void FrmCtrl::EndPriorityEdit() {
    s_.host.SetMousePointer(ui::vbDefault);
    EnableOtherWindow(true);
    s_.EditBusy = false;
}

// A changed selection is not sent: "Confirm" turns red while it differs from the stored one.
void FrmCtrl::Check8_Click(int16_t i) {
    if (s_.UiUpdating) return;
    BeginPriorityEdit();
    if (!editor::RefuseFifthPriorityInput(s_, Check8, i)) {
        Command16.SetBackColor(ModFun::PriorityConfirmColor(s_));
    }
    EndPriorityEdit();
}

void FrmCtrl::Command16_Click() {
    if (s_.UiUpdating) return;
    BeginPriorityEdit();
    ModFun::SendPriorityMask(s_);
    if (!Finished()) Command16.SetBackColor(ModFun::PriorityConfirmColor(s_));
    EndPriorityEdit();
}
