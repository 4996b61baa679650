// A QtHost with the test form shown, and ways to reach the widgets that show its controls.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <memory>
#include <string>

#include "AwaitModal.h"
#include "GuiTestForm.h"
#include "app/Wiring.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "state/State.h"
#include "support/TempDir.h"

class FrmCtrl;
class MDIFrmMain;

namespace guitest {

class GuiFixture : public ::testing::Test {
  protected:
    void SetUp() override;

    template <class T>
    T* W(const ui::Control& c) const {
        return qobject_cast<T*>(host.WidgetOf(c));
    }
    QWidget* Window() const;
    QWidget* Surface() const;
    // Lets queued work, repaints and retired widgets' deletion run.
    static void Settle();

    gui::QtHost host;
    GuiTestForm form{host};
};

// The program's state shown by a QtHost, slot 0 in the project with the factory default
// image; OpenEditor() shows its editor, which is closed again after the test.
class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Opens the slot's editor as the status window's "Edit" does and waits until it shows.
    FrmCtrl& OpenEditor();
    // Shows the editor's tab and saves its picture (more than 1000 bytes) as name.
    void ShootTab(int16_t tab, const std::string& name);

    static constexpr int16_t kSlot = 0;
    gui::QtHost host;
    std::unique_ptr<State> s = NewState(host);
    FrmCtrl* f = nullptr;
};

// The program's main window with the TCP/IP devices AddDevice puts into the project, each in
// its status window (not connected: their addresses on loopback answer nothing).
class MainWindowFixture : public EditorFixture {
  protected:
    void SetUp() override;
    // The next free slot with a device at 127.77.0.<250 + k>, its status window shown.
    int16_t AddDevice(uint8_t k);
    // The key typed where the keyboard focus is (else on the main window), once the window
    // that should be active is (Reactivate).
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Once a message box has gone the window manager makes the window under it active again;
    // the offscreen platform leaves that to us.
    void Reactivate();

    testsupport::TempDir home;
    MDIFrmMain* main = nullptr;
};

// Checks that the text of every widget that shows a control of form fits the widget: labels
// (unless they wrap), buttons, check and option boxes and frame titles.
void ExpectTextsFit(const gui::QtHost& host, const ui::Form& form);

// Saves a picture of the widget as <build>/screenshots/<name>.png; returns the path.
QString SaveScreenshot(QWidget* w, const std::string& name);

// Lets queued work, repaints and retired widgets' deletion run.
void SettleEvents();

// Saves a picture of the form's window as name and expects it to hold more than minBytes.
void ExpectPicture(const gui::QtHost& host, const ui::Form& form, const std::string& name,
                   qint64 minBytes = 1000);

// Shows the dialog without blocking, checks that its texts fit, saves its picture as name and
// unloads it.
void ShootDialog(const gui::QtHost& host, ui::Form& dialog, const std::string& name);

}  // namespace guitest
