// Parameters and result of a file open or save dialog.
#pragma once

#include <string>

namespace ui {

struct FileDialog {
    std::string DialogTitle;
    // "description|pattern|description|pattern", e.g. "file program (*.XPG)|*.XPG".
    std::string Filter;
    std::string InitDir;
    // In: the proposed file name; out: the chosen path.
    std::string FileName;
    std::string DefaultExt;
    // Save dialogs ask before replacing an existing file when set.
    bool OverwritePrompt = true;
};

}  // namespace ui
