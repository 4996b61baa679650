// The Inputs tab's "Setup" button: the device's USB/RS485 mode.
#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "project/FrmWallPanel.h"

void FrmCtrl::Command11_Click() {
    s_.EditBusy = true;
    LoadCorrectWindow();
    FrmWallPanel dialog(s_);
    dialog.ShowModal();
    s_.EditBusy = false;
}
