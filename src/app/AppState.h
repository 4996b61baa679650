// The data of start-up and the main window under the system's names. Part of the program's
// one state object.
#pragma once

#include <string>

struct AppState {
    std::string AppDir;  // the application folder: the state files lie in it
};
