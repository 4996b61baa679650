// The folders of the application folder that hold the user's files: "Project" for project
// files and "preset" for program and switch preset files.
#pragma once

#include <string>

struct State;

namespace AppFolders {

inline constexpr const char* kProject = "Project";
inline constexpr const char* kPreset = "preset";

// AppDir/name, created when it does not exist, so that a file dialog opens inside it.
std::string Folder(const State& s, const char* name);

// At start: both folders created, and the temporaries that saves cut short left there and in
// AppDir removed.
void Prepare(const State& s);

}  // namespace AppFolders
