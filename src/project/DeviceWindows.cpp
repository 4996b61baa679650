#include "project/DeviceWindows.h"

#include "editor/FrmCtrl.h"
#include "files/StateFiles.h"
#include "project/FrmDevice.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModProject {

void ShowDeviceWindow(State& s, int16_t slot) {
    s.WinOpenSlot = slot;
    FrmDeviceOf(s, slot).Show();
}

void ArrangeDeviceWindows(State& s) {
    constexpr int kRows = 16;
    constexpr ui::Twips kGap = 40;
    int row = 0;
    int column = 0;
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s.DevList[slot].Used != -1 || StateFiles::HoldsOtherLink(s, slot)) continue;
        FrmDevice& w = FrmDeviceOf(s, slot);
        w.Move((w.Width() + kGap) * column, (w.Height() + kGap) * row, w.Width(), w.Height());
        if (++row == kRows) {
            ++column;
            row = 0;
        }
    }
}

void OpenSpeakerEditor(State& s, int16_t slot) {
    s.EditBusy = true;
    if (s.EditorSlot[slot][0] != 0) {
        s.host.MsgBox("The window is already open", ui::vbOKOnly + ui::vbExclamation,
                      "Speakers Edit");
        s.EditBusy = false;
        return;
    }
    s.EditorSlot[slot] = {-1, s.DevSlot[slot][DevSlotOwn], slot};
    s.EditorLoadDev = slot;
    s.EditorLastIdx = static_cast<int16_t>(s.EditorLastIdx + 1);
    RefreshMainButtons(s);
    FrmDeviceOf(s, slot).Label2.SetForeColor(ui::RGB(255, 0, 0));
    NewFrmCtrl(s, slot).Show();
    s.EditBusy = false;
}

}  // namespace ModProject
