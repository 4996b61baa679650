// The overview's automatic mixer and ducker settings: "Active", the priority input boxes with
// their "Confirm", and the buttons that open the two dialogs.
#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "link/MixerSenders.h"
#include "processing/FrmAM.h"
#include "processing/FrmDucker.h"
#include "ui/Host.h"

namespace {

constexpr int kMaxPriorityInputs = 4;

}  // namespace

void FrmCtrl::Check7_Click() {
    RunChange([&] { ModFun::SendAutoMixerActive(s_); }, {});
}

void FrmCtrl::Command14_Click() {
    s_.EditBusy = true;
    LoadCorrectWindow();
    FrmAM dialog(s_);
    dialog.ShowModal();
    s_.EditBusy = false;
}

void FrmCtrl::Command15_Click() {
    s_.EditBusy = true;
    LoadCorrectWindow();
    FrmDucker dialog(s_);
    dialog.ShowModal();
    s_.EditBusy = false;
}

void FrmCtrl::EndPriorityEdit() {
    s_.host.SetMousePointer(ui::vbDefault);
    EnableOtherWindow(true);
    s_.EditBusy = false;
}

// A changed selection is not sent: "Confirm" turns red while it differs from the stored one.
void FrmCtrl::Check8_Click(int16_t i) {
    if (s_.UiUpdating) return;
    s_.EditBusy = true;
    LoadCorrectWindow();
    EnableOtherWindow(false);
    s_.host.SetMousePointer(ui::vbArrowHourglass);
    if (Check8(i).Value() == 1) {
        int others = 0;
        for (int16_t j = 0; j < 8; ++j) {
            if (j != i && Check8(j).Value() == 1) ++others;
        }
        if (others >= kMaxPriorityInputs) {
            s_.host.MsgBox("Max input select is 4", ui::vbOKOnly + ui::vbInformation,
                           "Priority Input Channel");
            s_.UiUpdating = true;
            Check8(i).SetValue(0);
            s_.UiUpdating = false;
            EndPriorityEdit();
            return;
        }
    }
    Command16.SetBackColor(ModFun::PriorityConfirmColor(s_));
    EndPriorityEdit();
}

void FrmCtrl::Command16_Click() {
    if (s_.UiUpdating) return;
    s_.EditBusy = true;
    LoadCorrectWindow();
    EnableOtherWindow(false);
    s_.host.SetMousePointer(ui::vbArrowHourglass);
    ModFun::SendPriorityMask(s_);
    if (!Finished()) Command16.SetBackColor(ModFun::PriorityConfirmColor(s_));
    EndPriorityEdit();
}
