#include "programs/SwitchNames.h"

#include <vector>

#include "app/State.h"
#include "app/StateFiles.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"

namespace ModProg {

namespace {

std::string NamesPath(const State& s) {
    return StateFiles::StateFilePath(s, "NameSwitch.ini");
}

}  // namespace

void ReadSwitchNames(State& s) {
    s.SwitchNames.fill({});
    std::vector<uint8_t> file;
    if (!model::ReadFileBytes(NamesPath(s), file)) return;
    model::RecordReader r(model::RecordSlot(file, 0), model::RecordSlotSize);
    std::array<std::string, 5> names;
    for (std::string& name : names) name = r.Text();
    if (!r.Malformed()) s.SwitchNames = names;
}

bool WriteSwitchNames(const State& s) {
    model::RecordWriter w;
    for (const std::string& name : s.SwitchNames) w.Text(name);
    std::vector<uint8_t> file;
    return !w.Failed() && model::PutRecordSlot(file, 0, w.Data()) &&
           model::WriteFileAtomic(NamesPath(s), file);
}

}  // namespace ModProg
