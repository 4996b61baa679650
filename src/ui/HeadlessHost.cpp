#include "ui/HeadlessHost.h"

#include <algorithm>
#include <chrono>

#include "ui/Form.h"
#include "ui/Timer.h"

namespace ui {

HeadlessHost::~HeadlessHost() = default;

void HeadlessHost::DriveModal(const std::string& formName, ModalDriver driver) {
    modal_[formName].push_back(std::move(driver));
}

std::vector<HeadlessHost::Message> HeadlessHost::TakeMessages() {
    std::vector<Message> taken;
    taken.swap(messages_);
    return taken;
}

int HeadlessHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
    RunPosted();
    if (watch_) watch_({prompt, style, title});
    int answer = vbOK;
    const int buttons = MsgBoxButtons(style);
    if (buttons != vbOKOnly) {
        if (!answers_.empty()) {
            answer = answers_.front();
            answers_.pop_front();
        } else {
            problems_.push_back("unscripted question \"" + prompt + "\" (" + title + ")");
            answer = buttons == vbYesNo || buttons == vbYesNoCancel ? vbNo : vbCancel;
        }
    }
    messages_.push_back({prompt, style, title, answer});
    return answer;
}

bool HeadlessHost::FileDialogShown(FileDialog& d, bool save) {
    RunPosted();
    Dialog record{save, d, false};
    if (files_.empty()) {
        problems_.push_back(std::string("unscripted ") + (save ? "save" : "open") +
                            " dialog, filter \"" + d.Filter + "\"");
    } else {
        const std::optional<std::string> choice = files_.front();
        files_.pop_front();
        if (choice) {
            d.FileName = *choice;
            record.chosen = true;
        }
    }
    dialogs_.push_back(record);
    return record.chosen;
}

bool HeadlessHost::ShowOpen(FileDialog& d) {
    return FileDialogShown(d, false);
}
bool HeadlessHost::ShowSave(FileDialog& d) {
    return FileDialogShown(d, true);
}

void HeadlessHost::Activate(Form* f) {
    if (f == active_) return;
    Form* old = active_;
    active_ = f;
    if (old != nullptr) old->UserDeactivate();
    if (f != nullptr) f->UserActivate();
}

void HeadlessHost::FormShown(Form& f) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &f), shown_.end());
    shown_.push_back(&f);
    Activate(&f);
}

void HeadlessHost::Forget(Form& f) {
    shown_.erase(std::remove(shown_.begin(), shown_.end(), &f), shown_.end());
    if (active_ == &f) {
        active_ = nullptr;
        // The window shown last among the rest becomes active, as a window manager would do.
        if (!shown_.empty()) Activate(shown_.back());
    }
}

void HeadlessHost::FormHidden(Form& f) {
    Forget(f);
}

void HeadlessHost::FormUnloaded(Form& f) {
    Forget(f);
    for (auto& e : timers_) {
        if (e.timer != nullptr && &e.timer->Parent() == &f) e.timer = nullptr;
    }
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [](const TimerEntry& e) { return e.timer == nullptr; }),
                  timers_.end());
}

void HeadlessHost::RunModal(Form& f) {
    Form* previous = active_;
    FormShown(f);
    RunPosted();
    auto it = modal_.find(f.Name());
    if (it == modal_.end() || it->second.empty()) {
        problems_.push_back("unscripted modal form " + f.Name());
    } else {
        ModalDriver driver = std::move(it->second.front());
        it->second.pop_front();
        driver(f);
        RunPosted();
        if (f.Visible()) problems_.push_back("modal form " + f.Name() + " left open");
    }
    if (f.Visible()) f.Hide();
    if (previous != nullptr && active_ != previous &&
        std::find(shown_.begin(), shown_.end(), previous) != shown_.end()) {
        Activate(previous);
    }
}

void HeadlessHost::TimerChanged(Timer& t, bool alive) {
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&t](const TimerEntry& e) { return e.timer == &t; });
    if (!alive || !t.Running()) {
        if (it != timers_.end()) it->timer = nullptr;
        return;
    }
    if (it == timers_.end()) {
        timers_.push_back({&t, now_ + t.Interval(), timerOrder_++});
    } else {
        it->due = now_ + t.Interval();
    }
}

void HeadlessHost::Advance(int64_t ms) {
    const int64_t target = now_ + ms;
    RunPosted();
    for (;;) {
        timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                     [](const TimerEntry& e) { return e.timer == nullptr; }),
                      timers_.end());
        auto next = std::min_element(timers_.begin(), timers_.end(),
                                     [](const TimerEntry& a, const TimerEntry& b) {
                                         return a.due != b.due ? a.due < b.due : a.order < b.order;
                                     });
        if (next == timers_.end() || next->due > target) break;
        now_ = std::max(now_, next->due);
        Timer* t = next->timer;
        next->due = now_ + t->Interval();
        next->order = timerOrder_++;
        t->Tick();
        RunPosted();
    }
    now_ = std::max(now_, target);
}

void HeadlessHost::Sleep(int ms) {
    if (ms <= 0) return;
    now_ += ms;
    slept_ += ms;
}

void HeadlessHost::Post(std::function<void()> fn) {
    {
        std::lock_guard<std::mutex> lock(postMutex_);
        posted_.push_back(std::move(fn));
    }
    postCv_.notify_all();
}

void HeadlessHost::RunPosted() {
    for (;;) {
        std::vector<std::function<void()>> work;
        {
            std::lock_guard<std::mutex> lock(postMutex_);
            work.swap(posted_);
        }
        if (work.empty()) return;
        for (auto& fn : work) fn();
    }
}

bool HeadlessHost::PostArrived(int realMs) {
    std::unique_lock<std::mutex> lock(postMutex_);
    return postCv_.wait_for(lock, std::chrono::milliseconds(realMs),
                            [this] { return !posted_.empty(); });
}

bool HeadlessHost::WaitPosted(int realMs) {
    if (!PostArrived(realMs)) return false;
    RunPosted();
    return true;
}

}  // namespace ui
