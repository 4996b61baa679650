// The link data of the device protocol under the system's names: the two link objects, the
// link settings, the frame buffers and the flags every transaction reads and writes. Part of
// the program's one state object.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "comm/SerialLib.h"
#include "comm/TcpLib.h"
#include "model/ModelState.h"

namespace ui {
class Host;
}

struct LinkState {
    explicit LinkState(ui::Host& host) : TcpLink(host) {}

    comm::SerialLib SerialLink;
    comm::TcpLib TcpLink;  // connection slot = device slot

    int16_t LinkType = 0;  // 0 USB, 1 RS485 (both serial), 2 TCP/IP
    int16_t ComPort = 0;   // the serial port is "COM" and this number

    std::array<uint8_t, 13> TxFrame{};  // the last request built, as sent
    std::array<uint8_t, 913> RxBuf{};   // bytes 0..12: the last reply of a good exchange

    bool TxFailed = false;        // the last TxCommand exchange failed
    bool TxReported = false;      // ... and the user was told about it by a message
    bool PollEnabled = false;     // the editor's meter poll may run
    bool CommEnabled = false;     // no exchange at all while False
    bool TxBlocked = false;       // no exchange while True
    bool OfflineOnError = false;  // a failed exchange takes the device offline
    model::PerSlot<bool> DevOffline{};

    std::string ProductName = " Velotrix ";
};
