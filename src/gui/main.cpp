// The program: the Qt front end hosts the forms, the splash starts everything, and a second
// copy of the program brings this one's main window back to the front.
#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>
#include <cstdlib>
#include <memory>

#include "app/MDIFrmMain.h"
#include "app/Wiring.h"
#include "app/frmSplash.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "gui/ScriptedRun.h"
#include "state/State.h"

namespace {

// Restores and raises the main window whenever a second copy asks for it.
std::unique_ptr<QSocketNotifier> WatchActivation(gui::QtHost& host, State& s) {
    if (!s.Instance || !s.Instance->Acquired() || s.Instance->ActivationFd() < 0) return nullptr;
    auto notifier =
        std::make_unique<QSocketNotifier>(s.Instance->ActivationFd(), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [&host, &s] {
        if (s.Instance->TakeActivationRequests() == 0 || !s.MainWin || !s.MainWin->Loaded()) {
            return;
        }
        s.MainWin->SetWindowState(ui::vbNormal);
        if (gui::FormWindow* w = host.WindowOf(*s.MainWin)) {
            QWidget* window = w->Window();
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            w->Raise();
        }
    });
    return notifier;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velotrix"));
    gui::QtHost host;
    auto state = NewState(host);
    frmSplash splash(*state);
    splash.Show();
    const std::unique_ptr<QSocketNotifier> activation = WatchActivation(host, *state);
    std::unique_ptr<gui::ScriptedRun> script;
    if (const char* steps = std::getenv("VELOTRIX_SCRIPT"); steps != nullptr && *steps != 0) {
        script = std::make_unique<gui::ScriptedRun>(host, *state, steps);
    }
    return QApplication::exec();
}
