#include "state/State.h"

#include "ui/Form.h"
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
