// The record reader on arbitrary bytes: a device record read without fault always fits its
// 128-byte slot again and reads back the same; device images and the link settings read from
// any bytes without harm.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "files/StateFiles.h"
#include "model/DevImageRecord.h"
#include "model/DeviceRecord.h"
#include "model/RecordFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);

    model::DeviceRecord rec;
    if (model::ReadDeviceRecord(bytes.first(std::min(size, model::RecordSlotSize)), rec) ==
        model::DeviceRecordFault::None) {
        model::RecordWriter w;
        model::WriteDeviceRecord(w, rec);
        if (w.Failed() || w.Data().size() > model::RecordSlotSize) std::abort();
        model::DeviceRecord again;
        if (model::ReadDeviceRecord(w.Data(), again) != model::DeviceRecordFault::None) {
            std::abort();
        }
        model::RecordWriter w2;
        model::WriteDeviceRecord(w2, again);
        if (w2.Data() != w.Data()) std::abort();
    }

    model::RecordReader r(bytes);
    model::DevImageRecord image;
    model::ReadDevImageRecord(r, image);
    StateFiles::DecodeInitCfg(bytes);
    return 0;
}
