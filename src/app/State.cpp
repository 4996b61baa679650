#include "app/State.h"

#include "editor/FrmCtrl.h"
#include "project/FrmDevice.h"
#include "ui/Host.h"

State::State(ui::Host& h) : LinkState(h), host(h), alive_(std::make_shared<int>(0)) {
    FrmCtrlHwnd.fill(255);
}

State::~State() = default;

void State::RetireWindow(std::unique_ptr<ui::Form> form) {
    retired_.push_back(std::move(form));
    std::weak_ptr<int> alive = alive_;
    host.Post([alive, this] {
        if (!alive.expired()) retired_.clear();
    });
}

namespace {

template <class W>
W& WindowOf(State& s, model::PerSlot<std::unique_ptr<W>>& windows, int16_t slot) {
    std::unique_ptr<W>& w = windows.at(static_cast<size_t>(slot));
    if (w && w->Finished()) s.RetireWindow(std::move(w));
    if (!w) w = std::make_unique<W>(s);
    return *w;
}

}  // namespace

FrmDevice& FrmDeviceOf(State& s, int16_t slot) {
    return WindowOf(s, s.FrmDeviceWin, slot);
}

FrmCtrl& FrmCtrlOf(State& s, int16_t slot) {
    return WindowOf(s, s.FrmCtrlWin, slot);
}

FrmCtrl* ExistingFrmCtrl(State& s, int16_t slot) {
    if (slot < 0 || slot >= model::SlotCount) return nullptr;
    FrmCtrl* w = s.FrmCtrlWin[static_cast<size_t>(slot)].get();
    return w != nullptr && w->Loaded() ? w : nullptr;
}
