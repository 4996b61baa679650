// What the status window does: its load, Connect and Disconnect, Edit, the nick name and
// closing, which deletes the device.
#include "project/Connect.h"
#include "project/DeviceList.h"
#include "project/DeviceStatus.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"
#include "project/FrmNickName.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

void FrmDevice::Form_Load() {
    ProgressBar1.SetVisible(false);
    s_.CurDevWin = s_.WinOpenSlot;
    s_.FrmDeviceHwnd[s_.CurDevWin] = hWnd();
    Move(0, 0, kWidth, kHeight);
    SetCaption(ModProject::DeviceCaption(s_, s_.CurDevWin, false, ModProject::UsbCaption::Short));
    Label10.SetCaption(s_.DevList[s_.CurDevWin].NickName);
}

void FrmDevice::SearchConnection(int16_t slot, bool& ok) {
    ok = ModProject::OpenLink(s_, slot, ModProject::kWindowLinkOpen);
}

void FrmDevice::Label1_Click() {
    if (s_.CmdBusy) return;
    s_.EditBusy = true;
    s_.CmdBusy = true;
    FindDeviceWindowSlot();
    const int16_t slot = s_.CurDevWin;
    if (s_.EditorSlot[slot][0] != 0) {
        s_.EditBusy = false;
        s_.CmdBusy = false;
        return;
    }
    SetMousePointer(ui::vbArrowHourglass);
    if (s_.DevList[slot].Online != 1) {
        ModProject::ConnectFromWindow(s_, slot);
    } else if (!Disconnect(slot)) {
        // No to the question: everything stays as it was.
        SetMousePointer(ui::vbDefault);
        s_.EditBusy = false;
        s_.CmdBusy = false;
        return;
    }
    ModProject::ShowDeviceStatus(s_, slot, s_.DevList[slot].Online == 1,
                                 ModProject::UsbCaption::Short);
    ProgressBar1.SetVisible(false);
    SetMousePointer(ui::vbDefault);
    s_.EditBusy = false;
    s_.CmdBusy = false;
}

// The Disconnect half of Label1: after the user's Yes, CmdDisconnect; the slot goes offline
// unless that request failed. False when the user answered No.
bool FrmDevice::Disconnect(int16_t slot) {
    if (s_.host.MsgBox("               Are you sure?", ui::vbYesNo, "Disconnect device") !=
        ui::vbYes) {
        return false;
    }
    bool failed = false;
    if (IsSerialLink(s_.LinkType)) {
        failed = ModRxTx::TxCommand(s_, slot, CmdDisconnect);
    } else {
        s_.host.SetMousePointer(ui::vbArrowHourglass);
        if (s_.TcpLink.IsConnected(slot) != 0) {
            failed = ModRxTx::TxCommand(s_, slot, CmdDisconnect);
            if (!failed) s_.TcpLink.Disconnect(slot);
        }
        s_.host.SetMousePointer(ui::vbDefault);
    }
    if (!failed) s_.DevList[slot].Online = 0;
    return true;
}

void FrmDevice::Label2_Click() {
    FindDeviceWindowSlot();
    if (s_.CmdBusy) return;
    s_.CmdBusy = true;
    s_.EditBusy = true;
    ModProject::OpenSpeakerEditor(s_, s_.CurDevWin);
    s_.CmdBusy = false;
    s_.EditBusy = false;
}

void FrmDevice::Label10_DblClick() {
    FindDeviceWindowSlot();
    s_.NickNameDev = s_.CurDevWin;
    FrmNickName dialog(s_);
    dialog.ShowModal();
}

void FrmDevice::Form_QueryUnload(int16_t& cancel, int16_t) {
    s_.EditBusy = true;
    FindDeviceWindowSlot();
    const int16_t slot = s_.CurDevWin;
    if (s_.EditorSlot[slot][0] != 0 ||
        (!s_.MainCmdMark && s_.host.MsgBox("                Are you sure?", ui::vbYesNo,
                                           "Delete Device") != ui::vbYes)) {
        cancel = -1;
        s_.EditBusy = false;
        return;
    }
    model::DeviceRecord& rec = s_.DevList[slot];
    if (rec.Used == -1 && rec.Online == 1) {
        if (IsSerialLink(s_.LinkType)) {
            ModRxTx::TxCommand(s_, slot, CmdDisconnect);
            rec.Online = 0;
        } else {
            // A failed disconnect request has taken the device offline already: the delete
            // goes on, so that no record is left behind without a window.
            if (s_.TcpLink.IsConnected(slot) != 0) {
                ModRxTx::TxCommand(s_, slot, CmdDisconnect);
                s_.TcpLink.Disconnect(slot);
            }
            rec.Online = 0;
        }
    }
    ModConfig::ResetDeviceRecord(s_, slot);
    if (s_.LinkType == 0 && s_.MainWin) s_.MainWin->EnableAddDevice();
    s_.EditBusy = false;
}
