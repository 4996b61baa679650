// The device-list record: one per device slot, the unit of the device-list state file and of
// project files (one record per 128-byte slot).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/RecordIO.h"

namespace model {

// The documented lengths of the record's texts: a dotted address and the device's nick name.
inline constexpr size_t IpTextLength = 15;
inline constexpr size_t NickNameLength = 16;

struct DeviceRecord {
    std::array<uint8_t, 4> IpOctets{};  // a.b.c.d, a first
    std::string IpText = "0.0.0.0";
    int16_t DevId = 255;   // RS485 ID; 0 on USB, 255 on TCP/IP
    int16_t Online = 0;    // 1 connected, 0 not
    int16_t LinkKind = 2;  // 0 USB, 1 RS485, 2 TCP/IP
    int16_t Used = 0;      // -1 the slot is in the project, 0 free
    float WinLeft = 0;     // status window position in twips
    float WinTop = 0;
    std::string NickName = "no-name";

    bool operator==(const DeviceRecord&) const = default;
};

// What is wrong with a record read from a file; the device list treats any fault as a free slot.
enum class DeviceRecordFault {
    None,
    BadText,      // the members after the address text run past the record's slot
    BadLinkKind,  // link kind outside 0..2
    BadDevId,     // RS485 ID outside 0..255
    BadUsed,      // in-project flag neither 0 nor -1
};

// The four octets in decimal joined by "." (no leading zeros, no blanks).
std::string DottedIp(const std::array<uint8_t, 4>& octets);

void WriteDeviceRecord(RecordWriter& w, const DeviceRecord& rec);

// Reads one record from the bytes of its slot (missing bytes read as zeros). Every member of
// out is overwritten, so nothing of its previous content survives. Texts are read within
// their documented lengths, so that the record always fits its slot again: a longer nick
// name is cut to 16 characters (it may run past the slot), a longer address text is rebuilt
// from the octets.
DeviceRecordFault ReadDeviceRecord(std::span<const uint8_t> slot, DeviceRecord& out);

}  // namespace model
