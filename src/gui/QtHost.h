// The host of the real program: forms shown as Qt windows (the MDI main window with its
// subwindows, dialogs, modal forms with a nested event loop), message boxes and file dialogs,
// one QTimer per timer, work posted from other threads, the busy pointer, the clipboard.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/Host.h"

class QMdiArea;
class QMdiSubWindow;
class QTimer;
class QWidget;

namespace ui {
class Control;
}

namespace gui {

class FormWindow;

class QtHost : public ui::Host {
  public:
    // Needs a QApplication; sets the application's font and style.
    QtHost();
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    bool ShowOpen(ui::FileDialog& d) override;
    bool ShowSave(ui::FileDialog& d) override;
    void FormLoading(ui::Form& f) override;
    void FormShown(ui::Form& f) override;
    void FormHidden(ui::Form& f) override;
    void FormUnloaded(ui::Form& f) override;
    void RunModal(ui::Form& f) override;
    void TimerChanged(ui::Timer& t, bool alive) override;
    void SetMousePointer(int16_t pointer) override;
    int64_t NowMs() override;
    void Sleep(int ms) override;
    void Post(std::function<void()> fn) override;
    void DoEvents() override;
    sys::ScreenMetrics Screen() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    void End() override;

    // What the renderer shows: the window of a form and the widget of a control (nullptr
    // while not shown), and the form that was activated last.
    FormWindow* WindowOf(const ui::Form& f) const;
    QWidget* WidgetOf(const ui::Control& c) const;
    ui::Form* ActiveForm() const { return active_; }
    // The MDI area of the main window, once the main form is shown.
    QMdiArea* MdiArea() const;

    // Runs a person's action (a control event, a close, a timer tick). Widgets and views
    // retired meanwhile are deleted only after the outermost action has returned.
    void Deliver(const std::function<void()>& action);
    void Retire(std::shared_ptr<void> object);
    void RetireWidget(QWidget* w);
    // A window became active: its form gets Activate, the one before it Deactivate.
    void Activate(ui::Form* f);
    void SubWindowActivated(QMdiSubWindow* sub);

  private:
    FormWindow& Ensure(ui::Form& f);
    void Forget(ui::Form& f);
    void ScheduleFlush();
    void FocusChanged(QWidget* now);

    std::unique_ptr<QObject> context_;
    std::map<const ui::Form*, std::unique_ptr<FormWindow>> windows_;
    std::map<const ui::Timer*, std::unique_ptr<QTimer>> timers_;
    std::vector<std::shared_ptr<void>> retired_;
    ui::Form* active_ = nullptr;
    // Forms in the order they were activated, the active one last.
    std::vector<ui::Form*> history_;
    int depth_ = 0;
    bool flushPending_ = false;
    bool overrideCursor_ = false;
};

}  // namespace gui
