#include "app/AppFolders.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "app/State.h"
#include "app/StateFiles.h"
#include "model/RecordFile.h"
#include "programs/SwitchNames.h"
#include "sys/AppFolder.h"

namespace AppFolders {

namespace {

// The files the program writes: the state files, the switch names, and project, program and
// switch preset files by their extensions (in either case).
bool ProgramFile(std::string_view name) {
    constexpr std::array<std::string_view, 4> kNames = {StateFiles::kInitCfg, StateFiles::kStartIni,
                                                        StateFiles::kStartBfIni,
                                                        ModProg::kNameSwitchIni};
    constexpr std::array<std::string_view, 3> kExtensions = {".xpj", ".xpg", ".swc"};
    if (std::find(kNames.begin(), kNames.end(), name) != kNames.end()) return true;
    return std::any_of(kExtensions.begin(), kExtensions.end(), [name](std::string_view ext) {
        if (name.size() <= ext.size()) return false;
        const std::string_view tail = name.substr(name.size() - ext.size());
        return std::equal(tail.begin(), tail.end(), ext.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    });
}

}  // namespace

std::string Folder(const State& s, const char* name) {
    const std::string path = StateFiles::StateFilePath(s, name);
    sys::MakeFolders(path);
    return path;
}

void Prepare(const State& s) {
    model::RemoveTemporaries(s.AppDir.empty() ? "." : s.AppDir, ProgramFile);
    for (const char* name : {kProject, kPreset})
        model::RemoveTemporaries(Folder(s, name), ProgramFile);
}

}  // namespace AppFolders
