#include "programs/ReadWindow.h"

#include <algorithm>
#include <array>

#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "model/MemoryMap.h"
#include "programs/ProgramSlots.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kClientWidth = 4800;
// Image byte 929, the current switch preset, in DevExtra.
constexpr size_t kSwitchPresetByte = 929 - model::DevImageRecord::DevExtraOffset;
// 114 reads and the steps of applying the image.
constexpr float kProgressMax = 912 / 8 + 289;

}  // namespace

ReadWindow::ReadWindow(State& s, const char* formName, bool extra)
    : ui::Form(s.host, formName),
      s_(s),
      extra_(extra),
      title_(extra ? "Read program Extra" : "Read program") {
    LayOut();
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void ReadWindow::LayOut() {
    SetCaption(extra_ ? "Read Program Extra" : "Read Program");
    SetSizable(false);
    SetClientSize(kClientWidth, 3180);
    ModProg::PlaceSlotList(Label3, List1, kClientWidth, extra_);
    List1.SetToolTipText("Select a program");
    Label2.SetCaption("Please wait: reading program.........");
    Label2.Move(120, 2220, kClientWidth - 240, 255);
    ModProg::PlaceButtonPair(Command1, kClientWidth, 2640, "Cancel", "Read");
    Command1(0).SetCancel(true);
}

void ReadWindow::Form_Load() {
    Label2.SetVisible(false);
    ModProg::FillSlotList(s_, List1, extra_);
    List1.SetListIndex(0);
}

void ReadWindow::Command1_Click(int16_t index) {
    if (index != 1) {
        Unload();
        return;
    }
    const int16_t n = List1.ListIndex();
    if (n < 0 || n >= SlotCount()) return;
    const int16_t slot = extra_ ? ModProg::ExtraSlotBase + n : n;
    if (s_.DevParam[s_.CurDev].SlotStatus()[slot] != model::StoredProgramMark) {
        s_.host.MsgBox("Program empty", ui::vbOKOnly + ui::vbCritical, title_);
        return;
    }
    if (!ModProg::DeviceReachable(s_, title_)) return;
    if (s_.host.MsgBox("Overwrite current editing, are you sure ? ", ui::vbYesNo, title_) !=
        ui::vbYes) {
        return;
    }
    SetMousePointer(ui::vbArrowHourglass);
    if (!ReadProgramFromDevice(n)) HideEditorProgress();
    Label2.SetVisible(false);
    SetMousePointer(ui::vbDefault);
    Unload();
}

void ReadWindow::HideEditorProgress() {
    if (FrmCtrl* editor = ExistingFrmCtrl(s_, s_.CurDev)) editor->ProgressBar1.SetVisible(false);
}

bool ReadWindow::ReadProgramFromDevice(int16_t n) {
    const int16_t dev = s_.CurDev;
    const int16_t slot = extra_ ? ModProg::ExtraSlotBase + n : n;
    Label2.SetVisible(true);
    ui::ProgressBar& bar = FrmCtrlOf(s_, dev).ProgressBar1;
    bar.SetRange(0, kProgressMax);
    bar.SetValue(0);
    bar.SetVisible(true);

    std::array<uint8_t, model::ProgramBytes> prog{};
    for (int off = 0; off < model::ProgramBytes; off += 8) {
        const int addr = model::ProgramSlotAddr(slot) + off;
        // Only a reply that came is taken: no exchange, no bytes.
        if (!ModRxTx::TxQuery(s_, dev, CmdReadMem, static_cast<uint8_t>(addr >> 8 & 0xFF),
                              static_cast<uint8_t>(addr & 0xFF), 8)) {
            return false;
        }
        std::copy(s_.RxBuf.begin() + 4, s_.RxBuf.begin() + 12, prog.begin() + off);
        if (FrmCtrl* editor = ExistingFrmCtrl(s_, dev)) {
            editor->ProgressBar1.SetValue(editor->ProgressBar1.Value() + 1);
        }
    }
    if (ModRxTx::TxCommand(s_, dev, CmdRecallProgram, static_cast<uint8_t>(slot))) return false;

    std::copy(prog.begin(), prog.end(), s_.DevImage[dev].ProgImage.begin());
    model::DevParamRecord& par = s_.DevParam[dev];
    if (!extra_ && par.SwitchPresetLink == 1.0) {
        par.CurSwitchPreset = n;
        s_.DevImage[dev].DevExtra[kSwitchPresetByte] = static_cast<uint8_t>(n);
    }
    ModProg::SetRunningSlot(s_, slot);
    s_.OutLinkMask[dev] = 0;
    s_.InLinkMask[dev] = 0;
    s_.GraphHold = 1;
    s_.TxBlocked = true;
    s_.LoadStateWord = -1;
    ModFun::ApplyDeviceImage(s_);
    HideEditorProgress();
    s_.LoadStateWord = 0;
    s_.TxBlocked = false;
    s_.GraphHold = 0;
    for (int16_t ch = 8; ch < 16; ++ch) ModGraph::RedrawGraphCtrl(s_, ch);
    FrmCtrlOf(s_, dev).SetCaption(ModProg::SlotCaption(s_, slot));
    return true;
}
