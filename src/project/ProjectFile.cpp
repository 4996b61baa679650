#include "project/ProjectFile.h"

#include <array>
#include <string>
#include <vector>

#include "files/AppFolders.h"
#include "files/StateFiles.h"
#include "model/RecordFile.h"
#include "project/FrmDevice.h"
#include "state/State.h"
#include "ui/FileDialog.h"
#include "ui/Host.h"

namespace ModConfig {

namespace {

// A file shorter than this holds no project; the 65 records take this many bytes at most.
constexpr size_t kShortestProject = 10;
constexpr size_t kProjectBytes = model::SlotCount * model::RecordSlotSize;

ui::FileDialog ProjectDialog(const State& s) {
    ui::FileDialog d;
    d.Filter = "file project (*.xpj)|*.xpj;*.XPJ";
    d.InitDir = AppFolders::Folder(s, AppFolders::kProject);
    d.DefaultExt = "xpj";
    return d;
}

}  // namespace

const char* LinkName(int16_t type) {
    switch (type) {
        case 0:
            return "USB";
        case 1:
            return "RS485";
        default:
            return "TCP/IP";
    }
}

void KeepWindowPositions(State& s) {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        model::DeviceRecord& rec = s.DevList[slot];
        if (rec.Used != -1 || StateFiles::HoldsOtherLink(s, slot)) continue;
        const WindowPtr<FrmDevice>& w = s.FrmDeviceWin[slot];
        if (w && w->Loaded()) {
            rec.WinLeft = static_cast<float>(w->Left());
            rec.WinTop = static_cast<float>(w->Top());
        }
        if (rec.LinkKind != 2) rec.IpOctets.fill(static_cast<uint8_t>(s.InitCfg.ComPort));
    }
}

void SaveProject(State& s) {
    ui::FileDialog d = ProjectDialog(s);
    if (!s.host.ShowSave(d)) return;
    KeepWindowPositions(s);
    std::vector<uint8_t> file;
    bool ok = true;
    for (size_t slot = 0; slot < model::SlotCount && ok; ++slot) {
        model::RecordWriter w;
        model::WriteDeviceRecord(w, s.DevList[slot]);
        ok = !w.Failed() && model::PutRecordSlot(file, slot, w.Data());
    }
    // A project that did not reach the disk is not kept silently.
    if (!ok || !model::WriteFileAtomic(d.FileName, file)) {
        s.host.MsgBox("The project could not be saved to\r\n" + d.FileName,
                      ui::vbOKOnly + ui::vbExclamation, "Save Project");
    }
}

bool LoadProjectFile(State& s) {
    ui::FileDialog d = ProjectDialog(s);
    if (!s.host.ShowOpen(d)) return false;
    std::vector<uint8_t> file;
    const model::FileRead read = model::ReadFileHead(d.FileName, kProjectBytes, file);
    if (read == model::FileRead::NotRegular || read == model::FileRead::Failed) {
        s.host.MsgBox(model::FileReadText(read, d.FileName) + " The project is unchanged.",
                      ui::vbOKOnly + ui::vbExclamation, "Load Project");
    }
    if (file.size() < kShortestProject) {
        SetMainPointer(s, ui::vbDefault);
        return false;
    }
    for (size_t slot = 0; slot < model::SlotCount; ++slot) {
        model::DeviceRecord& rec = s.DevListLoaded[slot];
        if (model::ReadDeviceRecord(model::RecordSlot(file, slot), rec) !=
            model::DeviceRecordFault::None) {
            rec = model::DeviceRecord{};
        }
    }
    return true;
}

int16_t ProjectLinkType(const model::PerSlot<model::DeviceRecord>& list) {
    for (const model::DeviceRecord& rec : list) {
        if (rec.Used == -1) return rec.LinkKind;
    }
    return -1;
}

bool AskSwitchConnectionMode(State& s, int16_t& current, int16_t& project, int16_t& port) {
    (void)port;
    const std::string to = LinkName(project);
    const std::string prompt = "The selected project need a " + to +
                               " connection, do you want to switch from " + LinkName(current) +
                               " to " + to + " mode?";
    if (s.host.MsgBox(prompt, ui::vbYesNo, "Load Project") == ui::vbYes) {
        // The switch is kept in init.cfg, so that the next start comes up on the project's link.
        const InitCfgRecord before = s.InitCfg;
        s.InitCfg.LinkType = project;
        if (StateFiles::WriteInitCfg(s)) {
            s.LinkType = project;
            if (s.MainWin) s.MainWin->ShowLinkButton();
            return true;
        }
        s.InitCfg = before;
        s.host.MsgBox("The link type could not be saved to " +
                          StateFiles::StateFilePath(s, StateFiles::kInitCfg) + ". The link stays " +
                          LinkName(current) + " and the project was not loaded.",
                      ui::vbOKOnly + ui::vbExclamation, "Load Project");
    }
    s.CmdBusy = false;
    SetMainPointer(s, ui::vbDefault);
    return false;
}

}  // namespace ModConfig
