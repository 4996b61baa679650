#include "project/Connect.h"

#include <algorithm>
#include <array>
#include <string>

#include "comm/Status.h"
#include "model/MemoryMap.h"
#include "model/ValueBytes.h"
#include "project/DeviceStatus.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "protocol/ReadDeviceAtConnect.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModProject {

namespace {

constexpr int32_t kDevicePort = 1001;
constexpr int32_t kConnectTimeoutMs = 200;
constexpr float kConnectAllSteps = model::ProgramBytes / 8 + 32 + 5 + 4;
constexpr float kWindowConnectSteps = model::ProgramBytes / 8 + 32 + 14;

void Tell(State& s, const std::string& text) {
    s.host.MsgBox(text, ui::vbOKOnly + ui::vbExclamation, "Connect");
}

void StartProgress(State& s, int16_t slot, float steps) {
    ui::ProgressBar& bar = FrmDeviceOf(s, slot).ProgressBar1;
    bar.SetRange(0, steps);
    bar.SetValue(0);
    bar.SetVisible(true);
}

// What a failed connect puts back: the busy flags, the link blocking and the slot's link
// tables as they were when the connect began.
class ConnectAttempt {
  public:
    ConnectAttempt(State& s, int16_t slot)
        : s_(s),
          slot_(slot),
          editBusy_(s.EditBusy),
          cmdBusy_(s.CmdBusy),
          txBlocked_(s.TxBlocked),
          devSlot_(s.DevSlot[slot]),
          devAddr_(s.DevAddr[slot]) {}

    void Fail(UsbCaption usb) {
        s_.DevList[slot_].Online = 0;
        s_.DevSlot[slot_] = devSlot_;
        s_.DevAddr[slot_] = devAddr_;
        if (!IsSerialLink(s_.LinkType)) s_.TcpLink.Disconnect(slot_);
        s_.EditBusy = editBusy_;
        s_.CmdBusy = cmdBusy_;
        s_.TxBlocked = txBlocked_;
        FrmDevice& w = FrmDeviceOf(s_, slot_);
        ShowDeviceStatus(s_, slot_, false, usb);
        w.ProgressBar1.SetVisible(false);
        w.SetMousePointer(ui::vbDefault);
    }

  private:
    State& s_;
    int16_t slot_;
    bool editBusy_, cmdBusy_, txBlocked_;
    std::array<int16_t, 11> devSlot_;
    int16_t devAddr_;
};

void MarkConnected(State& s, int16_t slot, int16_t addr) {
    s.DevSlot[slot][DevSlotOwn] = slot;
    s.DevSlot[slot][DevSlotConnected] = 1;
    s.DevList[slot].Online = 1;
    s.DevAddr[slot] = addr;
}

bool OpenSerialLink(State& s, int16_t slot, const LinkOpenStyle& style) {
    const int16_t addr = s.LinkType == 0 ? 0 : s.DevList[slot].DevId;
    s.TxBlocked = false;
    s.CommEnabled = true;
    if (s.SerialLink.IsOpen() == comm::kTrue) s.SerialLink.Close();
    // The transactions reopen the same port should it close.
    s.ComPort = s.InitCfg.ComPort;
    std::string port = "COM" + std::to_string(s.ComPort);
    if (style.tellUser) s.ComPortName = port;
    if (s.SerialLink.Open(port, 57600) != comm::kOk) {
        s.host.Sleep(style.reopenPauseMs);
        if (s.SerialLink.Open(port, 57600) != comm::kOk) {
            if (style.tellUser) Tell(s, "COM not found");
            return false;
        }
    }
    s.DevList[slot].Online = 1;
    s.DevAddr[slot] = addr;
    bool answered = false;
    for (int attempt = 0; attempt < style.handshakeTries && !answered; ++attempt) {
        answered = ModRxTx::TxCommand7(s, slot, CmdCheckDevice);
        StepProgress(s, slot);
    }
    if (!answered) {
        if (style.tellUser) Tell(s, "Devices disconnected");
        s.DevList[slot].Online = 0;
        return false;
    }
    MarkConnected(s, slot, addr);
    return true;
}

bool OpenTcpLink(State& s, int16_t slot, const LinkOpenStyle& style) {
    model::DeviceRecord& rec = s.DevList[slot];
    s.TxBlocked = false;
    s.CommEnabled = true;
    if (s.TcpLink.IsConnected(slot) != 0) s.TcpLink.Disconnect(slot);
    const std::string notFound = "IP address: " + rec.IpText + " not found";
    std::string address = rec.IpText;
    if (s.TcpLink.Connect(slot, address, kDevicePort, kConnectTimeoutMs) != comm::kOk) {
        rec.Online = 0;
        if (style.tellUser) {
            StepProgress(s, slot);
            Tell(s, notFound);
        }
        return false;
    }
    rec.Online = 1;
    s.DevAddr[slot] = slot;
    // A handshake that fails has the transaction's message, then the window's own.
    if (ModRxTx::TxCommand(s, slot, CmdCheckDevice, 0, 1)) {
        if (style.tellUser) Tell(s, notFound);
        rec.Online = 0;
        return false;
    }
    MarkConnected(s, slot, slot);
    StepProgress(s, slot);
    return true;
}

}  // namespace

