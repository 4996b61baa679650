#include "programs/StoreWindow.h"

#include <array>

#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "model/Tables.h"
#include "programs/ProgramSlots.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kClientWidth = 4800;
// Image bytes of the program name, and the device address of the working program's name.
constexpr int kProgNameAddr = 432;
constexpr int kWorkingNameAddr = 496;
// Device address of the current-program register.
constexpr uint8_t kCurProgRegAddr = 18;
// One step per write frame: 228 slot frames, 4 name frames, the slot number and the frame that
// clears the mark of a slot that held a program.
constexpr float kProgressMax = 912 / 4 + 10;
// The slot frame that carries the stored mark.
constexpr int kMarkFrameOffset = model::ProgMarkAddr / 4 * 4;

}  // namespace

StoreWindow::StoreWindow(State& s, const char* formName, bool extra)
    : ui::Form(s.host, formName),
      s_(s),
      extra_(extra),
      title_(extra ? "Store Program Extra" : "Store Program") {
    LayOut();
    List1.On().Click = [this](int16_t) { List1_Click(); };
    Combo1.On().Click = [this](int16_t) { Combo1_Click(); };
    Text1.On().Change = [this](int16_t) { Text1_Change(); };
    Text1.On().KeyDown = [this](int16_t, int16_t& code, int16_t) { Text1_KeyDown(code); };
    Text1.On().KeyPress = [this](int16_t, int16_t& key) { keys_.KeyPress(key); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void StoreWindow::LayOut() {
    SetCaption(extra_ ? "Store Program Extra" : "Store program");
    SetSizable(false);
    SetClientSize(kClientWidth, 4500);
    ModProg::PlaceSlotList(Label3, List1, kClientWidth, extra_);
    List1.SetToolTipText(
        "Simple click to copy name and position to \"Edit Name\" box and \"Select Position\" ");
    Label2.Load(0).SetCaption("Select position");
    Label2(0).Move(120, 2280, 1500, 255);
    Combo1.SetStyle(2);
    for (int16_t n = 0; n < SlotCount(); ++n) Combo1.AddItem(std::to_string(n + 1));
    Combo1.Move(1740, 2220, 900, 315);
    Label2.Load(1).SetCaption("Edit Name      [max size 16 characters]");
    Label2(1).Move(120, 2700, 4000, 255);
    Text1.Move(120, 3000, 2700, 315);
    Label1.Move(2940, 3030, 600, 255);
    ProgressBar1.Move(120, 3480, kClientWidth - 240, 255);
    ModProg::PlaceButtonPair(Command1, kClientWidth, 3960, "Cancel", "Store");
    Command1(0).SetCancel(true);
}

void StoreWindow::Form_Load() {
    ProgressBar1.SetVisible(false);
    ProgressBar1.SetValue(0);
    Label1.SetCaption("");
    ModProg::FillSlotList(s_, List1, extra_);
    s_.UiUpdating = true;
    List1.SetListIndex(0);
    Combo1.SetListIndex(0);
    s_.UiUpdating = false;
    Text1.SetText(ModProg::RowName(List1.List(0)));
}

void StoreWindow::List1_Click() {
    if (s_.UiUpdating) return;
    Text1.SetText(ModProg::RowName(List1.List(List1.ListIndex())));
    s_.UiUpdating = true;
    Combo1.SetListIndex(List1.ListIndex());
    s_.UiUpdating = false;
}

void StoreWindow::Combo1_Click() {
    if (s_.UiUpdating) return;
    s_.UiUpdating = true;
    List1.SetListIndex(Combo1.ListIndex());
    s_.UiUpdating = false;
}

void StoreWindow::Text1_Change() {
    if (Text1.Text().empty()) return;
    const size_t n = ModProg::TrimRight(Text1.Text()).size();
    Label1.SetCaption(n > ModProg::ProgNameLength ? std::to_string(n) : "");
}

void StoreWindow::Text1_KeyDown(int16_t& keyCode) {
    keys_.KeyDown(s_.host, keyCode);
}

void StoreWindow::Command1_Click(int16_t index) {
    if (index != 1) {
        Unload();
        return;
    }
    Text1.SetText(ModProg::TrimRight(Text1.Text()));
    if (Text1.Text().size() > ModProg::ProgNameLength) {
        s_.host.MsgBox("Max size of the program name is 16 characters",
                       ui::vbOKOnly + ui::vbCritical, "Program name");
        return;
    }
    const int16_t n = Combo1.ListIndex();
    if (n < 0 || n >= SlotCount()) return;
    if (!ModProg::DeviceReachable(s_, title_)) return;
    if (s_.host.MsgBox("               Are you sure ? ", ui::vbYesNo, title_) != ui::vbYes) return;
    SetMousePointer(ui::vbArrowHourglass);
    std::string name = Text1.Text();
    StoreProgramToDevice(n, name);
    ProgressBar1.SetVisible(false);
    SetMousePointer(ui::vbDefault);
    Unload();
}

bool StoreWindow::StoreProgramToDevice(int16_t n, std::string& name) {
    name = ModProg::PadName(name);
    const int16_t dev = s_.CurDev;
    const int16_t slot = extra_ ? ModProg::ExtraSlotBase + n : n;
    // The program as it goes into the slot: the working image with the new name and the mark.
    std::array<uint8_t, 913> prog = s_.DevImage[dev].ProgImage;
    for (size_t j = 0; j < ModProg::ProgNameLength; ++j) {
        prog[kProgNameAddr + j] = static_cast<uint8_t>(name[j]);
    }
    prog[model::ProgMarkAddr] = model::StoredProgramMark;

    ProgressBar1.SetValue(0);
    ProgressBar1.SetVisible(true);
    ProgressBar1.SetRange(0, kProgressMax);
    const auto sent = [&](bool failed) {
        if (!failed) ProgressBar1.SetValue(ProgressBar1.Value() + 1);
        return !failed;
    };
    const auto write4 = [&](int addr, int from) {
        return sent(ModRxTx::TxCommand(s_, dev, CmdWriteMem4,
                                       static_cast<uint8_t>(addr >> 8 & 0xFF),
                                       static_cast<uint8_t>(addr & 0xFF), prog[from],
                                       prog[from + 1], prog[from + 2], prog[from + 3]));
    };
    const auto writeByte = [&](int addr, uint8_t value) {
        return sent(ModRxTx::TxCommand(s_, dev, CmdWriteByte,
                                       static_cast<uint8_t>(addr >> 8 & 0xFF),
                                       static_cast<uint8_t>(addr & 0xFF), 0, 0, value));
    };
    // The slot counts as stored by its mark alone, so the mark goes last: a store that stops
    // half way never leaves a slot marked over a partial program.
    const int slotAddr = model::ProgramSlotAddr(slot);
    bool done = !StoredSlot(slot) || writeByte(slotAddr + model::ProgMarkAddr, 0);
    for (int off = 0; done && off < model::ProgramBytes; off += 4) {
        if (off != kMarkFrameOffset) done = write4(slotAddr + off, off);
    }
    for (int j = 0; done && j < 16; j += 4) done = write4(kWorkingNameAddr + j, kProgNameAddr + j);
    if (done && !extra_) done = writeByte(kCurProgRegAddr, static_cast<uint8_t>(n));
    if (done) done = write4(slotAddr + kMarkFrameOffset, kMarkFrameOffset);

    model::DevParamRecord& par = s_.DevParam[dev];
    std::string& slotName = extra_ ? par.ExtraSlotName[n] : par.SlotName[n];
    if (!done) {
        slotName = model::EmptyProgNameText();
        par.SlotStatus()[slot] = 0;
        const std::string what = "Program " + SlotLabel(n) + " was not stored: ";
        s_.host.MsgBox(what + "its content on the device is incomplete.",
                       ui::vbOKOnly + ui::vbExclamation, title_);
        return false;
    }
    auto& image = s_.DevImage[dev].ProgImage;
    std::copy(prog.begin() + kProgNameAddr, prog.begin() + kProgNameAddr + 16,
              image.begin() + kProgNameAddr);
    image[model::ProgMarkAddr] = model::StoredProgramMark;
    slotName = name;
    par.SlotStatus()[slot] = model::StoredProgramMark;
    // The device's current-program register takes the number of a normal slot only; after an
    // extra store it keeps the slot it had, and so do the PC and the open editor's label.
    if (!extra_) ModProg::SetRunningSlot(s_, slot);
    if (FrmCtrl* editor = ExistingFrmCtrl(s_, dev)) {
        editor->SetCaption(ModProg::SlotCaption(s_, slot));
    }
    return true;
}

bool StoreWindow::StoredSlot(int16_t slot) const {
    return s_.DevParam[s_.CurDev].SlotStatus()[slot] == model::StoredProgramMark;
}

std::string StoreWindow::SlotLabel(int16_t n) const {
    return (extra_ ? "E0" : "0") + std::to_string(n + 1);
}
