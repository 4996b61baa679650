#include "editor/FrmCtrl.h"

#include "app/State.h"
#include "link/ProgramSlotLabel.h"
#include "project/FrmDevice.h"
#include "ui/Host.h"

FrmCtrl::FrmCtrl(State& s) : ui::Form(s.host, "FrmCtrl", ui::FormKind::MdiChild), s_(s) {
    Label8.Move(120, 9120, 7000, 255);
    Label19.Move(7300, 9120, 2400, 255);
}

void FrmCtrl::LoadCorrectWindow() {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s_.FrmCtrlHwnd[slot] == hWnd()) {
            s_.CurDev = slot;
            return;
        }
    }
}

void FrmCtrl::EnableOtherWindow(bool enable) {
    s_.OpDone = enable;
}

void FrmCtrl::Form_Load() {
    s_.EditBusy = true;
    s_.CurDev = s_.EditorLoadDev;
    s_.FrmCtrlHwnd[s_.CurDev] = hWnd();
    Move(Left(), Top(), kWidth, kHeight);
    s_.OpDone = true;
    s_.OfflineOnError = true;
    ModFun::LoadProgramSlotLabel(s_);
    Label19.SetCaption(s_.DevList[s_.CurDev].Online == 1 ? "Status: Online" : "Status: Offline");
    s_.PollEnabled = true;
    s_.EditBusy = false;
}

void FrmCtrl::Form_QueryUnload(int16_t& cancel, int16_t) {
    s_.EditBusy = true;
    LoadCorrectWindow();
    const int16_t dev = s_.CurDev;
    if (!s_.OpDone) {
        s_.host.MsgBox("Please wait the last requested operation to be accomplished",
                       ui::vbExclamation, "Close window");
        s_.EditBusy = false;
        cancel = -1;
        return;
    }
    if (!s_.DevOffline[dev] &&
        s_.host.MsgBox("            Are you sure ? ", ui::vbYesNo, "Close window") != ui::vbYes) {
        s_.EditBusy = false;
        cancel = -1;
        return;
    }
    s_.EditorLastIdx = static_cast<int16_t>(s_.EditorLastIdx - 1);
    s_.EditorSlot[dev][0] = 0;
    FrmDeviceOf(s_, dev).Label2.SetForeColor(ui::vbBlack);
    s_.FrmCtrlHwnd[dev] = 255;
    s_.OpDone = true;
    EnableOtherWindow(true);
    s_.EditBusy = false;
}
