// A QtHost with the test form shown, and ways to reach the widgets that show its controls.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>
#include <string>

#include "GuiTestForm.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"

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

// Checks that the text of every widget that shows a control of form fits the widget: labels
// (unless they wrap), buttons, check and option boxes and frame titles.
void ExpectTextsFit(const gui::QtHost& host, const ui::Form& form);

// Saves a picture of the widget as <build>/screenshots/<name>.png; returns the path.
QString SaveScreenshot(QWidget* w, const std::string& name);

// Lets queued work, repaints and retired widgets' deletion run.
void SettleEvents();

// Shows the dialog without blocking, checks that its texts fit, saves its picture as name and
// unloads it.
void ShootDialog(const gui::QtHost& host, ui::Form& dialog, const std::string& name);

}  // namespace guitest
