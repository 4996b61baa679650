// A host for the link tests: only Post matters. Posted work waits until the test thread,
// standing in for the GUI thread, runs it.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <vector>

#include "ui/Host.h"

namespace commtest {

class TestHost : public ui::Host {
  public:
    int MsgBox(const std::string&, int, const std::string&) override { return 0; }
    bool ShowOpen(ui::FileDialog&) override { return false; }
    bool ShowSave(ui::FileDialog&) override { return false; }
    void FormShown(ui::Form&) override {}
    void FormHidden(ui::Form&) override {}
    void FormUnloaded(ui::Form&) override {}
    void FormChanged(ui::Form&) override {}
    void RunModal(ui::Form&) override {}
    void TimerChanged(ui::Timer&, bool) override {}
    void SetMousePointer(int16_t) override {}
    int64_t NowMs() override { return 0; }
    void Sleep(int) override {}
    void DoEvents() override { RunPosted(std::chrono::milliseconds(0)); }
    sys::ScreenMetrics Screen() override { return {}; }
    void End() override {}

    void Post(std::function<void()> fn) override {
        {
            std::lock_guard lock(mutex_);
            posted_.push_back(std::move(fn));
        }
        arrived_.notify_all();
    }

    // Waits up to wait for posted work without running it; true when some is waiting.
    bool WaitForPost(std::chrono::milliseconds wait) {
        std::unique_lock lock(mutex_);
        return arrived_.wait_for(lock, wait, [this] { return !posted_.empty(); });
    }

    // Waits up to wait for posted work, then runs all of it here; returns how much ran.
    size_t RunPosted(std::chrono::milliseconds wait) {
        std::vector<std::function<void()>> work;
        {
            std::unique_lock lock(mutex_);
            arrived_.wait_for(lock, wait, [this] { return !posted_.empty(); });
            work.swap(posted_);
        }
        for (auto& fn : work) fn();
        return work.size();
    }

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<std::function<void()>> posted_;
};

}  // namespace commtest
