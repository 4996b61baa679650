// One form on screen: its window (the MDI main window, an MDI subwindow, or a window of its
// own, modal or not), the client area at ScaleWidth x ScaleHeight twips, and one view per
// control in its container in z-order. It mirrors the form's properties and hands the
// window's events (close box, resize, minimise, activation, move) to the form.
#pragma once

#include <QPointer>
#include <QSize>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "ui/Form.h"
#include "ui/Peer.h"

class QEventLoop;
class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace gui {

class ControlView;
class FormSurface;
class MainWindow;
class QtHost;

class FormWindow : public ui::FormPeer {
  public:
    FormWindow(QtHost& host, ui::Form& form);
    ~FormWindow() override;
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    QtHost& Host() const { return host_; }
    // nullptr once the form was unloaded.
    ui::Form* Form() const { return form_; }
    // The window on screen: the main window, the MDI subwindow or the form's own window.
    QWidget* Window() const;
    // The client area that holds the form's controls.
    QWidget* Surface() const;
    // The MDI area of the main window (nullptr for other forms).
    QMdiArea* MdiArea() const;

    // Creates the widgets without showing them (once; a non-modal window).
    void Prepare();
    // Creates the widgets on first use, then shows the window (modal: application-modal).
    void Show(bool modal);
    void Hide();
    // Brings the window to the front and makes it the active one.
    void Raise();
    // The form was unloaded: every view lets go of its control, the window is hidden.
    void Unloaded();
    QEventLoop* ModalLoop() const { return modalLoop_; }
    void SetModalLoop(QEventLoop* loop) { modalLoop_ = loop; }

    ControlView* ViewOf(const ui::Control& c) const;
    // The view whose widget is w or holds it.
    ControlView* ViewAt(QWidget* w) const;
    // Enter or Escape: clicks the form's usable default (or cancel) button; false if none.
    bool PressDefault(bool cancel);
    // Escape: the cancel button, or in a modal dialog without one its close box (which the
    // form may refuse, as while a send runs); false when Escape is left to the control.
    bool Escape();
    // Gives the keyboard focus to the control the form has as focused.
    void SyncFocus();

    // Views report here.
    // Puts the view's widget into its container (restack: in z-order among the others there).
    void Place(ControlView& v, bool restack = true);
    void Restack(QWidget* area);
    void ControlMoved();
    void ControlGone(ControlView& v, const ui::Control& c);
    // The caption of c (nullptr: of the form) changed: the names made from captions are made
    // again once the running action has finished, unless no name is made of that caption.
    void CaptionChanged(const ui::Control* c);
    void WidgetReplaced(QWidget* old, ControlView& v);

    // The window's widgets report the person's actions here.
    void UserResized(QSize client);
    void UserMoved(QPoint pos);
    bool UserClosing();
    void UserStateChanged(Qt::WindowStates s);
    void Activated();

    void Changed(ui::Form& f, ui::Prop p) override;
    void ControlAdded(ui::Form& f, ui::Control& c) override;

  private:
    void Create(bool modal);
    // The main window's keys between its command bar and subwindows.
    void BindWindowKeys();
    // F6: from the subwindows to the command bar and back.
    void SwitchRegion();
    // Ctrl+F4 is the main window's key for its active subwindow, wherever the focus is.
    void LeaveCloseKeyToMain();
    void Build();
    void NameControls();
    ControlView* AddView(ui::Control& c);
    QWidget* AreaFor(const ui::Control& c) const;
    void RestackAll();
    bool NormalState() const;
    QSize ClientSize() const;
    void ApplyGeometry();
    void ApplyWindowState();
    void ApplyColors();
    void SetOwnerWindow(QWidget* over);
    void PlaceOnScreen();
    void Cascade();

    QtHost& host_;
    ui::Form* form_;
    QPointer<MainWindow> main_;
    QPointer<QMdiArea> mdi_;
    QPointer<QMdiSubWindow> sub_;
    QPointer<FormSurface> surface_;
    std::unordered_map<const ui::Control*, std::unique_ptr<ControlView>> views_;
    std::unordered_map<const QWidget*, ControlView*> byWidget_;
    QEventLoop* modalLoop_ = nullptr;
    int applying_ = 0;
    bool shownOnce_ = false;
    bool renaming_ = false;
    std::unordered_set<const ui::Control*> idleLabels_;
};

}  // namespace gui
