#include "gui/FormWidgets.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "gui/FormWindow.h"

namespace gui {

namespace {

// The close box: the window closes only when the form agrees to unload.
void Close(FormWindow& owner, QCloseEvent* e) {
    if (owner.UserClosing()) {
        e->accept();
    } else {
        e->ignore();
    }
}

// Minimising, maximising and activation of a top-level window.
void StateOrActivation(FormWindow& owner, const QWidget& window, const QEvent* e) {
    if (e->type() == QEvent::WindowStateChange) owner.UserStateChanged(window.windowState());
    if (e->type() == QEvent::ActivationChange && window.isActiveWindow()) owner.Activated();
}

}  // namespace

FormSurface::FormSurface(FormWindow& owner, Role role) : owner_(owner), role_(role) {}

void FormSurface::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (role_ != Role::Bar) owner_.UserResized(size());
}

void FormSurface::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    if (role_ == Role::Window) owner_.UserMoved(pos());
}

void FormSurface::closeEvent(QCloseEvent* e) {
    Close(owner_, e);
}

void FormSurface::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (role_ == Role::Window) StateOrActivation(owner_, *this, e);
}

void FormSurface::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && owner_.PressDefault(false)) return;
    if (e->key() == Qt::Key_Escape && owner_.Escape()) return;
    QWidget::keyPressEvent(e);
}

bool FormSurface::eventFilter(QObject* watched, QEvent* e) {
    const QWidget* sub = parentWidget();
    if (role_ == Role::SubWindow && watched == sub) {
        if (e->type() == QEvent::Move) owner_.UserMoved(sub->pos());
        if (e->type() == QEvent::WindowStateChange) owner_.UserStateChanged(sub->windowState());
    }
    return QWidget::eventFilter(watched, e);
}

void MainWindow::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    owner_.UserResized(size());
}

void MainWindow::moveEvent(QMoveEvent* e) {
    QMainWindow::moveEvent(e);
    owner_.UserMoved(pos());
}

void MainWindow::closeEvent(QCloseEvent* e) {
    Close(owner_, e);
}

void MainWindow::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    StateOrActivation(owner_, *this, e);
}

}  // namespace gui
