#include "gui/Dialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "gui/Cp1252.h"
#include "ui/Types.h"

namespace gui {

namespace {

using Button = std::pair<QMessageBox::StandardButton, int>;

std::vector<Button> ButtonsOf(int style) {
    switch (ui::MsgBoxButtons(style)) {
        case ui::vbOKCancel:
            return {{QMessageBox::Ok, ui::vbOK}, {QMessageBox::Cancel, ui::vbCancel}};
        case ui::vbAbortRetryIgnore:
            return {{QMessageBox::Abort, ui::vbAbort},
                    {QMessageBox::Retry, ui::vbRetry},
                    {QMessageBox::Ignore, ui::vbIgnore}};
        case ui::vbYesNoCancel:
            return {{QMessageBox::Yes, ui::vbYes},
                    {QMessageBox::No, ui::vbNo},
                    {QMessageBox::Cancel, ui::vbCancel}};
        case ui::vbYesNo:
            return {{QMessageBox::Yes, ui::vbYes}, {QMessageBox::No, ui::vbNo}};
        case ui::vbRetryCancel:
            return {{QMessageBox::Retry, ui::vbRetry}, {QMessageBox::Cancel, ui::vbCancel}};
        default:
            return {{QMessageBox::Ok, ui::vbOK}};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (ui::MsgBoxIcon(style)) {
        case ui::vbCritical:
            return QMessageBox::Critical;
        case ui::vbQuestion:
            return QMessageBox::Question;
        case ui::vbExclamation:
            return QMessageBox::Warning;
        case ui::vbInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// Line breaks as the box shows them; leading blanks kept as non-breaking spaces.
QString PromptText(const std::string& prompt) {
    QString text = FromCp1252(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (qsizetype i = 0; i < text.size() && text[i] == QLatin1Char(' '); ++i) {
        text[i] = QChar(0x00A0);
    }
    return text;
}

// Assistive technology reads the box by its title and its text, without the blanks that
// place the text on screen.
// The icon's meaning, for readers.
QString IconName(QMessageBox::Icon icon) {
    switch (icon) {
        case QMessageBox::Critical:
            return QStringLiteral("Error");
        case QMessageBox::Question:
            return QStringLiteral("Question");
        case QMessageBox::Warning:
            return QStringLiteral("Warning");
        case QMessageBox::Information:
            return QStringLiteral("Information");
        default:
            return {};
    }
}

void NameForReaders(QMessageBox& box, const std::string& prompt, const std::string& title) {
    QString spoken = FromCp1252(prompt);
    spoken.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    spoken = spoken.trimmed();
    box.setAccessibleName(FromCp1252(title).trimmed());
    box.setAccessibleDescription(spoken);
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setAccessibleName(spoken);
    }
    if (auto* icon = box.findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label"))) {
        icon->setAccessibleName(IconName(box.icon()));
    }
}

}  // namespace

int ShowMessageBox(QWidget* parent, const std::string& prompt, int style,
                   const std::string& title) {
    QMessageBox box(IconOf(style), FromCp1252(title), PromptText(prompt), QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    NameForReaders(box, prompt, title);
    box.setWindowModality(Qt::ApplicationModal);
    const std::vector<Button> buttons = ButtonsOf(style);
    QMessageBox::StandardButtons set;
    for (const auto& [b, answer] : buttons) set |= b;
    box.setStandardButtons(set);
    size_t defaultIndex = 0;
    if (style & ui::vbDefaultButton2) defaultIndex = 1;
    if (style & ui::vbDefaultButton3) defaultIndex = 2;
    if (defaultIndex >= buttons.size()) defaultIndex = 0;
    box.setDefaultButton(buttons[defaultIndex].first);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    for (const auto& [b, answer] : buttons) {
        if (b == clicked) return answer;
    }
    // Closed without a button: the answer of the box's last (cancelling) button.
    return buttons.back().second;
}

QString QtFilterOf(const std::string& filter) {
    const QStringList parts = FromCp1252(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        if (parts[i].isEmpty() && i + 1 >= parts.size()) continue;
        const QString patterns =
            i + 1 < parts.size()
                ? parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '))
                : QStringLiteral("*");
        entries.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

bool ShowFileDialog(QWidget* parent, ui::FileDialog& d, bool save) {
    QFileDialog dialog(parent, FromCp1252(d.DialogTitle), QFile::decodeName(d.InitDir.c_str()),
                       QtFilterOf(d.Filter));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !d.OverwritePrompt);
    if (!d.DefaultExt.empty()) dialog.setDefaultSuffix(FromCp1252(d.DefaultExt));
    if (!d.FileName.empty()) dialog.selectFile(QFile::decodeName(d.FileName.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    d.FileName = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

}  // namespace gui
