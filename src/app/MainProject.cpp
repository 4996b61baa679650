// The command bar's project commands: loading a project file, the link type, ID and IP, and
// the network scan.
#include "app/MDIFrmMain.h"
#include "files/StateFiles.h"
#include "model/DeviceDefaults.h"
#include "project/DeviceList.h"
#include "project/DeviceWindows.h"
#include "project/FrmScan.h"
#include "project/FrmSelect.h"
#include "project/Frm_ID_IP.h"
#include "project/ProjectFile.h"
#include "state/State.h"
#include "ui/Host.h"

// A project of another link type asks to switch first; No leaves the current project as it
// is. Otherwise the current project's windows close (over the link they were opened with),
// the loaded records become the device list with the images that fit them, and the records
// of the current link type get their windows back where they were saved.
void MDIFrmMain::LoadProject() {
    if (!ModConfig::LoadProjectFile(s_)) return;
    const int16_t before = s_.LinkType;
    const model::PerSlot<model::DeviceRecord> previous = s_.DevList;
    int16_t project = ModConfig::ProjectLinkType(s_.DevListLoaded);
    if (project >= 0 && project != before) {
        int16_t current = before;
        int16_t port = 0;
        for (const model::DeviceRecord& rec : s_.DevListLoaded) {
            if (rec.Used == -1) {
                port = rec.IpOctets[0];
                break;
            }
        }
        if (!ModConfig::AskSwitchConnectionMode(s_, current, project, port)) return;
    }
    SetMousePointer(ui::vbArrowHourglass);
    const int16_t after = s_.LinkType;
    s_.LinkType = before;
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s_.DevList[slot].Used == -1) CloseDeviceWindow(slot);
    }
    s_.LinkType = after;
    s_.DevList = s_.DevListLoaded;
    TakeOverImages(previous, before);
    ReopenDeviceWindows();
    SetMousePointer(ui::vbDefault);
}

// The image of a record of the current link type is DevImage, that of another link's record
// the one startBf.ini keeps for it (StoredImage).
void MDIFrmMain::TakeOverImages(const model::PerSlot<model::DeviceRecord>& previous,
                                int16_t before) {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s_.DevList[slot].Used != -1) continue;
        if (!ModConfig::SameDevice(previous[slot], s_.DevList[slot])) {
            model::InitDeviceDefault(s_, static_cast<uint8_t>(slot));
        } else if (previous[slot].LinkKind != before) {
            s_.DevImage[slot] = s_.StoredImage[slot];
        }
        if (StateFiles::HoldsOtherLink(s_, slot)) s_.StoredImage[slot] = s_.DevImage[slot];
    }
}

// The link type changes only while the project holds no device of the current link type (the
// button follows the project a second late).
void MDIFrmMain::SelectLink() {
    if (AnyCurrentLinkDevice()) return;
    FrmSelect dialog(s_);
    dialog.ShowModal();
}

void MDIFrmMain::ConfigureIdIp() {
    Frm_ID_IP dialog(s_);
    dialog.ShowModal();
}

void MDIFrmMain::SearchIp() {
    s_.DevScanMark.fill(false);
    {
        FrmScan dialog(s_);
        dialog.ShowModal();
    }
    bool any = false;
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (!s_.DevScanMark[slot]) continue;
        ModProject::ShowDeviceWindow(s_, slot);
        any = true;
    }
    if (any) ModProject::ArrangeDeviceWindows(s_);
}
