#include "AwaitModal.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

namespace guitest {

namespace {

constexpr int kPollMs = 10;
constexpr qint64 kDeadlineMs = 10000;

// Ends the modal window that is open, if any: a dialog or box as rejected, a form's window as
// its close box does.
void CloseModal() {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        dialog->done(QDialog::Rejected);
    } else if (modal != nullptr) {
        modal->close();
    }
}

// The box's text, leading blanks kept.
std::string TextOf(const QMessageBox& box) {
    return box.text().replace(QChar(0x00A0), QLatin1Char(' ')).toStdString();
}

}  // namespace

void WithModal(const std::string& what, const std::function<QWidget*()>& find,
               const std::function<void()>& open, const std::function<void(QWidget*)>& act) {
    bool seen = false;
    bool late = false;
    QElapsedTimer since;
    since.start();
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (late) return CloseModal();
        if (QWidget* w = find()) {
            poll.stop();
            seen = true;
            act(w);
        } else if (since.elapsed() > kDeadlineMs) {
            late = true;
            ADD_FAILURE() << "awaited " << what << ": none was shown within " << kDeadlineMs / 1000
                          << " s";
            CloseModal();
        }
    });
    poll.start();
    open();
    poll.stop();
    if (!seen && !late) ADD_FAILURE() << "awaited " << what << ": none was shown";
}

void WithBox(const std::function<void()>& open, const std::function<void(QMessageBox&)>& act) {
    const auto find = []() -> QWidget* {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        return box != nullptr && box->isVisible() ? box : nullptr;
    };
    WithModal("a message box", find, open,
              [&](QWidget* box) { act(*static_cast<QMessageBox*>(box)); });
}

std::string AnswerBox(const std::function<void()>& open, QMessageBox::StandardButton answer) {
    std::string prompt;
    WithBox(open, [&](QMessageBox& box) {
        prompt = TextOf(box);
        QAbstractButton* button =
            answer == QMessageBox::NoButton ? box.buttons().constLast() : box.button(answer);
        if (button == nullptr) {
            ADD_FAILURE() << "the message box \"" << prompt << "\" has no such button";
            box.done(QDialog::Rejected);
            return;
        }
        button->click();
    });
    return prompt;
}

std::vector<std::string> AnswerEveryBox(const std::function<void()>& open) {
    std::vector<std::string> prompts;
    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        prompts.push_back(TextOf(*box));
        box->buttons().constLast()->click();
    });
    poll.start();
    open();
    return prompts;
}

}  // namespace guitest
