// The data of the project and device management under the system's names: the link settings
// of init.cfg, the per-slot connect state, the status-window bookkeeping and the choices of
// the add-device dialogs. Part of the program's one state object.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/ModelState.h"

// The content of init.cfg.
struct InitCfgRecord {
    int16_t ComPort = 0;   // 1..32; 0 = none chosen
    std::string Reserved;  // a text the file carries; always written empty
    int16_t LinkType = 0;  // 0 USB, 1 RS485, 2 TCP/IP

    bool operator==(const InitCfgRecord&) const = default;
};

// Element 0 of a slot's DevSlot record: the slot as the link knows it; element 10: 1 after
// a successful connect.
inline constexpr int DevSlotOwn = 0;
inline constexpr int DevSlotConnected = 10;

struct ProjectState {
    InitCfgRecord InitCfg;
    std::string ComPortName;  // "COM" and the port number, as the status window opens it

    model::PerSlot<std::array<int16_t, 11>> DevSlot{};
    model::PerSlot<bool> DevConnErr{};      // the last Connect All failed for the slot
    model::PerSlot<std::string> DevName{};  // the device's name as read at connect

    int16_t CurDevWin = 0;    // slot of the status window activated or clicked last
    int16_t WinOpenSlot = 0;  // slot handed to a status window being loaded
    model::PerSlot<int32_t> FrmDeviceHwnd = [] {
        model::PerSlot<int32_t> h{};
        h.fill(255);
        return h;
    }();
    bool MainCmdMark = false;  // the main window closes status windows itself: no question

    // Choices of the add-device dialogs.
    int16_t NewDevId = 1;
    std::array<uint8_t, 4> NewDevIp{192, 168, 0, 1};
    int16_t NewDevSlot = 0;

    // The records of the project file read last.
    model::PerSlot<model::DeviceRecord> DevListLoaded{};
    // The last COM search: whether it found a port, and which.
    bool SearchComFound = false;
    int16_t SearchComPort = 0;
    // The slots the network scan added to the project.
    model::PerSlot<bool> DevScanMark{};
    // The slot whose nick name the nick-name dialog edits.
    int16_t NickNameDev = 0;
};
