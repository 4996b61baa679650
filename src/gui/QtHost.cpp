#include "gui/QtHost.h"

#include <QApplication>
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "gui/Accessibility.h"
#include "gui/ControlView.h"
#include "gui/Cp1252.h"
#include "gui/Dialogs.h"
#include "gui/FormWindow.h"
#include "gui/Look.h"
#include "sys/Sleep.h"
#include "ui/Form.h"
#include "ui/Timer.h"

namespace gui {

QtHost::QtHost() : context_(std::make_unique<QObject>()) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(DefaultFont());
    QApplication::setWindowIcon(WindowIcon());
    InstallAccessibility();
    QObject::connect(qApp, &QApplication::focusChanged, context_.get(),
                     [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

QtHost::~QtHost() {
    QObject::disconnect(qApp, nullptr, context_.get(), nullptr);
    for (auto& [timer, qtimer] : timers_) qtimer->stop();
    // Deleting windows sends signals back here: they find the host empty.
    auto windows = std::move(windows_);
    windows_.clear();
    active_ = nullptr;
    history_.clear();
    windows.clear();
    retired_.clear();
    if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
}

FormWindow* QtHost::WindowOf(const ui::Form& f) const {
    const auto it = windows_.find(&f);
    return it == windows_.end() ? nullptr : it->second.get();
}

QWidget* QtHost::WidgetOf(const ui::Control& c) const {
    FormWindow* w = WindowOf(c.Parent());
    ControlView* v = w != nullptr ? w->ViewOf(c) : nullptr;
    return v != nullptr ? v->Widget() : nullptr;
}

QMdiArea* QtHost::MdiArea() const {
    for (const auto& [form, window] : windows_) {
        if (window->MdiArea() != nullptr) return window->MdiArea();
    }
    return nullptr;
}

FormWindow& QtHost::Ensure(ui::Form& f) {
    auto& slot = windows_[&f];
    if (!slot) slot = std::make_unique<FormWindow>(*this, f);
    return *slot;
}

void QtHost::Deliver(const std::function<void()>& action) {
    struct Depth {
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
        int& depth;
    };
    {
        Depth guard(depth_);
        action();
    }
    // A handler may have moved the focus of the active form (SetFocus). Focus that the person
    // put outside that form's window (on the main window's command bar) stays there.
    FormWindow* w = active_ != nullptr ? WindowOf(*active_) : nullptr;
    const QWidget* focus = QApplication::focusWidget();
    if (w != nullptr && (focus == nullptr || w->Window() == nullptr || w->Window() == focus ||
                         w->Window()->isAncestorOf(focus))) {
        w->SyncFocus();
    }
    if (depth_ == 0) ScheduleFlush();
}

void QtHost::Retire(std::shared_ptr<void> object) {
    retired_.push_back(std::move(object));
    ScheduleFlush();
}

void QtHost::RetireWidget(QWidget* w) {
    QPointer<QWidget> guarded(w);
    Retire(std::shared_ptr<void>(nullptr, [guarded](void*) { delete guarded.data(); }));
}

void QtHost::ScheduleFlush() {
    if (flushPending_ || retired_.empty()) return;
    flushPending_ = true;
    QMetaObject::invokeMethod(
        context_.get(),
        [this] {
            flushPending_ = false;
            // Inside an action the retired objects may still be on the call stack; the end of
            // the outermost action schedules the flush again.
            if (depth_ > 0) return;
            std::vector<std::shared_ptr<void>> dead;
            dead.swap(retired_);
        },
        Qt::QueuedConnection);
}

void QtHost::Activate(ui::Form* f) {
    if (f == nullptr || f == active_) return;
    ui::Form* old = active_;
    active_ = f;
    history_.erase(std::remove(history_.begin(), history_.end(), f), history_.end());
    history_.push_back(f);
    Deliver([old, f] {
        if (old != nullptr) old->UserDeactivate();
        f->UserActivate();
    });
}

void QtHost::SubWindowActivated(QMdiSubWindow* sub) {
    if (sub == nullptr) return;
    for (const auto& [form, window] : windows_) {
        if (window->Window() == sub && window->Form() != nullptr) {
            Activate(window->Form());
            return;
        }
    }
}

void QtHost::FocusChanged(QWidget* now) {
    if (now == nullptr) return;
    for (const auto& [form, window] : windows_) {
        ControlView* v = window->ViewAt(now);
        if (v == nullptr || v->Control() == nullptr) continue;
        ui::Control* c = v->Control();
        if (c->Parent().Focused() != c) Deliver([c] { c->SetFocus(); });
        return;
    }
}

// The main window is made before its load runs, so that the windows the load shows (the
// restored status windows) become subwindows of its MDI area rather than windows of their own.
void QtHost::FormLoading(ui::Form& f) {
    if (f.GetFormKind() == ui::FormKind::MdiMain) Ensure(f).Prepare();
}

void QtHost::FormShown(ui::Form& f) {
    Ensure(f).Show(false);
    Activate(&f);
}

void QtHost::Forget(ui::Form& f) {
    history_.erase(std::remove(history_.begin(), history_.end(), &f), history_.end());
    if (active_ != &f) return;
    active_ = nullptr;
    // The window activated before it becomes active again, as a window manager does.
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
        FormWindow* next = WindowOf(**it);
        if (next == nullptr || !(*it)->Visible() || next->Window() == nullptr) continue;
        next->Raise();
        Activate(*it);
        return;
    }
}

void QtHost::FormHidden(ui::Form& f) {
    if (FormWindow* w = WindowOf(f)) {
        if (w->ModalLoop() != nullptr) w->ModalLoop()->quit();
        w->Hide();
    }
    Forget(f);
}

void QtHost::FormUnloaded(ui::Form& f) {
    const auto it = windows_.find(&f);
    if (it != windows_.end()) {
        if (it->second->ModalLoop() != nullptr) it->second->ModalLoop()->quit();
        it->second->Unloaded();
        std::shared_ptr<FormWindow> retired(std::move(it->second));
        windows_.erase(it);
        Retire(std::move(retired));
    }
    Forget(f);
}

void QtHost::RunModal(ui::Form& f) {
    FormWindow& window = Ensure(f);
    QEventLoop loop;
    window.SetModalLoop(&loop);
    window.Show(true);
    Activate(&f);
    if (f.Visible() && f.Loaded()) loop.exec(QEventLoop::DialogExec);
    if (FormWindow* still = WindowOf(f)) still->SetModalLoop(nullptr);
}

void QtHost::TimerChanged(ui::Timer& t, bool alive) {
    auto it = timers_.find(&t);
    if (!alive) {
        if (it == timers_.end()) return;
        it->second->stop();
        std::shared_ptr<QTimer> retired(std::move(it->second));
        timers_.erase(it);
        Retire(std::move(retired));
        return;
    }
    if (!t.Running()) {
        if (it != timers_.end()) it->second->stop();
        return;
    }
    if (it == timers_.end()) {
        auto timer = std::make_unique<QTimer>();
        ui::Timer* model = &t;
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                         [this, model] { Deliver([model] { model->Tick(); }); });
        it = timers_.emplace(&t, std::move(timer)).first;
    }
    it->second->start(t.Interval());
}

void QtHost::SetMousePointer(int16_t pointer) {
    if (pointer == ui::vbDefault) {
        if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
        overrideCursor_ = false;
        return;
    }
    const QCursor cursor(CursorOf(pointer));
    if (overrideCursor_) {
        QGuiApplication::changeOverrideCursor(cursor);
    } else {
        QGuiApplication::setOverrideCursor(cursor);
        overrideCursor_ = true;
    }
}

int64_t QtHost::NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void QtHost::Sleep(int ms) {
    sys::Sleep(ms);
}

void QtHost::Post(std::function<void()> fn) {
    QMetaObject::invokeMethod(
        context_.get(), [this, fn = std::move(fn)] { Deliver(fn); }, Qt::QueuedConnection);
}

void QtHost::DoEvents() {
    QCoreApplication::processEvents();
}

sys::ScreenMetrics QtHost::Screen() {
    sys::ScreenMetrics m;
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        m.WidthPx = s->geometry().width();
        m.HeightPx = s->geometry().height();
        m.DpiX = s->logicalDotsPerInchX();
    }
    return m;
}

std::string QtHost::ClipboardText() {
    return ToCp1252(QGuiApplication::clipboard()->text());
}

void QtHost::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(FromCp1252(text));
}

// The program ends once the running handler has returned, as it is: no window is asked to
// close on the way out (a status window would take its close for a delete).
void QtHost::End() {
    QMetaObject::invokeMethod(
        context_.get(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

int QtHost::MsgBox(const std::string& prompt, int style, const std::string& title) {
    return ShowMessageBox(QApplication::activeWindow(), prompt, style, title);
}

bool QtHost::ShowOpen(ui::FileDialog& d) {
    return ShowFileDialog(QApplication::activeWindow(), d, false);
}

bool QtHost::ShowSave(ui::FileDialog& d) {
    return ShowFileDialog(QApplication::activeWindow(), d, true);
}

}  // namespace gui
