// The standard dialogs: message boxes with the buttons, icon and default button of the
// style, and the file open and save dialogs.
#pragma once

#include <QString>
#include <string>

#include "ui/FileDialog.h"

class QWidget;

namespace gui {

// Returns the answer (ui::MsgBoxResult). Leading blanks of the prompt are kept.
int ShowMessageBox(QWidget* parent, const std::string& prompt, int style, const std::string& title);
// "description|pattern|description|pattern" as Qt's "description (pattern);;..."; several
// patterns of one entry ("*.a;*.b") are separated by blanks.
QString QtFilterOf(const std::string& filter);
// True with d.FileName set to the chosen path (file names in the system's encoding).
bool ShowFileDialog(QWidget* parent, ui::FileDialog& d, bool save);

}  // namespace gui
