// Modal windows that a test opens and answers: the test's own step opens the window, and a
// poll running inside that window's modal loop finds it and acts on it. A window that does not
// come within the deadline fails the test, naming the window awaited, instead of hanging it.
#pragma once

#include <QMessageBox>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "gui/FormWindow.h"
#include "gui/QtHost.h"

namespace guitest {

// Runs open, which is to show the modal window that find gives once it is up (named what in
// a failure), and then act on that window, once. When no such window is up within some
// seconds the test fails, and whatever modal window is open is closed until open returns.
void WithModal(const std::string& what, const std::function<QWidget*()>& find,
               const std::function<void()>& open, const std::function<void(QWidget*)>& act);

// Runs open, which is to show a message box, and act on that box.
void WithBox(const std::function<void()>& open, const std::function<void(QMessageBox&)>& act);

// Runs open, which is to show a message box, and answers it with answer (by default its last
// button: No of Yes and No, or OK); the box's text, leading blanks kept.
std::string AnswerBox(const std::function<void()>& open,
                      QMessageBox::StandardButton answer = QMessageBox::NoButton);

// Runs open, answering every message box it shows with the box's last button; the boxes'
// texts in the order shown. Open returns once it has had its answers.
std::vector<std::string> AnswerEveryBox(const std::function<void()>& open);

// Runs open, which is to show a window of Form modally, and act on it.
template <class Form>
void WithModalForm(const gui::QtHost& host, const std::string& what,
                   const std::function<void()>& open, const std::function<void(Form&)>& act) {
    Form* form = nullptr;
    const auto find = [&]() -> QWidget* {
        form = dynamic_cast<Form*>(host.ActiveForm());
        const gui::FormWindow* w = form != nullptr ? host.WindowOf(*form) : nullptr;
        return w != nullptr && w->Window()->isVisible() ? w->Window() : nullptr;
    };
    WithModal(what, find, open, [&](QWidget*) { act(*form); });
}

}  // namespace guitest
