#include "programs/ProgramFiles.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "editor/EditorCaption.h"
#include "editor/FrmCtrl.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "files/AppFolders.h"
#include "model/DevImageRecord.h"
#include "model/MemoryMap.h"
#include "model/RecordFile.h"
#include "programs/ProgramRest.h"
#include "programs/ProgramSlots.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModProg {

namespace {

// The progress bar of the editor while a program file is applied.
constexpr float kProgressMax = 289;
// The title of the load's messages.
constexpr const char* kLoadTitle = " Error";

ui::FileDialog ProgramFileDialog(const State& s) {
    return PresetFileDialog(s, "file program (*.XPG)|*.XPG", "XPG");
}

void Refuse(State& s, const std::string& message) {
    s.host.MsgBox(message, ui::vbOKOnly + ui::vbExclamation, kLoadTitle);
}

// The file's program bytes 0..911, record bytes 931 and 930 and the panel state into the
// slot's image; its link masks cleared.
void TakeProgram(State& s, int16_t dev) {
    model::DevImageRecord& image = s.DevImage[dev];
    std::copy_n(s.ProgTemp.ProgImage.begin(), model::ProgramBytes, image.ProgImage.begin());
    image.DevExtra[CurProgRegByte] = s.ProgTemp.DevExtra[CurProgRegByte];
    image.DevExtra[model::DelayUnitExtra] = s.ProgTemp.DevExtra[model::DelayUnitExtra];
    image.PanelState = s.ProgTemp.PanelState;
    s.OutLinkMask[dev] = 0;
    s.InLinkMask[dev] = 0;
}

// The editor's progress bar hidden and the load's flags and pointer put back.
void EndLoad(State& s) {
    if (FrmCtrl* editor = ExistingFrmCtrl(s, s.CurDev)) editor->ProgressBar1.SetVisible(false);
    s.LoadStateWord = 0;
    SetMainPointer(s, ui::vbDefault);
}

}  // namespace

ui::FileDialog PresetFileDialog(const State& s, const char* filter, const char* ext) {
    ui::FileDialog d;
    d.Filter = filter;
    d.InitDir = AppFolders::Folder(s, AppFolders::kPreset);
    d.DefaultExt = ext;
    return d;
}

void SaveProgramToPC(State& s) {
    ui::FileDialog d = ProgramFileDialog(s);
    if (!s.host.ShowSave(d)) return;
    model::RecordWriter w;
    model::WriteDevImageRecord(w, s.DevImage[s.CurDev]);
    if (!model::WriteFileAtomic(d.FileName, w.Data())) {
        Refuse(s, "The program file " + d.FileName + " could not be written.");
    }
}

void LoadProgramFromPC(State& s) {
    if (!DeviceReachable(s, kLoadTitle)) return;
    ui::FileDialog d = ProgramFileDialog(s);
    if (!s.host.ShowOpen(d)) return;
    SetMainPointer(s, ui::vbArrowHourglass);
    std::vector<uint8_t> bytes;
    const model::FileRead read =
        model::ReadFileHead(d.FileName, model::DevImageRecord::Size, bytes);
    if (read != model::FileRead::Read) {
        Refuse(s, read == model::FileRead::Missing
                      ? " File not found. Try again."
                      : model::FileReadText(read, d.FileName) + " Nothing was loaded.");
        SetMainPointer(s, ui::vbDefault);
        return;
    }
    if (bytes.size() < model::DevImageRecord::Size) {
        Refuse(s, "The file " + d.FileName + " is not a program file: it holds " +
                      std::to_string(bytes.size()) + " bytes of 1763.");
        SetMainPointer(s, ui::vbDefault);
        return;
    }
    model::RecordReader r(bytes);
    model::ReadDevImageRecord(r, s.ProgTemp);

    const int16_t dev = s.CurDev;
    s.LoadStateWord = -1;
    ui::ProgressBar& bar = FrmCtrlOf(s, dev).ProgressBar1;
    bar.SetRange(0, kProgressMax);
    bar.SetValue(0);
    bar.SetVisible(true);
    // The PC takes the file's program only once the device has taken the opening frame.
    if (ModRxTx::TxCommand(s, dev, CmdBulkUpdate, 0)) {
        EndLoad(s);
        Refuse(s, "The device did not receive the program: nothing was loaded.");
        return;
    }
    TakeProgram(s, dev);
    ModFun::ApplyDeviceImage(s);
    const bool failed =
        SendProgramRest(s, s.ProgTemp.ProgImage) || ModRxTx::TxCommand(s, dev, CmdBulkUpdate, 1);
    EndLoad(s);
    FrmCtrl* editor = ExistingFrmCtrl(s, dev);
    if (failed || editor == nullptr) return;
    editor->SetCaption(editor::EditorCaptionHead(s, dev) + "- Program loaded from PC " +
                       std::filesystem::path(d.FileName).filename().string());
}

}  // namespace ModProg
