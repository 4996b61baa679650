#include "project/FrmSearchCom.h"

#include <algorithm>
#include <array>
#include <string>

#include "comm/Status.h"
#include "protocol/Commands.h"
#include "state/State.h"
#include "ui/Host.h"

FrmSearchCom::FrmSearchCom(State& s, bool usb)
    : ui::Form(s.host, "FrmSearchCom"), s_(s), usb_(usb) {
    LayOut();
    Timer1.On().Timer = [this](int16_t) { Timer1_Timer(); };
}

void FrmSearchCom::LayOut() {
    SetCaption("Search COM");
    SetSizable(false);
    SetClientSize(4200, 1440);
    Label1.SetCaption("Searching COM connected to device.....");
    Label1.Move(120, 120, 3960, 300);
    Label2.Move(120, 480, 3960, 300);
    ProgressBar1.Move(120, 900, 3960, 315);
}

void FrmSearchCom::Form_Load() {
    ProgressBar1.SetRange(0, kHighestPort);
    ProgressBar1.SetValue(0);
    Timer1.SetInterval(100);
    Timer1.SetTimerEnabled(true);
}

void FrmSearchCom::Timer1_Timer() {
    Timer1.SetTimerEnabled(false);
    s_.SearchComFound = false;
    if (usb_) {
        SearchUsb();
    } else {
        SearchRs485();
    }
    Unload();
}

// The caption is painted at once: the search holds the window until it ends.
void FrmSearchCom::ShowPort(int port) {
    Label2.SetCaption("COM " + std::to_string(port));
    s_.host.DoEvents();
}

bool FrmSearchCom::OpenPort(int port, int attempts) {
    if (s_.SerialLink.IsOpen() == comm::kTrue) s_.SerialLink.Close();
    s_.ComPortName = "COM" + std::to_string(port);
    for (int k = 0; k < attempts; ++k) {
        if (s_.SerialLink.Open(s_.ComPortName, 57600) == comm::kOk) return true;
    }
    return false;
}

void FrmSearchCom::SearchUsb() {
    for (int port = 1; port <= kHighestPort; ++port) {
        ProgressBar1.SetValue(ProgressBar1.Value() + 1);
        ShowPort(port);
        if (!OpenPort(port, 2)) continue;
        uint8_t cmd = CmdReadVersion;
        uint8_t address = 0;
        if (TxCheckDev(cmd, address) || TxCheckDev(cmd, address)) {
            s_.SearchComFound = true;
            s_.SearchComPort = static_cast<int16_t>(port);
            s_.host.MsgBox("COM " + std::to_string(port), ui::vbOKOnly + ui::vbInformation,
                           "Search COM");
            return;
        }
    }
}

void FrmSearchCom::SearchRs485() {
    std::string found;
    int first = 0;
    for (int port = 1; port <= kHighestPort; ++port) {
        ProgressBar1.SetValue(static_cast<float>(port));
        ShowPort(port);
        if (!OpenPort(port, 1)) continue;
        if (first == 0) first = port;
        found += "\r\nCOM" + std::to_string(port);
    }
    ProgressBar1.SetValue(0);
    Label2.SetVisible(false);
    if (first == 0) return;
    s_.host.MsgBox("Found:" + found, ui::vbOKOnly + ui::vbInformation, "Search COM");
    s_.SearchComFound = true;
    s_.SearchComPort = static_cast<int16_t>(first);
}

bool FrmSearchCom::TxCheckDev(uint8_t& cmd, uint8_t& address) {
    s_.TxFrame = {0xF0, 0x46, address, cmd, 0, 0, 0, 0, 0, 0, 0, 0x01, 0xF7};
    std::array<uint8_t, 13> frame = s_.TxFrame;
    const bool quick = cmd == CmdCheckDevice || cmd == CmdReadVersion;
    if (s_.SerialLink.Transact(frame, quick ? 200 : 600, true, false, quick ? 5 : 0) != comm::kOk) {
        return false;
    }
    std::copy(frame.begin(), frame.end(), s_.RxBuf.begin());
    if (cmd == CmdCheckDevice) return s_.RxBuf[4] == 0x46;
    if (cmd == CmdReadVersion) return s_.RxBuf[10] == 0x46;
    return false;
}
