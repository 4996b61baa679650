#include "app/StateFiles.h"

#include <algorithm>

#include "app/State.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"

namespace StateFiles {

namespace {

std::vector<uint8_t> ReadOrEmpty(const State& s, const std::string& name) {
    std::vector<uint8_t> bytes;
    model::ReadFileBytes(StateFilePath(s, name), bytes);
    return bytes;
}

}  // namespace

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
    s.InitCfg = DecodeInitCfg(ReadOrEmpty(s, kInitCfg));
}

bool WriteInitCfg(const State& s) {
    std::vector<uint8_t> file = ReadOrEmpty(s, kInitCfg);
    const std::vector<uint8_t> rec = EncodeInitCfg(s.InitCfg);
    if (file.size() < rec.size()) file.resize(rec.size());
    std::copy(rec.begin(), rec.end(), file.begin());
    return model::WriteFileAtomic(StateFilePath(s, kInitCfg), file);
}

void ReadDeviceList(State& s) {
    const std::vector<uint8_t> file = ReadOrEmpty(s, kStartIni);
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
    const std::vector<uint8_t> file = ReadOrEmpty(s, kStartBfIni);
    model::RecordReader r(file);
    for (model::DevImageRecord& image : s.StoredImage) model::ReadDevImageRecord(r, image);
}

bool WriteDeviceImages(State& s) {
    model::RecordWriter w;
    for (size_t slot = 0; slot < model::SlotCount; ++slot) {
        s.StoredImage[slot] = s.DevImage[slot];
        model::WriteDevImageRecord(w, s.StoredImage[slot]);
    }
    return model::WriteFileAtomic(StateFilePath(s, kStartBfIni), w.Data());
}

}  // namespace StateFiles
