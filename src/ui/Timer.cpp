#include "ui/Timer.h"

#include "ui/Form.h"
#include "ui/Host.h"

namespace ui {

Timer::Timer(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Timer, std::move(name), index, shared) {
    SetVisible(false);
}

Timer::~Timer() {
    Parent().GetHost().TimerChanged(*this, false);
}

void Timer::SetInterval(int32_t ms) {
    if (ms < 0) ms = 0;
    interval_ = ms;
    Refresh();
}

void Timer::SetTimerEnabled(bool on) {
    SetEnabled(on);
    Refresh();
}

bool Timer::Running() const {
    return Enabled() && interval_ > 0 && Parent().Loaded();
}

void Timer::Tick() {
    if (Running()) Fire(&Events::Timer);
}

void Timer::Refresh() {
    Parent().GetHost().TimerChanged(*this, true);
}

}  // namespace ui
