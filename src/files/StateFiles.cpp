#include "files/StateFiles.h"

#include "model/RecordFile.h"
#include "model/RecordIO.h"
#include "state/State.h"
#include "ui/Host.h"

namespace StateFiles {

namespace {

// The most bytes each state file's layout uses: init.cfg with the longest text its length
// can state, 65 slots of start.ini, 65 images of startBf.ini.
constexpr size_t kInitCfgLimit = 2 + 2 + 65535 + 2;
constexpr size_t kStartIniLimit = model::SlotCount * model::RecordSlotSize;
constexpr size_t kStartBfIniLimit = model::SlotCount * model::DevImageRecord::Size;

// Reads the head of a state file that its layout uses; a missing one is created empty (and
// reads as nothing), and the temporary left by a save that was cut short is removed. A file
// that can't be read is named in a message and reads as nothing.
std::vector<uint8_t> ReadOrCreate(const State& s, const std::string& name, size_t limit) {
    const std::string path = StateFilePath(s, name);
    model::PrepareFile(path);
    std::vector<uint8_t> bytes;
    const model::FileRead read = model::ReadFileHead(path, limit, bytes);
    if (read != model::FileRead::Read && read != model::FileRead::Missing) {
        s.host.MsgBox(model::FileReadText(read, path) + " The program goes on without it.",
                      ui::vbOKOnly + ui::vbExclamation, "Warning");
    }
    return bytes;
}

}  // namespace

bool HoldsOtherLink(const State& s, size_t slot) {
    const model::DeviceRecord& rec = s.DevList[slot];
    return rec.Used == -1 && rec.LinkKind != s.LinkType;
}

std::string StateFilePath(const State& s, const std::string& name) {
    return s.AppDir.empty() ? name : s.AppDir + "/" + name;
}

InitCfgRecord DecodeInitCfg(std::span<const uint8_t> bytes) {
    model::RecordReader r(bytes);
    InitCfgRecord rec;
    rec.ComPort = r.Int16();
    rec.Reserved = r.Text();
    rec.LinkType = r.Int16();
    return rec;
}

std::vector<uint8_t> EncodeInitCfg(const InitCfgRecord& rec) {
    model::RecordWriter w;
    w.Int16(rec.ComPort);
    w.Text(rec.Reserved);
    w.Int16(rec.LinkType);
    return w.Data();
}

void ReadInitCfg(State& s) {
    s.InitCfg = DecodeInitCfg(ReadOrCreate(s, kInitCfg, kInitCfgLimit));
}

bool WriteInitCfg(const State& s) {
    return model::WriteFileHeadAtomic(StateFilePath(s, kInitCfg), EncodeInitCfg(s.InitCfg));
}

void ReadDeviceList(State& s) {
    const std::vector<uint8_t> file = ReadOrCreate(s, kStartIni, kStartIniLimit);
    for (size_t slot = 0; slot < model::SlotCount; ++slot) {
        model::DeviceRecord& rec = s.DevList[slot];
        if (model::ReadDeviceRecord(model::RecordSlot(file, slot), rec) !=
            model::DeviceRecordFault::None) {
            rec = model::DeviceRecord{};
        }
    }
}

bool WriteDeviceList(const State& s) {
    std::vector<uint8_t> file;
    for (size_t slot = 0; slot < model::SlotCount; ++slot) {
        model::RecordWriter w;
        model::WriteDeviceRecord(w, s.DevList[slot]);
        if (w.Failed() || !model::PutRecordSlot(file, slot, w.Data())) return false;
    }
    return model::WriteFileAtomic(StateFilePath(s, kStartIni), file);
}

void ReadDeviceImages(State& s) {
    const std::vector<uint8_t> file = ReadOrCreate(s, kStartBfIni, kStartBfIniLimit);
    model::RecordReader r(file);
    for (model::DevImageRecord& image : s.StoredImage) model::ReadDevImageRecord(r, image);
}

bool WriteDeviceImages(State& s) {
    model::RecordWriter w;
    for (size_t slot = 0; slot < model::SlotCount; ++slot) {
        if (!HoldsOtherLink(s, slot)) s.StoredImage[slot] = s.DevImage[slot];
        model::WriteDevImageRecord(w, s.StoredImage[slot]);
    }
    return model::WriteFileAtomic(StateFilePath(s, kStartBfIni), w.Data());
}

}  // namespace StateFiles
