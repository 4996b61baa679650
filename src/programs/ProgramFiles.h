// Program files ("file program (*.XPG)|*.XPG", in the "preset" folder of the application
// folder): the current device's whole image record saved as 1763 bytes, and loaded back into
// the device's image, applied to the model and the editor and sent to the device between the
// two bulk-update frames.
#pragma once

#include "ui/FileDialog.h"

struct State;

namespace ModProg {

// A file dialog with filter, proposing the extension ext, opening inside the "preset" folder
// of AppDir (created when missing) with no file name.
ui::FileDialog PresetFileDialog(const State& s, const char* filter, const char* ext);

// Asks for a file and writes DevImage(CurDev) to it whole; a failed write says so.
void SaveProgramToPC(State& s);
// Asks for a file and loads it: once the device has taken the opening bulk-update frame, its
// program bytes 0..911, record bytes 930 and 931 and the editor panel state go into
// DevImage(CurDev), the link masks are cleared and the image is applied and sent with the
// progress on the editor's bar; the program bytes the apply leaves out follow, so the device's
// working program is the file's. An offline device, a missing file, one that is not a regular
// file or one shorter than a record (1763 bytes) is refused with a message and changes nothing,
// and so does a failed opening frame; of a longer file only the first 1763 bytes are read.
void LoadProgramFromPC(State& s);

}  // namespace ModProg
