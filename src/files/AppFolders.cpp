#include "files/AppFolders.h"

#include "files/StateFiles.h"
#include "model/RecordFile.h"
#include "state/State.h"
#include "sys/AppFolder.h"

namespace AppFolders {

std::string Folder(const State& s, const char* name) {
    const std::string path = StateFiles::StateFilePath(s, name);
    sys::MakeFolders(path);
    return path;
}

void Prepare(const State& s) {
    model::RemoveTemporaries(s.AppDir.empty() ? "." : s.AppDir);
    for (const char* name : {kProject, kPreset}) model::RemoveTemporaries(Folder(s, name));
}

}  // namespace AppFolders
