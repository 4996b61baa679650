#include "app/StateFiles.h"

#include <algorithm>

#include "app/State.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"

namespace StateFiles {

namespace {

// Reads a state file; a missing one is created empty (and reads as nothing), and the
// temporary left by a save that was cut short is removed.
std::vector<uint8_t> ReadOrCreate(const State& s, const std::string& name) {
    const std::string path = StateFilePath(s, name);
    model::PrepareFile(path);
    std::vector<uint8_t> bytes;
    model::ReadFileBytes(path, bytes);
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
    s.InitCfg = DecodeInitCfg(ReadOrCreate(s, kInitCfg));
}

bool WriteInitCfg(const State& s) {
    std::vector<uint8_t> file;
    model::ReadFileBytes(StateFilePath(s, kInitCfg), file);
    const std::vector<uint8_t> rec = EncodeInitCfg(s.InitCfg);
    if (file.size() < rec.size()) file.resize(rec.size());
    std::copy(rec.begin(), rec.end(), file.begin());
    return model::WriteFileAtomic(StateFilePath(s, kInitCfg), file);
}

void ReadDeviceList(State& s) {
    const std::vector<uint8_t> file = ReadOrCreate(s, kStartIni);
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
    const std::vector<uint8_t> file = ReadOrCreate(s, kStartBfIni);
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
