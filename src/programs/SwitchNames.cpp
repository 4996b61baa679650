#include "programs/SwitchNames.h"

#include <vector>

#include "files/StateFiles.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModProg {

namespace {

std::string NamesPath(const State& s) {
    return StateFiles::StateFilePath(s, kNameSwitchIni);
}

}  // namespace

void ReadSwitchNames(State& s) {
    s.SwitchNames.fill({});
    std::vector<uint8_t> file;
    const model::FileRead read = model::ReadFileHead(NamesPath(s), model::RecordSlotSize, file);
    if (read != model::FileRead::Read && read != model::FileRead::Missing) {
        s.host.MsgBox(model::FileReadText(read, NamesPath(s)) +
                          " The switch outputs are shown without names.",
                      ui::vbOKOnly + ui::vbExclamation, "Switch");
    }
    model::RecordReader r(file, model::RecordSlotSize);
    std::array<std::string, 5> names;
    for (std::string& name : names) name = r.Text();
    if (!r.Malformed()) s.SwitchNames = names;
}

bool WriteSwitchNames(const State& s) {
    model::RecordWriter w;
    for (const std::string& name : s.SwitchNames) w.Text(name);
    std::vector<uint8_t> record;
    return !w.Failed() && model::PutRecordSlot(record, 0, w.Data()) &&
           model::WriteFileHeadAtomic(NamesPath(s), record);
}

}  // namespace ModProg
