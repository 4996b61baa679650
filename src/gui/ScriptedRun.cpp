#include "gui/ScriptedRun.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <charconv>
#include <optional>
#include <sstream>

#include "app/MDIFrmMain.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "project/FrmDevice.h"
#include "project/FrmSetIP.h"
#include "state/State.h"

namespace gui {

namespace {

constexpr int kStepPauseMs = 300;
constexpr int kScriptFailed = 3;

void Fail() {
    QCoreApplication::exit(kScriptFailed);
}

// The whole text as a number from 0 to max; nothing for any other text.
std::optional<int> Number(const std::string& text, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < 0 || value > max) return {};
    return value;
}

// Answers the next message box with its Yes button once it is up.
void AnswerYesSoon() {
    QTimer::singleShot(kStepPauseMs, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->button(QMessageBox::Yes) == nullptr) return Fail();
        box->button(QMessageBox::Yes)->click();
    });
}

}  // namespace

ScriptedRun::ScriptedRun(QtHost& host, State& s, const std::string& steps) : host_(host), s_(s) {
    std::stringstream in(steps);
    for (std::string step; std::getline(in, step, ';');) {
        const size_t first = step.find_first_not_of(' ');
        if (first != std::string::npos) steps_.push_back(step.substr(first));
    }
    QTimer::singleShot(kStepPauseMs, [this] { Next(); });
}

// Waits for the main window, then runs the steps with a short pause between them.
void ScriptedRun::Next() {
    if (!s_.MainWin || !s_.MainWin->Visible()) {
        QTimer::singleShot(kStepPauseMs, [this] { Next(); });
        return;
    }
    if (next_ >= steps_.size()) return;
    std::istringstream step(steps_[next_++]);
    std::string verb, arg;
    step >> verb >> arg;
    if (verb == "wait") {
        const std::optional<int> ms = Number(arg, 3600000);
        if (!ms) return Fail();
        QTimer::singleShot(*ms, [this] { Next(); });
        return;
    }
    bool ok = false;
    host_.Deliver([&] { ok = Run(verb, arg); });
    if (!ok) return Fail();
    QTimer::singleShot(kStepPauseMs, [this] { Next(); });
}

bool ScriptedRun::Run(const std::string& verb, const std::string& arg) {
    if (verb == "add-ip") return AddByIp(arg);
    if (verb == "connect" || verb == "edit") {
        // The status window's "Connect" or "Edit".
        const std::optional<int> slot = Number(arg, model::SlotCount - 1);
        if (!slot || !s_.FrmDeviceWin[*slot]) return false;
        FrmDevice& w = *s_.FrmDeviceWin[*slot];
        return (verb == "connect" ? w.Label1 : w.Label2).UserClick();
    }
    if (verb == "shot") return Shot(arg);
    if (verb == "subwindows") {
        const std::optional<int> count = Number(arg, model::SlotCount);
        return count && StatusSubwindows(*count);
    }
    if (verb == "exit") {
        Exit();
        return true;
    }
    return false;
}

bool ScriptedRun::AddByIp(const std::string& address) {
    std::vector<int16_t> octets;
    std::stringstream in(address);
    for (std::string part; std::getline(in, part, '.');) {
        const std::optional<int> octet = Number(part, 255);
        if (!octet) return false;
        octets.push_back(static_cast<int16_t>(*octet));
    }
    if (octets.size() != 4) return false;
    QTimer::singleShot(kStepPauseMs, [this, octets] {
        auto* dialog = dynamic_cast<FrmSetIP*>(host_.ActiveForm());
        if (dialog == nullptr) return Fail();
        host_.Deliver([&] {
            ui::ComboBox* lists[] = {&dialog->Combo5, &dialog->Combo6, &dialog->Combo7,
                                     &dialog->Combo4};
            for (size_t k = 0; k < 4; ++k) lists[k]->UserSelect(octets[k]);
            dialog->Command1(0).UserClick();
        });
    });
    return MainForm(s_).Command1(MDIFrmMain::CmdAddDevice).UserClick();
}

bool ScriptedRun::Shot(const std::string& path) {
    FormWindow* w = host_.WindowOf(MainForm(s_));
    return w != nullptr && w->Window()->grab().save(QString::fromStdString(path), "PNG");
}

bool ScriptedRun::StatusSubwindows(int count) const {
    const QMdiArea* area = host_.MdiArea();
    if (area == nullptr) return false;
    const QList<QMdiSubWindow*> subs = area->subWindowList();
    int found = 0;
    for (const WindowPtr<FrmDevice>& w : s_.FrmDeviceWin) {
        if (!w || !w->Loaded()) continue;
        const FormWindow* window = host_.WindowOf(*w);
        auto* sub = window != nullptr ? qobject_cast<QMdiSubWindow*>(window->Window()) : nullptr;
        if (sub == nullptr || !subs.contains(sub) || !sub->isVisible()) return false;
        ++found;
    }
    return found == count;
}

void ScriptedRun::Exit() {
    AnswerYesSoon();
    MainForm(s_).Command1(MDIFrmMain::CmdExit).UserClick();
}

}  // namespace gui
