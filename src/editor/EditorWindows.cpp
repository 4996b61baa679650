#include "editor/FrmCtrl.h"
#include "state/State.h"

namespace {

WindowPtr<FrmCtrl>& EditorWindow(State& s, int16_t slot) {
    return s.FrmCtrlWin.at(static_cast<size_t>(slot));
}

FrmCtrl& Renew(State& s, WindowPtr<FrmCtrl>& w) {
    if (w) s.RetireWindow(w.Release());
    w = WindowPtr<FrmCtrl>(std::make_unique<FrmCtrl>(s));
    return *w;
}

}  // namespace

FrmCtrl& FrmCtrlOf(State& s, int16_t slot) {
    WindowPtr<FrmCtrl>& w = EditorWindow(s, slot);
    return w ? *w : Renew(s, w);
}

FrmCtrl& NewFrmCtrl(State& s, int16_t slot) {
    WindowPtr<FrmCtrl>& w = EditorWindow(s, slot);
    return w && !w->Finished() ? *w : Renew(s, w);
}

FrmCtrl* ExistingFrmCtrl(State& s, int16_t slot) {
    if (slot < 0 || slot >= model::SlotCount) return nullptr;
    FrmCtrl* w = s.FrmCtrlWin[static_cast<size_t>(slot)].get();
    return w != nullptr && w->Loaded() ? w : nullptr;
}
