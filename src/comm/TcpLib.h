// A TCP client with numbered connection slots and an address scanner. Frames are 13 bytes;
// every call returns within its time-out, and a refused, lost or closed connection is a
// failure result. All calls belong to the GUI thread; the scan works on a helper thread of
// its own and reports through ui::Host::Post, so ScanResponse runs on the GUI thread.
//
// Port rule: a caller's port 1001 (the device port) is replaced by VELOTRIX_TCP_PORT when
// that variable holds a port number, in Connect and Scan alike (see TcpSocket.h).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comm/TcpScanner.h"

namespace ui {
class Host;
}

namespace comm {

class TcpLib {
  public:
    explicit TcpLib(ui::Host& host);
    // Ends a running scan (its ScanResponse never comes) and closes every connection.
    ~TcpLib();
    TcpLib(const TcpLib&) = delete;
    TcpLib& operator=(const TcpLib&) = delete;

    // Makes slots 0 .. slots - 1 (1 to 1024); connections of an earlier Init are closed.
    int32_t Init(int32_t slots);

    // Connects the slot to address:port, waiting up to timeoutMs; a connection already in
    // the slot is closed first. The address must be four decimal octets (Ipv4.h).
    int32_t Connect(int32_t slot, std::string& address, int32_t port, int32_t timeoutMs);

    // Drops input left over from an earlier, late reply, then writes the 13 bytes.
    int32_t Send(int32_t slot, std::array<uint8_t, 13>& frame);

    // Waits up to timeoutMs for exactly 13 bytes; on kOk reply holds them, else reply is
    // unchanged. timeoutMs is not changed.
    int32_t Receive(int32_t slot, std::array<uint8_t, 13>& reply, int32_t& timeoutMs);

    int32_t Disconnect(int32_t slot);

    // -1 while the slot holds a connection whose peer has not closed it, else 0; a
    // connection found closed is released.
    int16_t IsConnected(int32_t slot);

    // The machine's IPv4 addresses; element 0 is the primary one (Ipv4.h).
    std::vector<std::string> GetLocalAddresses() const;

    // Starts a scan of the hosts on the port and returns at once; a running scan is
    // abandoned. A host answers when it accepts a connection within timeoutMs (the connection
    // is closed again). ScanResponse then receives the answering hosts in list order, as
    // written in the list, or {""} when none answered. It comes once for every Scan call
    // that is not superseded, even when the scan could not start (the result then names
    // the reason). reserved has no effect.
    int32_t Scan(std::vector<std::string>& hosts, int32_t port, int32_t timeoutMs, bool reserved);

    // The scan's answer, run on the GUI thread.
    std::function<void(const std::vector<std::string>&)> ScanResponse;

    // Multiplies every time-out this object waits (default 1.0). Tests shorten failures
    // with it; program code never sets it.
    void SetTimeoutScale(double scale) { timeoutScale_ = scale; }

  private:
    bool ValidSlot(int32_t slot) const;
    int Socket(int32_t slot) const;
    void Release(int32_t slot);
    int32_t Lost(int32_t slot, int32_t status);
    // A function, callable from any thread, that hands a scan's answer to the GUI thread.
    TcpScanner::Done Delivery();
    void Deliver(uint64_t scanNumber, const std::vector<std::string>& found);

    ui::Host& host_;
    std::vector<int> sockets_;
    double timeoutScale_ = 1.0;
    // Scan answers are only delivered while this object lives and for its latest scan.
    std::shared_ptr<TcpLib*> alive_;
    uint64_t scanNumber_ = 0;
    TcpScanner scanner_;
};

}  // namespace comm
