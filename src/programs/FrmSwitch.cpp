#include "programs/FrmSwitch.h"

#include <algorithm>
#include <span>
#include <vector>

#include "model/RecordFile.h"
#include "model/Tables.h"
#include "programs/FrmEditNameSwitch.h"
#include "programs/ProgramFiles.h"
#include "programs/ProgramSlots.h"
#include "programs/SwitchNames.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kClientWidth = 5400;
// Image byte 929, the current switch preset, in DevExtra.
constexpr size_t kSwitchPresetByte = 929 - model::DevImageRecord::DevExtraOffset;

ui::FileDialog SwitchFileDialog(const State& s) {
    return ModProg::PresetFileDialog(s, "file preset (*.swc)|*.swc", "swc");
}

uint8_t PresetMask(const State& s, int16_t p) {
    return static_cast<uint8_t>(static_cast<int32_t>(s.DevParam[s.CurDev].SwitchPresetMask[p]));
}

std::string PresetCaption(int16_t p) {
    return "Switch Preset " + std::to_string(p + 1);
}

}  // namespace

FrmSwitch::FrmSwitch(State& s) : ui::Form(s.host, "FrmSwitch"), s_(s) {
    LayOut();
    Option1.On().Click = [this](int16_t p) { Option1_Click(p); };
    Check5.On().Click = [this](int16_t k) { Check5_Click(k); };
    Check1.On().Click = [this](int16_t) { Check1_Click(); };
    Command3.On().Click = [this](int16_t index) { Command3_Click(index); };
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
    Command2.On().Click = [this](int16_t) { Command2_Click(); };
}

void FrmSwitch::LayOut() {
    SetCaption("Switch");
    SetSizable(false);
    SetClientSize(kClientWidth, 4260);
    Frame20.SetCaption("Switch");
    Frame20.Move(120, 120, 2520, 2160);
    for (int16_t k = 0; k < 4; ++k) {
        ui::CheckBox& box = Check5.Load(k);
        box.SetContainer(&Frame20);
        box.SetCaption("S" + std::to_string(k + 1));
        box.SetPurpose("Switch " + std::to_string(k + 1), true);
        box.Move(180, 300 + 330 * k, 2160, 315);
    }
    Command1.SetContainer(&Frame20);
    Command1.SetCaption("Edit Switch Name");
    Command1.Move(180, 1680, 2160, 375);
    Frame1.SetCaption("Switch Preset");
    Frame1.Move(2760, 120, kClientWidth - 2880, 2160);
    for (int16_t p = 0; p < 10; ++p) {
        ui::OptionButton& option = Option1.Load(p);
        option.SetContainer(&Frame1);
        option.SetCaption(std::to_string(p + 1));
        option.SetPurpose("Preset " + std::to_string(p + 1), false);
        option.Move(240 + 1200 * (p / 5), 300 + 360 * (p % 5), 900, 315);
    }
    Frame2.SetCaption(PresetCaption(0));
    Frame2.Move(120, 2400, kClientWidth - 240, 900);
    const char* actions[] = {"Store to device", "Save to PC", "Load from PC"};
    for (int16_t k = 0; k < 3; ++k) {
        ui::CommandButton& button = Command3.Load(k);
        button.SetContainer(&Frame2);
        button.SetCaption(actions[k]);
        button.Move(180 + 1680 * k, 360, 1560, 375);
    }
    Frame3.SetCaption("Link Switch");
    Frame3.Move(120, 3420, 3840, 720);
    Check1.SetContainer(&Frame3);
    Check1.SetCaption("Link Switch preset to Audio preset ");
    Check1.Move(180, 300, 3540, 315);
    Command2.SetCaption("Close");
    Command2.SetCancel(true);
    Command2.Move(kClientWidth - 1200, 3720, 1080, 375);
}

int16_t FrmSwitch::CurrentPreset() const {
    return static_cast<int16_t>(std::clamp(s_.DevParam[s_.CurDev].CurSwitchPreset, 0.0, 9.0));
}

void FrmSwitch::ShowMask(int32_t m) {
    auto& states = s_.DevParam[s_.CurDev].SwitchState;
    for (int16_t k = 0; k < 4; ++k) {
        states[k] = (m >> k & 1) != 0 ? 1.0 : 0.0;
        s_.UiUpdating = true;
        Check5(k).SetValue(static_cast<int16_t>(states[k]));
        s_.UiUpdating = false;
    }
}

