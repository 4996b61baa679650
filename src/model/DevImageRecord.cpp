#include "model/DevImageRecord.h"

namespace model {

void WriteDevImageRecord(RecordWriter& w, const DevImageRecord& rec) {
    w.Bytes(rec.ProgImage);
    w.Bytes(rec.DevExtra);
    w.Bytes(rec.PanelState);
}

void ReadDevImageRecord(RecordReader& r, DevImageRecord& rec) {
    r.Bytes(rec.ProgImage);
    r.Bytes(rec.DevExtra);
    r.Bytes(rec.PanelState);
}

}  // namespace model
