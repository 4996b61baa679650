#include "editor/FrmCtrl.h"
#include "state/State.h"

namespace {

WindowPtr<FrmCtrl>& EditorWindow(State& s, int16_t slot) {
    return s.FrmCtrlWin.at(static_cast<size_t>(slot));
}

}  // namespace

FrmCtrl& FrmCtrlOf(State& s, int16_t slot) {
    WindowPtr<FrmCtrl>& w = EditorWindow(s, slot);
    return w ? *w : s.RenewWindow(w);
}

FrmCtrl& NewFrmCtrl(State& s, int16_t slot) {
    WindowPtr<FrmCtrl>& w = EditorWindow(s, slot);
    return w && !w->Finished() ? *w : s.RenewWindow(w);
}

FrmCtrl* ExistingFrmCtrl(State& s, int16_t slot) {
    if (slot < 0 || slot >= model::SlotCount) return nullptr;
    FrmCtrl* w = s.FrmCtrlWin[static_cast<size_t>(slot)].get();
    return w != nullptr && w->Loaded() ? w : nullptr;
}
