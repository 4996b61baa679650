// The main window's load: the program's working state from the state files of the last run.
#include <cmath>
#include <string>

#include "app/MDIFrmMain.h"
#include "files/AppFolders.h"
#include "files/StateFiles.h"
#include "model/GraphConstants.h"
#include "project/DeviceList.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

// A stored window position in twips; a value that is no number counts as 0.
ui::Twips StoredPosition(float v) {
    return std::isfinite(v) ? sys::CLng(v) : 0;
}

}  // namespace

void MDIFrmMain::Form_Load() {
    s_.CmdBusy = false;
    s_.ProductName = " Velotrix ";
    s_.ModelNames = {" Velotra ", " Velomatic "};
    s_.EditorLastIdx = -1;
    s_.OpDone = true;
    s_.NewDevId = 1;
    s_.NewDevIp = {192, 168, 0, 1};
    s_.FrmCtrlHwnd.fill(255);
    s_.FrmDeviceHwnd.fill(255);
    s_.DevModel.fill(0);

    if (s_.SerialLink.Init(13, 32) != 0) {
        Fatal("Wrong SerialLib initialization!", "SerialLibDemo");
        return;
    }
    if (s_.TcpLink.Init(65) != 0) {
        Fatal("Wrong TCP initialization!", "TCPLibDemo");
        return;
    }
    model::InitGraphConstants(s_);

    AppFolders::Prepare(s_);
    StateFiles::ReadInitCfg(s_);
    ShowLinkButton();
    s_.LinkType = s_.InitCfg.LinkType;
    s_.ComPort = s_.InitCfg.ComPort;

    ModConfig::InitProjectDevices(s_);
    StateFiles::ReadDeviceList(s_);
    StateFiles::ReadDeviceImages(s_);
    RestoreDeviceWindows();

    SetMousePointer(ui::vbDefault);
    Timer7.SetInterval(1000);
    Timer7.SetTimerEnabled(true);
}

void MDIFrmMain::Fatal(const char* prompt, const char* title) {
    s_.host.MsgBox(prompt, ui::vbOKOnly + ui::vbCritical, title);
    ending_ = true;
    s_.host.End();
    Unload();
}

void MDIFrmMain::EnableAddDevice() {
    Command1(CmdAddDevice).SetEnabled(true);
}

void MDIFrmMain::ShowLinkButton() {
    ui::CommandButton& link = Command1(CmdLink);
    switch (s_.InitCfg.LinkType) {
        case 0:
            link.SetCaption("USB-COM" + std::to_string(s_.InitCfg.ComPort));
            break;
        case 1:
            link.SetCaption("RS485-COM" + std::to_string(s_.InitCfg.ComPort));
            break;
        default:
            link.SetCaption("TCP/IP");
            s_.InitCfg.LinkType = 2;
            break;
    }
}

void MDIFrmMain::RestoreDeviceWindows() {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        const model::DeviceRecord& rec = s_.DevList[slot];
        if (rec.LinkKind == s_.LinkType && rec.Used == -1) s_.DevImage[slot] = s_.StoredImage[slot];
    }
    ReopenDeviceWindows();
}

void MDIFrmMain::ReopenDeviceWindows() {
    const int16_t link = s_.LinkType;
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        model::DeviceRecord& rec = s_.DevList[slot];
        if (rec.LinkKind != link || rec.Used != -1) continue;
        s_.DevSlot[slot][DevSlotOwn] = link == 0 ? 0 : slot;
        s_.DevSlot[slot][DevSlotConnected] = 0;
        s_.DevAddr[slot] = link == 0 ? 0 : link == 1 ? rec.DevId : slot;
        if (link == 2) {
            s_.NewDevIp = rec.IpOctets;
            rec.IpText = ModConfig::DottedIp(rec.IpOctets);
        }
        rec.Online = 0;
        ModProject::ShowDeviceWindow(s_, slot);
        FrmDevice& w = FrmDeviceOf(s_, slot);
        w.Move(StoredPosition(rec.WinLeft), StoredPosition(rec.WinTop), w.Width(), w.Height());
        if (link == 0) Command1(CmdAddDevice).SetEnabled(false);
    }
    if (link == 1 || link == 2) Command1(CmdAddDevice).SetEnabled(true);
}
