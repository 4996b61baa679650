// The main window's command bar.
#include <algorithm>
#include <string>

#include "app/MDIFrmMain.h"
#include "files/StateFiles.h"
#include "project/Connect.h"
#include "project/DeviceList.h"
#include "project/DeviceStatus.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"
#include "project/FrmSetID.h"
#include "project/FrmSetIP.h"
#include "project/ProjectFile.h"
#include "state/State.h"
#include "ui/Host.h"

void MDIFrmMain::Command1_Click(int16_t index) {
    // As its disabled button would, also before the timer's next tick.
    if (ButtonInputs().EditorOpen &&
        std::ranges::find(kEditorLocked, index) != kEditorLocked.end()) {
        return;
    }
    if (s_.CmdBusy) return;
    if (!s_.OpDone) {
        s_.host.MsgBox("Please wait the last requested operation to be accomplished",
                       ui::vbOKOnly + ui::vbExclamation, "Exit");
        return;
    }
    s_.CmdBusy = true;
    switch (index) {
        case CmdLoadProject:
            LoadProject();
            break;
        case CmdSaveProject:
            ModConfig::SaveProject(s_);
            break;
        case CmdAddDevice:
            AddDevice();
            break;
        case CmdRemoveDevice:
            RemoveDevices();
            break;
        case CmdConnectAll:
            ConnectAll();
            break;
        case CmdLink:
            SelectLink();
            break;
        case CmdExit:
            Unload();
            break;
        case CmdIdIp:
            ConfigureIdIp();
            break;
        case CmdIpSearch:
            SearchIp();
            break;
        default:
            break;
    }
    s_.CmdBusy = false;
}

void MDIFrmMain::AddDevice() {
    s_.AddDevOk = false;
    if (s_.LinkType == 0) {
        if (!MayReplaceSlot0()) return;
        s_.NewDevSlot = 0;
        ModConfig::InsertDevice(s_, 0);
        ModProject::ShowDeviceWindow(s_, 0);
        Command1(CmdAddDevice).SetEnabled(false);
        return;
    }
    if (s_.LinkType == 2) {
        FrmSetIP dialog(s_);
        dialog.ShowModal();
    } else {
        FrmSetID dialog(s_);
        dialog.ShowModal();
    }
    const int16_t slot = s_.NewDevSlot;
    if (!s_.AddDevOk || slot < 0 || slot >= model::SlotCount) return;
    if (s_.DevList[slot].Used != -1) {
        ModConfig::InsertDevice(s_, slot);
        ModProject::ShowDeviceWindow(s_, slot);
    }
    ModProject::ArrangeDeviceWindows(s_);
}

// The USB device always goes into slot 0; a record another link type keeps there is
// replaced only when the user says so.
bool MDIFrmMain::MayReplaceSlot0() {
    if (!StateFiles::HoldsOtherLink(s_, 0)) return true;
    const model::DeviceRecord& rec = s_.DevList[0];
    const std::string link = ModConfig::LinkName(rec.LinkKind);
    const std::string address = rec.LinkKind == 1 ? "ID " + std::to_string(rec.DevId) : rec.IpText;
    const std::string prompt = "The USB device takes the place of the " + link + " device " +
                               address + " \"" + rec.NickName + "\", kept for the " + link +
                               " link. Replacing it loses that device's entry and its stored "
                               "settings.\r\nReplace it?";
    return s_.host.MsgBox(prompt, ui::vbYesNo + ui::vbExclamation + ui::vbDefaultButton2,
                          "Add Device") == ui::vbYes;
}

void MDIFrmMain::RemoveDevices() {
    if (s_.host.MsgBox("              Are you sure?", ui::vbYesNo, "Remove device(s)") !=
        ui::vbYes) {
        return;
    }
    SetMousePointer(ui::vbArrowHourglass);
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s_.DevList[slot].Used == -1 && !StateFiles::HoldsOtherLink(s_, slot)) {
            CloseDeviceWindow(slot);
        }
    }
    SetMousePointer(ui::vbDefault);
}

void MDIFrmMain::CloseDeviceWindow(int16_t slot) {
    s_.MainCmdMark = true;
    const WindowPtr<FrmDevice>& w = s_.FrmDeviceWin[slot];
    if (w && w->Loaded()) {
        w->Unload();
    } else {
        ModConfig::ResetDeviceRecord(s_, slot);
    }
    s_.MainCmdMark = false;
}

void MDIFrmMain::ConnectAll() {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        s_.DevConnErr[slot] = false;
        if (s_.DevList[slot].Used == -1 && !StateFiles::HoldsOtherLink(s_, slot)) {
            ModProject::ConnectDevice(s_, slot);
        }
    }
    std::string missing;
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (!s_.DevConnErr[slot]) continue;
        switch (s_.LinkType) {
            case 0:
                missing += s_.ProductName + " USB";
                break;
            case 1:
                missing += s_.ProductName + " ID:" + std::to_string(s_.DevList[slot].DevId);
                break;
            default:
                missing += " IP:" + s_.DevList[slot].IpText;
                break;
        }
        missing += "\r\n";
    }
    if (!missing.empty()) {
        s_.host.MsgBox("The following devices are not found\r\n" + missing,
                       ui::vbOKOnly + ui::vbInformation, "Connect All");
    }
}