bool OpenLink(State& s, int16_t slot, const LinkOpenStyle& style) {
    StepProgress(s, slot);
    return IsSerialLink(s.LinkType) ? OpenSerialLink(s, slot, style) : OpenTcpLink(s, slot, style);
}

bool OpenDeviceLink(State& s, int16_t slot) {
    return OpenLink(s, slot, kSilentLinkOpen);
}

void CommitConnect(State& s, int16_t slot, const Speaker::DeviceReadBack& rb) {
    Speaker::CommitReadBack(s, slot, rb);
    if (s.DevList[slot].Used == -1) FrmDeviceOf(s, slot).Label10.SetCaption(rb.NickName);
}

bool ReadConnectedDevice(State& s, int16_t slot) {
    Speaker::DeviceReadBack rb = Speaker::ReadBackOf(s, slot);
    rb.DevName.clear();
    for (uint8_t offset : {0, 8}) {
        if (!ModRxTx::TxQuery(s, slot, CmdReadName, 0, offset)) return false;
        for (int n = 4; n <= 11; ++n) rb.DevName.push_back(static_cast<char>(s.RxBuf[n]));
        StepProgress(s, slot);
    }
    for (int offset = 0; offset < model::ProgramBytes; offset += 8) {
        model::SplitValueBytes(s, offset + model::WorkingProgramAddr, 0);
        if (!ModRxTx::TxQuery(s, slot, CmdReadMem, s.ValBytes[2], s.ValBytes[3], 8)) {
            return false;
        }
        std::copy_n(s.RxBuf.begin() + 4, 8, rb.Image.ProgImage.begin() + offset);
        StepProgress(s, slot);
    }
    if (!Speaker::ReadDeviceAtConnect(s, slot, rb, [&] { StepProgress(s, slot); })) return false;
    s.host.Sleep(50);
    CommitConnect(s, slot, rb);
    s.DevList[slot].Online = 1;
    s.DevOffline[slot] = false;
    return true;
}

void ConnectDevice(State& s, int16_t slot) {
    FrmDevice& w = FrmDeviceOf(s, slot);
    if (s.DevList[slot].Online != 1) {
        ConnectAttempt attempt(s, slot);
        StartProgress(s, slot, kConnectAllSteps);
        if (!OpenDeviceLink(s, slot) || !ReadConnectedDevice(s, slot)) {
            attempt.Fail(UsbCaption::WithProduct);
            s.DevConnErr[slot] = true;
            return;
        }
        s.DevConnErr[slot] = false;
    }
    ShowDeviceStatus(s, slot, s.DevList[slot].Online == 1, UsbCaption::WithProduct);
    w.ProgressBar1.SetVisible(false);
    w.SetMousePointer(ui::vbDefault);
}

bool ConnectFromWindow(State& s, int16_t slot) {
    FrmDevice& w = FrmDeviceOf(s, slot);
    ConnectAttempt attempt(s, slot);
    StartProgress(s, slot, kWindowConnectSteps);
    bool ok = false;
    w.SearchConnection(slot, ok);
    if (!ok) {
        attempt.Fail(UsbCaption::Short);
        return false;
    }
    if (!ReadConnectedDevice(s, slot)) {
        if (!s.TxReported) Tell(s, "Devices disconnected");
        attempt.Fail(UsbCaption::Short);
        return false;
    }
    return true;
}

}  // namespace ModProject
