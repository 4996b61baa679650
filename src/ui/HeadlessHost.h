// The host for tests: message boxes and file dialogs answered from a script and recorded,
// modal forms driven by test code, timers and Sleep on a virtual clock that the test
// advances, posted work run when the test asks and, as a real event loop does, inside every
// modal loop: a modal form (when it opens and when its driver is done), a message box and a
// file dialog.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ui/Host.h"

namespace ui {

class HeadlessHost : public Host {
  public:
    struct Message {
        std::string prompt;
        int style = 0;
        std::string title;
        int answer = 0;
    };
    struct Dialog {
        bool save = false;
        FileDialog request;
        bool chosen = false;
    };
    using ModalDriver = std::function<void(Form&)>;

    HeadlessHost() = default;
    ~HeadlessHost() override;

    // Scripting. Questions (any message box with more than an OK button) take the queued
    // answers in order; an OK-only box is answered OK. An unscripted question, file dialog
    // or modal form is recorded in Problems() and answered with No / Cancel / a close.
    void Answer(int answer) { answers_.push_back(answer); }
    void ChooseFile(const std::string& path) { files_.push_back(path); }
    void CancelFileDialog() { files_.push_back(std::nullopt); }
    // The next modal showing of the form with that name runs driver (which clicks its
    // buttons); a form still shown afterwards is hidden and recorded as a problem.
    void DriveModal(const std::string& formName, ModalDriver driver);

    // Runs watch with every message as it is shown, before it is answered.
    void WatchMessages(std::function<void(const Message&)> watch) { watch_ = std::move(watch); }

    const std::vector<Message>& Messages() const { return messages_; }
    std::vector<Message> TakeMessages();
    const std::vector<Dialog>& Dialogs() const { return dialogs_; }
    const std::vector<std::string>& Problems() const { return problems_; }
    bool Ended() const { return ended_; }
    int16_t MousePointer() const { return mousePointer_; }
    // Total time spent in Sleep.
    int64_t SleptMs() const { return slept_; }
    Form* ActiveForm() const { return active_; }
    const std::vector<Form*>& ShownForms() const { return shown_; }
    void SetScreen(const sys::ScreenMetrics& m) { screen_ = m; }

    // Moves the virtual clock forward by ms, firing every timer that falls due on the way in
    // time order, and running posted work.
    void Advance(int64_t ms);
    // Runs the work posted so far.
    void RunPosted();
    // Waits up to realMs real milliseconds for posted work to arrive, then runs it; true
    // when some ran.
    bool WaitPosted(int realMs);
    // Waits up to realMs real milliseconds for posted work without running it; true when
    // some is waiting.
    bool PostArrived(int realMs);

    int MsgBox(const std::string& prompt, int style, const std::string& title) override;
    bool ShowOpen(FileDialog& d) override;
    bool ShowSave(FileDialog& d) override;
    void FormShown(Form& f) override;
    void FormHidden(Form& f) override;
    void FormUnloaded(Form& f) override;
    void RunModal(Form& f) override;
    void TimerChanged(Timer& t, bool alive) override;
    void SetMousePointer(int16_t pointer) override { mousePointer_ = pointer; }
    int64_t NowMs() override { return now_; }
    void Sleep(int ms) override;
    void Post(std::function<void()> fn) override;
    void DoEvents() override { RunPosted(); }
    sys::ScreenMetrics Screen() override { return screen_; }
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    void End() override { ended_ = true; }

  private:
    bool FileDialogShown(FileDialog& d, bool save);
    void Forget(Form& f);
    void Activate(Form* f);

    std::deque<int> answers_;
    std::deque<std::optional<std::string>> files_;
    std::map<std::string, std::deque<ModalDriver>> modal_;
    std::vector<Message> messages_;
    std::function<void(const Message&)> watch_;
    std::vector<Dialog> dialogs_;
    std::vector<std::string> problems_;
    std::vector<Form*> shown_;
    Form* active_ = nullptr;
    bool ended_ = false;
    int16_t mousePointer_ = 0;
    int64_t now_ = 0;
    int64_t slept_ = 0;
    sys::ScreenMetrics screen_;
    std::string clipboard_;

    struct TimerEntry {
        Timer* timer;
        int64_t due;
        uint64_t order;
    };
    std::vector<TimerEntry> timers_;
    uint64_t timerOrder_ = 0;

    std::mutex postMutex_;
    std::condition_variable postCv_;
    std::vector<std::function<void()>> posted_;
};

}  // namespace ui
