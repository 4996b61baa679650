#include "programs/ProgramSlots.h"

#include "editor/EditorCaption.h"
#include "editor/FrmCtrl.h"
#include "editor/ProgramSlotLabel.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModProg {

std::string SlotRow(int16_t n, const std::string& name) {
    return "0" + std::to_string(n + 1) + ": " + name;
}

std::string RowName(const std::string& row) {
    if (row.size() <= 4) return {};
    const std::string rest = TrimRight(row.substr(4));
    const size_t first = rest.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : rest.substr(first);
}

std::string TrimRight(const std::string& text) {
    const size_t last = text.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string PadName(std::string name) {
    if (name.size() < ProgNameLength) name.append(ProgNameLength - name.size(), ' ');
    return name;
}

std::string SlotCaption(const State& s, int16_t k) {
    return editor::EditorCaptionHead(s, s.CurDev) + "- Program load from device - " +
           ModFun::ProgramSlotCaption(k, s.DevParam[s.CurDev]);
}

void FillSlotList(const State& s, ui::ListBox& list, bool extra) {
    const model::DevParamRecord& par = s.DevParam[s.CurDev];
    list.Clear();
    for (int16_t n = 0; n < (extra ? 4 : 6); ++n) {
        list.AddItem(SlotRow(n, extra ? par.ExtraSlotName[n] : par.SlotName[n]));
    }
}

void PlaceSlotList(ui::Label& title, ui::ListBox& list, ui::Twips clientWidth, bool extra) {
    title.SetCaption(extra ? "Memory Program Extra" : "Memory Program");
    title.Move(120, 120, 3000, 255);
    list.Move(120, 420, clientWidth - 240, 1680);
}

void PlaceButtonPair(ui::ControlArray<ui::CommandButton>& buttons, ui::Twips clientWidth,
                     ui::Twips top, const char* left, const char* right) {
    constexpr ui::Twips width = 1095, height = 375;
    ui::CommandButton& first = buttons.Load(0);
    first.SetCaption(left);
    first.Move(clientWidth - 2 * width - 240, top, width, height);
    ui::CommandButton& second = buttons.Load(1);
    second.SetCaption(right);
    second.Move(clientWidth - width - 120, top, width, height);
}

void SetRunningSlot(State& s, int16_t k) {
    const int16_t dev = s.CurDev;
    s.RunningProgSlot[dev] = k;
    s.DevImage[dev].DevExtra[CurProgRegByte] = static_cast<uint8_t>(k);
    s.DevParam[dev].CurProgReg() = k;
    if (FrmCtrl* editor = ExistingFrmCtrl(s, dev)) {
        editor->Label8.SetCaption(ModFun::ProgramSlotCaption(k, s.DevParam[dev]));
    }
}

bool DeviceReachable(State& s, const std::string& title) {
    if (ModRxTx::ExchangePossible(s, s.CurDev)) return true;
    s.host.MsgBox("The device is offline: nothing was sent and nothing changed.",
                  ui::vbOKOnly + ui::vbExclamation, title);
    return false;
}

}  // namespace ModProg
