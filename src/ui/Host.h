// The control layer's one door to the outside: message boxes, file dialogs, modal forms,
// timers, the mouse pointer, the clock and the screen. HeadlessHost serves tests; the Qt
// front end serves real use.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "sys/Screen.h"
#include "ui/FileDialog.h"
#include "ui/Types.h"

namespace ui {

class Form;
class Timer;

class Host {
  public:
    virtual ~Host() = default;

    // Modal message box; style = buttons + icon + default button (ui::MsgBoxStyle).
    // Returns the answer (ui::MsgBoxResult).
    virtual int MsgBox(const std::string& prompt, int style, const std::string& title) = 0;
    // File dialogs: true with d.FileName set to the chosen path, false when cancelled.
    virtual bool ShowOpen(FileDialog& d) = 0;
    virtual bool ShowSave(FileDialog& d) = 0;

    // Form lifecycle notifications from ui::Form. FormLoading comes before Form_Load runs:
    // the window exists from then on, so forms shown by the load find their place in it.
    virtual void FormLoading(Form& f) { (void)f; }
    virtual void FormShown(Form& f) = 0;
    virtual void FormHidden(Form& f) = 0;
    virtual void FormUnloaded(Form& f) = 0;
    // Shows f modally and returns when it has been hidden or unloaded.
    virtual void RunModal(Form& f) = 0;

    // A timer's Enabled or Interval changed, or the timer goes away (alive false).
    virtual void TimerChanged(Timer& t, bool alive) = 0;

    // The application-wide mouse pointer (ui::MousePointer).
    virtual void SetMousePointer(int16_t pointer) = 0;
    // Milliseconds of a monotonic clock.
    virtual int64_t NowMs() = 0;
    // Blocks the program for ms milliseconds; no timer fires meanwhile.
    virtual void Sleep(int ms) = 0;
    // Runs fn on the GUI thread soon; may be called from any thread.
    virtual void Post(std::function<void()> fn) = 0;
    // Lets pending events run (timers due, posted work, repaints).
    virtual void DoEvents() = 0;

    virtual sys::ScreenMetrics Screen() = 0;
    virtual std::string ClipboardText() = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // Ends the program after the current handler returns.
    virtual void End() = 0;

    // A new window handle, unique for the life of the host.
    int32_t NewHandle() { return ++lastHandle_; }
    // The window whose event handler runs now (the innermost one), or nullptr.
    Form* RunningForm() const { return runningForm_; }

  private:
    friend class Form;
    int32_t lastHandle_ = 0x100;
    Form* runningForm_ = nullptr;
};

}  // namespace ui
