#include "model/DeviceRecord.h"

#include "model/RecordFile.h"

namespace model {

std::string DottedIp(const std::array<uint8_t, 4>& octets) {
    return std::to_string(octets[0]) + "." + std::to_string(octets[1]) + "." +
           std::to_string(octets[2]) + "." + std::to_string(octets[3]);
}

void WriteDeviceRecord(RecordWriter& w, const DeviceRecord& rec) {
    w.Bytes(rec.IpOctets);
    w.Text(rec.IpText);
    w.Int16(rec.DevId);
    w.Int16(rec.Online);
    w.Int16(rec.LinkKind);
    w.Int16(rec.Used);
    w.Float(rec.WinLeft);
    w.Float(rec.WinTop);
    w.Text(rec.NickName);
}

DeviceRecordFault ReadDeviceRecord(std::span<const uint8_t> slot, DeviceRecord& out) {
    RecordReader r(slot, RecordSlotSize);
    r.Bytes(out.IpOctets);
    out.IpText = r.Text();
    if (out.IpText.size() > IpTextLength) out.IpText = DottedIp(out.IpOctets);
    out.DevId = r.Int16();
    out.Online = r.Int16();
    out.LinkKind = r.Int16();
    out.Used = r.Int16();
    out.WinLeft = r.Float();
    out.WinTop = r.Float();
    out.NickName = r.Text(NickNameLength);
    if (r.Malformed()) return DeviceRecordFault::BadText;
    if (out.LinkKind < 0 || out.LinkKind > 2) return DeviceRecordFault::BadLinkKind;
    if (out.DevId < 0 || out.DevId > 255) return DeviceRecordFault::BadDevId;
    if (out.Used != 0 && out.Used != -1) return DeviceRecordFault::BadUsed;
    return DeviceRecordFault::None;
}

}  // namespace model
