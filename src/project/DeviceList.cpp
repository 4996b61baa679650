#include "project/DeviceList.h"

#include "model/DeviceDefaults.h"
#include "state/State.h"

namespace ModConfig {

void InitProjectDevices(State& s) {
    s.DevList.fill(model::DeviceRecord{});
}

int16_t FindFreeDeviceSlot(const State& s) {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s.DevList[slot].Used == 0) return slot;
    }
    return 255;
}

bool IsIpAlreadyInserted(const State& s) {
    for (const model::DeviceRecord& rec : s.DevList) {
        if (rec.Used == -1 && rec.IpOctets == s.NewDevIp) return true;
    }
    return false;
}

bool IsIdAlreadyInserted(const State& s) {
    for (const model::DeviceRecord& rec : s.DevList) {
        if (rec.Used == -1 && rec.DevId == s.NewDevId) return true;
    }
    return false;
}

void ResetDeviceRecord(State& s, int16_t slot) {
    s.DevList[slot] = model::DeviceRecord{};
}

bool SameDevice(const model::DeviceRecord& a, const model::DeviceRecord& b) {
    if (a.Used != -1 || b.Used != -1 || a.LinkKind != b.LinkKind) return false;
    const bool sameAddress = a.LinkKind == 1   ? a.DevId == b.DevId
                             : a.LinkKind == 2 ? a.IpOctets == b.IpOctets
                                               : true;
    return sameAddress && a.NickName == b.NickName;
}

void InsertDevice(State& s, int16_t slot) {
    model::DeviceRecord& rec = s.DevList[slot];
    std::array<int16_t, 11>& devSlot = s.DevSlot[slot];
    switch (s.LinkType) {
        case 0:
            rec.LinkKind = 0;
            rec.DevId = 0;
            devSlot[DevSlotOwn] = 0;
            s.DevAddr[slot] = 0;
            break;
        case 1:
            rec.DevId = s.NewDevId;
            rec.LinkKind = 1;
            devSlot[DevSlotOwn] = slot;
            s.DevAddr[slot] = s.NewDevId;
            break;
        default:
            rec.DevId = 255;
            rec.IpOctets = s.NewDevIp;
            rec.IpText = DottedIp(s.NewDevIp);
            rec.LinkKind = 2;
            devSlot[DevSlotOwn] = slot;
            s.DevAddr[slot] = slot;
            break;
    }
    devSlot[DevSlotConnected] = 0;
    model::InitDeviceDefault(s, static_cast<uint8_t>(slot));
    rec.Online = 0;
    rec.Used = -1;
    rec.WinLeft = 0;
    rec.WinTop = 0;
    rec.NickName = "no-name";
}

}  // namespace ModConfig
