#include "app/State.h"

#include "editor/FrmCtrl.h"
#include "project/FrmDevice.h"
#include "ui/Host.h"

State::State(ui::Host& h) : LinkState(h), host(h), alive_(std::make_shared<int>(0)) {
    FrmCtrlHwnd.fill(255);
}

State::~State() = default;

void State::RetireWindow(std::unique_ptr<ui::Form> form) {
    ui::Form* f = form.get();
    retired_.push_back(std::move(form));
    ReleaseIdle(f);
}

// Posted, so that the caller and the handler that retired it have returned; checked again
// when it runs, as a posted task may run inside a modal loop that a handler of it opened.
void State::ReleaseIdle(ui::Form* form) {
    std::weak_ptr<int> alive = alive_;
    form->WhenIdle([this, alive, form] {
        host.Post([this, alive, form] {
            if (alive.expired()) return;
            if (form->InUse()) {
                ReleaseIdle(form);
                return;
            }
            std::erase_if(retired_, [form](const auto& r) { return r.get() == form; });
        });
    });
}

namespace {

template <class W>
W& Renew(State& s, std::unique_ptr<W>& w) {
    if (w) s.RetireWindow(std::move(w));
    w = std::make_unique<W>(s);
    return *w;
}

std::unique_ptr<FrmCtrl>& EditorWindow(State& s, int16_t slot) {
    return s.FrmCtrlWin.at(static_cast<size_t>(slot));
}

}  // namespace

FrmDevice& FrmDeviceOf(State& s, int16_t slot) {
    std::unique_ptr<FrmDevice>& w = s.FrmDeviceWin.at(static_cast<size_t>(slot));
    return w && !w->Finished() ? *w : Renew(s, w);
}

FrmCtrl& FrmCtrlOf(State& s, int16_t slot) {
    std::unique_ptr<FrmCtrl>& w = EditorWindow(s, slot);
    return w ? *w : Renew(s, w);
}

FrmCtrl& NewFrmCtrl(State& s, int16_t slot) {
    std::unique_ptr<FrmCtrl>& w = EditorWindow(s, slot);
    return w && !w->Finished() ? *w : Renew(s, w);
}

FrmCtrl* ExistingFrmCtrl(State& s, int16_t slot) {
    if (slot < 0 || slot >= model::SlotCount) return nullptr;
    FrmCtrl* w = s.FrmCtrlWin[static_cast<size_t>(slot)].get();
    return w != nullptr && w->Loaded() ? w : nullptr;
}
