#include "protocol/ModRxTx.h"

#include <algorithm>
#include <array>

#include "comm/Status.h"
#include "protocol/Commands.h"
#include "protocol/ReplyCheck.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModRxTx {

namespace {

using Frame = std::array<uint8_t, 13>;

constexpr int kSerialBaud = 57600;

bool ValidSlot(int16_t dev) {
    return dev >= 0 && dev < model::SlotCount;
}

// No exchange is made for an offline slot, before the link is enabled or while it is blocked.
bool ExchangeAllowed(const State& s, int16_t dev) {
    return s.DevList[dev].Online != 0 && s.CommEnabled && !s.TxBlocked;
}

// Fills TxFrame; false when the slot's address does not fit the address byte.
bool BuildFrame(State& s, int16_t dev, uint8_t cmd, const std::array<uint8_t, 8>& data) {
    const int16_t addr = s.DevAddr[dev];
    if (addr < 0 || addr > 255) return false;
    s.TxFrame[0] = 0xF0;
    s.TxFrame[1] = 0x46;
    s.TxFrame[2] = static_cast<uint8_t>(addr);
    s.TxFrame[3] = cmd;
    std::copy(data.begin(), data.end(), s.TxFrame.begin() + 4);
    s.TxFrame[12] = 0xF7;
    return true;
}

void KeepReply(State& s, const Frame& reply) {
    std::copy(reply.begin(), reply.end(), s.RxBuf.begin());
}

void ShowTcpFailure(State& s, int16_t dev) {
    s.host.MsgBox("Device @ IP:" + s.DevList[dev].IpText + " will be disconnected",
                  ui::vbOKOnly + ui::vbInformation, "Communication problem");
}

// One serial exchange that awaits a reply; the reply in RxBuf when it is one to the request.
bool SerialExchange(State& s, const TxWait& wait) {
    Frame work = s.TxFrame;
    if (s.SerialLink.Transact(work, wait.timeoutMs, true, false, wait.count) != comm::kOk) {
        return false;
    }
    if (!IsReplyTo(work, s.TxFrame[3])) return false;
    KeepReply(s, work);
    return true;
}

// One TCP exchange on the slot's connection; the reply in RxBuf when it is one to the request.
bool TcpExchange(State& s, const TxWait& wait) {
    Frame work = s.TxFrame;
    s.TcpLink.Send(s.TxFrame[2], work);
    Frame reply{};
    int32_t timeout = wait.timeoutMs;
    if (s.TcpLink.Receive(s.TxFrame[2], reply, timeout) != comm::kOk) return false;
    if (!IsReplyTo(reply, s.TxFrame[3])) return false;
    KeepReply(s, reply);
    return true;
}

void TakeOffline(State& s, int16_t dev) {
    s.DevOffline[dev] = true;
    s.OpDone = true;
    if (s.DeviceWentOffline) s.DeviceWentOffline(s, dev);
}

// The end of every failed exchange. tcpReported: the TCP message was shown already.
bool Failed(State& s, int16_t dev, bool tcpReported) {
    s.TxFailed = true;
    s.TxReported = tcpReported;
    if (!ValidSlot(dev) || !s.OfflineOnError) return true;
    s.DevList[dev].Online = 0;
    if (IsSerialLink(s.LinkType)) {
        s.host.MsgBox(" The system will be close the communication with this device",
                      ui::vbOKOnly + ui::vbExclamation, "Communication problem");
        s.TxReported = true;
    }
    TakeOffline(s, dev);
    return true;
}

}  // namespace

bool TxCommand(State& s, int16_t dev, uint8_t cmd, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3,
               uint8_t d4, uint8_t d5, uint8_t d6, uint8_t d7) {
    s.TxFailed = false;
    s.TxReported = false;
    if (!ValidSlot(dev)) return Failed(s, dev, false);
    if (!ExchangeAllowed(s, dev)) return false;
    s.PollEnabled = false;
    if (!BuildFrame(s, dev, cmd, {d0, d1, d2, d3, d4, d5, d6, d7})) return Failed(s, dev, false);
    const TxWait wait = TxCommandWait(cmd, s.LinkType);

    if (IsSerialLink(s.LinkType)) {
        std::string port = "COM" + std::to_string(s.ComPort);
        if (!OpenSerialPort(s, port)) return Failed(s, dev, false);
        if (wait.noReply) {
            Frame work = s.TxFrame;
            s.SerialLink.Transact(work, wait.timeoutMs, true, true, wait.count);
        } else if (!SerialExchange(s, wait)) {
            return Failed(s, dev, false);
        }
        s.PollEnabled = true;
        return false;
    }

    if (!TcpExchange(s, wait)) {
        ShowTcpFailure(s, dev);
        s.PollEnabled = true;
        s.DevList[dev].Online = 0;
        return Failed(s, dev, true);
    }
    s.PollEnabled = true;
    return false;
}

bool TxQuery(State& s, int16_t dev, uint8_t cmd, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3,
             uint8_t d4, uint8_t d5, uint8_t d6, uint8_t d7) {
    if (!ValidSlot(dev) || !ExchangeAllowed(s, dev)) return false;
    return !TxCommand(s, dev, cmd, d0, d1, d2, d3, d4, d5, d6, d7);
}

bool TxCommand7(State& s, int16_t dev, uint8_t cmd, uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3,
                uint8_t d4, uint8_t d5) {
    if (!ValidSlot(dev) || !ExchangeAllowed(s, dev)) return false;
    if (!BuildFrame(s, dev, cmd, {d0, d1, d2, d3, d4, d5, 0, 0})) return false;
    const TxWait wait = TxCommand7Wait(cmd, s.LinkType);

    if (IsSerialLink(s.LinkType)) return SerialExchange(s, wait) && s.RxBuf[4] == 0x46;

    if (!TcpExchange(s, wait)) {
        ShowTcpFailure(s, dev);
        s.PollEnabled = true;
        return false;
    }
    return s.RxBuf[4] == 0x46;
}

bool ExchangePossible(const State& s, int16_t dev) {
    return ValidSlot(dev) && ExchangeAllowed(s, dev);
}

bool OpenSerialPort(State& s, std::string& portName) {
    if (s.SerialLink.IsOpen() == comm::kTrue) return true;
    return s.SerialLink.Open(portName, kSerialBaud) == comm::kOk;
}

void ClearRxData(State& s, int16_t dev) {
    if (!ValidSlot(dev) || s.DevList[dev].Online != 0) return;
    std::fill(s.RxBuf.begin() + 4, s.RxBuf.begin() + 12, uint8_t{0});
}

}  // namespace ModRxTx
