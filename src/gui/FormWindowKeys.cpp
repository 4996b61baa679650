// The keys that move between the windows of the main window and the Escape of a dialog.
// Ctrl+Tab and Ctrl+Shift+Tab step through every subwindow in the order they were opened, F6
// and Shift+F6 move between the command bar and the active subwindow, Ctrl+F4 closes the
// active subwindow as its close box does; Escape in a dialog does what its Cancel button does,
// or what its close box does when it has none.
#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>
#include <functional>

#include "gui/FormWidgets.h"
#include "gui/FormWindow.h"

namespace gui {

namespace {

const QKeySequence kCloseSubWindow(Qt::CTRL | Qt::Key_F4);

bool TakesTabFocus(const QWidget* w) {
    return (w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisible() && w->isEnabled();
}

// The widget inside area that had the focus last, else the first one Tab reaches.
QWidget* FocusTarget(QWidget* area) {
    QWidget* last = area->focusWidget();
    if (last != nullptr && last != area && area->isAncestorOf(last) && TakesTabFocus(last)) {
        return last;
    }
    for (QWidget* w = area->nextInFocusChain(); w != area; w = w->nextInFocusChain()) {
        if (area->isAncestorOf(w) && TakesTabFocus(w)) return w;
    }
    return nullptr;
}

}  // namespace

void FormWindow::BindWindowKeys() {
    const auto bind = [this](const QKeySequence& keys, const std::function<void()>& act) {
        auto* shortcut = new QShortcut(keys, main_);
        QObject::connect(shortcut, &QShortcut::activated, main_, act);
    };
    const auto next = [this] { mdi_->activateNextSubWindow(); };
    const auto previous = [this] { mdi_->activatePreviousSubWindow(); };
    mdi_->setActivationOrder(QMdiArea::CreationOrder);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Tab), next);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), previous);
    bind(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), previous);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Backtab), previous);
    bind(QKeySequence(Qt::Key_F6), [this] { SwitchRegion(); });
    bind(QKeySequence(Qt::SHIFT | Qt::Key_F6), [this] { SwitchRegion(); });
    // The subwindow's close() runs its close box's path: the form may ask or refuse.
    bind(kCloseSubWindow, [this] { mdi_->closeActiveSubWindow(); });
}

void FormWindow::LeaveCloseKeyToMain() {
    // Some platforms give the subwindow's own menu Ctrl+F4 while the focus is inside it; two
    // owners of one key would make it do nothing.
    const QMenu* menu = sub_->systemMenu();
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        if (keys.removeAll(kCloseSubWindow) > 0) action->setShortcuts(keys);
    }
}

void FormWindow::SwitchRegion() {
    const QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || !surface_->isAncestorOf(focus)) {
        if (QWidget* w = FocusTarget(surface_)) w->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    QMdiSubWindow* sub = mdi_->activeSubWindow();
    if (sub == nullptr) {
        mdi_->activateNextSubWindow();
        sub = mdi_->activeSubWindow();
    }
    if (sub == nullptr || sub->widget() == nullptr) return;
    if (QWidget* w = FocusTarget(sub->widget())) w->setFocus(Qt::ShortcutFocusReason);
}

bool FormWindow::Escape() {
    if (PressDefault(true)) return true;
    if (form_ == nullptr || Window() != surface_ || !form_->Modal()) return false;
    UserClosing();
    return true;
}

}  // namespace gui
