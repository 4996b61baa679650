// The application folder: where the state files, the "Project" and the "preset" folders live.
#pragma once

#include <string>

namespace sys {

// VELOTRIX_HOME when set; else the folder of the running executable when it is writable;
// else the user's data folder ($XDG_DATA_HOME/velotrix or ~/.local/share/velotrix).
// The folder is created when it does not exist. Paths use '/', without a trailing one.
std::string AppFolder();

// Creates a folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);

}  // namespace sys
