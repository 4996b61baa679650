// A timer on a form: while enabled with an interval above 0, the host fires its Timer event
// every Interval milliseconds.
#pragma once

#include "ui/Control.h"

namespace ui {

class Timer : public Control {
  public:
    Timer(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);
    ~Timer() override;

    int32_t Interval() const { return interval_; }
    void SetInterval(int32_t ms);
    bool TimerEnabled() const { return Enabled(); }
    void SetTimerEnabled(bool on);
    // Running: enabled, with an interval, on a loaded form.
    bool Running() const;
    // Called by the host when the interval has elapsed.
    void Tick();
    // The form was loaded or unloaded: the host re-reads whether the timer runs.
    void Refresh();

  private:
    int32_t interval_ = 0;
};

}  // namespace ui