void FrmSwitch::Form_Load() {
    const model::DevParamRecord& par = s_.DevParam[s_.CurDev];
    const int16_t p = CurrentPreset();
    s_.UiUpdating = true;
    Option1(p).SetValue(true);
    s_.UiUpdating = false;
    Frame2.SetCaption(PresetCaption(p));
    s_.UiUpdating = true;
    Check1.SetValue(par.SwitchPresetLink != 0 ? 1 : 0);
    s_.UiUpdating = false;
    ModProg::ReadSwitchNames(s_);
    for (int16_t k = 0; k < 4; ++k) Check5(k).SetCaption(s_.SwitchNames[k]);
    ShowMask(static_cast<int32_t>(par.SwitchPresetMask[p]));
}

void FrmSwitch::Option1_Click(int16_t p) {
    if (s_.UiUpdating) return;
    const int16_t dev = s_.CurDev;
    s_.DevParam[dev].CurSwitchPreset = p;
    s_.DevImage[dev].DevExtra[kSwitchPresetByte] = static_cast<uint8_t>(p);
    ShowMask(static_cast<int32_t>(s_.DevParam[dev].SwitchPresetMask[p]));
    if (!ModRxTx::TxCommand(s_, dev, CmdSelectSwitchPreset, 0, 0, 0, 0, 0, 0, 0,
                            static_cast<uint8_t>(p))) {
        Frame2.SetCaption(PresetCaption(p));
    }
}

void FrmSwitch::Check5_Click(int16_t k) {
    if (s_.UiUpdating) return;
    model::DevParamRecord& par = s_.DevParam[s_.CurDev];
    par.SwitchState[k] = Check5(k).Value() == 1 ? 1.0 : 0.0;
    int32_t mask = 0;
    for (int j = 0; j < 4; ++j) mask += static_cast<int32_t>(par.SwitchState[j]) << j;
    par.SwitchPresetMask[CurrentPreset()] = mask;
    ModRxTx::TxCommand(s_, s_.CurDev, CmdSwitchMask, 0, 0, 0, 0, 0, 0, 0,
                       static_cast<uint8_t>(mask));
}

void FrmSwitch::Check1_Click() {
    if (s_.UiUpdating) return;
    const int16_t link = Check1.Value() == 1 ? 1 : 0;
    s_.DevParam[s_.CurDev].SwitchPresetLink = link;
    ModRxTx::TxCommand(s_, s_.CurDev, CmdLinkSwitchPreset, 0, 0, 0, 0, 0, 0, 0,
                       static_cast<uint8_t>(link));
}

void FrmSwitch::Command3_Click(int16_t index) {
    if (index == 1) {
        SaveToPC();
        return;
    }
    if (index == 2) {
        LoadFromPC();
        return;
    }
    if (!ModProg::DeviceReachable(s_, "Store")) return;
    const int16_t p = CurrentPreset();
    const uint8_t mask = PresetMask(s_, p);
    if (ModRxTx::TxCommand(s_, s_.CurDev, CmdWriteByte, 0,
                           static_cast<uint8_t>(model::SwitchStoreCode[p]), 0, 0, mask)) {
        return;
    }
    s_.host.MsgBox("Preset Switch " + std::to_string(p + 1) + " Stored",
                   ui::vbOKOnly + ui::vbInformation, "Store");
}

void FrmSwitch::SaveToPC() {
    ui::FileDialog d = SwitchFileDialog(s_);
    if (!s_.host.ShowSave(d)) return;
    const uint8_t mask = PresetMask(s_, CurrentPreset());
    if (!model::WriteFileHeadAtomic(d.FileName, std::span<const uint8_t>(&mask, 1))) {
        s_.host.MsgBox("The switch preset file " + d.FileName + " could not be written.",
                       ui::vbOKOnly + ui::vbExclamation, " Error");
    }
}

void FrmSwitch::LoadFromPC() {
    // A mask the device can't take now is not taken on the PC either.
    if (!ModProg::DeviceReachable(s_, " Error")) return;
    ui::FileDialog d = SwitchFileDialog(s_);
    if (!s_.host.ShowOpen(d)) return;
    std::vector<uint8_t> file;
    const model::FileRead read = model::ReadFileHead(d.FileName, 1, file);
    if (read == model::FileRead::NotRegular || read == model::FileRead::Failed) {
        s_.host.MsgBox(model::FileReadText(read, d.FileName) + " The preset is unchanged.",
                       ui::vbOKOnly + ui::vbExclamation, " Error");
    }
    if (file.empty()) return;
    const uint8_t mask = file[0];
    s_.DevParam[s_.CurDev].SwitchPresetMask[CurrentPreset()] = mask;
    ShowMask(mask);
    ModRxTx::TxCommand(s_, s_.CurDev, CmdSwitchMask, 0, 0, 0, 0, 0, 0, 0, mask);
}

void FrmSwitch::Command1_Click() {
    FrmEditNameSwitch editor(s_);
    editor.ShowModal();
    for (int16_t k = 0; k < 4; ++k) Check5(k).SetCaption(s_.SwitchNames[k]);
}
