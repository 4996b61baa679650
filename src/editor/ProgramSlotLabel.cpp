#include "editor/ProgramSlotLabel.h"

#include "editor/FrmCtrl.h"
#include "state/State.h"

namespace ModFun {

std::string ProgramSlotCaption(int16_t slot, const model::DevParamRecord& par) {
    if (slot >= 0 && slot <= 5) return "0" + std::to_string(slot + 1) + ": " + par.SlotName[slot];
    if (slot >= 6 && slot <= 9) {
        return "E0" + std::to_string(slot - 5) + ": " + par.ExtraSlotName[slot - 6];
    }
    return {};
}

void LoadProgramSlotLabel(State& s) {
    const int16_t dev = s.CurDev;
    FrmCtrlOf(s, dev).Label8.SetCaption(
        ProgramSlotCaption(s.RunningProgSlot[dev], s.DevParam[dev]));
}

}  // namespace ModFun
