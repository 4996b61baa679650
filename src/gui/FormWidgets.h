// The Qt widgets of a form's window: the client area that holds the controls, and the main
// window of the MDI main form. They pass the window events to the form window.
#pragma once

#include <QMainWindow>
#include <QWidget>

namespace gui {

class FormWindow;

class FormSurface : public QWidget {
  public:
    enum class Role {
        Window,     // the form's own top-level window
        SubWindow,  // the widget of an MDI subwindow (its moves and states arrive filtered)
        Bar,        // the control bar of the MDI main window
    };
    FormSurface(FormWindow& owner, Role role);

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    FormWindow& owner_;
    Role role_;
};

class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(FormWindow& owner) : owner_(owner) {}

  protected:
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    FormWindow& owner_;
};

}  // namespace gui
