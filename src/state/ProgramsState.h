// The data of the programs and presets under the system's names. Part of the program's one
// state object.
#pragma once

#include <array>
#include <string>

struct ProgramsState {
    // Names of switch outputs 1..4 (elements 0..3) as NameSwitch.ini holds them; element 4
    // is read and written with them and stays empty.
    std::array<std::string, 5> SwitchNames{};
};
