#include "comm/TcpLib.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "comm/Deadline.h"
#include "comm/FdIo.h"
#include "comm/Ipv4.h"
#include "comm/Status.h"
#include "comm/TcpSocket.h"
#include "ui/Host.h"

namespace comm {

namespace {

constexpr int32_t kMaxSlots = 1024;
// How long 13 bytes may wait for room in the send buffer.
constexpr int32_t kSendTimeoutMs = 1000;

void SetOption(int fd, int level, int name) {
    const int on = 1;
    setsockopt(fd, level, name, &on, sizeof on);
}

}  // namespace

TcpLib::TcpLib(ui::Host& host) : host_(host), alive_(std::make_shared<TcpLib*>(this)) {}

TcpLib::~TcpLib() {
    scanner_.Stop();
    for (int32_t slot = 0; slot < static_cast<int32_t>(sockets_.size()); ++slot) Release(slot);
}

int32_t TcpLib::Init(int32_t slots) {
    if (slots < 1 || slots > kMaxSlots) return kBadArgument;
    for (int32_t slot = 0; slot < static_cast<int32_t>(sockets_.size()); ++slot) Release(slot);
    sockets_.assign(static_cast<size_t>(slots), -1);
    return kOk;
}

bool TcpLib::ValidSlot(int32_t slot) const {
    return slot >= 0 && slot < static_cast<int32_t>(sockets_.size());
}

int TcpLib::Socket(int32_t slot) const {
    return ValidSlot(slot) ? sockets_[slot] : -1;
}

void TcpLib::Release(int32_t slot) {
    if (sockets_[slot] >= 0) close(sockets_[slot]);
    sockets_[slot] = -1;
}

int32_t TcpLib::Lost(int32_t slot, int32_t status) {
    if (status == kLinkLost) Release(slot);
    return status;
}

int32_t TcpLib::Connect(int32_t slot, std::string& address, int32_t port, int32_t timeoutMs) {
    if (sockets_.empty()) return kNotInitialised;
    if (!ValidSlot(slot)) return kBadArgument;
    Release(slot);
    const int32_t target = EffectiveTcpPort(port);
    if (target == 0) return kBadArgument;
    in_addr addr{};
    if (!ParseIpv4(address, addr)) return kBadAddress;

    const Deadline deadline(timeoutMs, timeoutScale_);
    bool connected = false;
    const int fd = StartConnect(addr, static_cast<uint16_t>(target), connected);
    if (fd < 0) return kConnectFailed;
    if (!connected) {
        const short ev = WaitFor(fd, POLLOUT, deadline);
        if (ev == 0 || !ConnectSucceeded(fd)) {
            close(fd);
            return ev == 0 ? kTimedOut : kConnectFailed;
        }
    }
    SetOption(fd, IPPROTO_TCP, TCP_NODELAY);
    SetOption(fd, SOL_SOCKET, SO_KEEPALIVE);
    sockets_[slot] = fd;
    return kOk;
}

int32_t TcpLib::Send(int32_t slot, std::array<uint8_t, 13>& frame) {
    const int fd = Socket(slot);
    if (fd < 0) return ValidSlot(slot) ? kNotOpen : kBadArgument;
    if (DrainInput(fd) != kOk) return Lost(slot, kLinkLost);
    return Lost(slot, WriteAll(fd, FdKind::Socket, frame.data(), frame.size(),
                               Deadline(kSendTimeoutMs, timeoutScale_)));
}

int32_t TcpLib::Receive(int32_t slot, std::array<uint8_t, 13>& reply, int32_t& timeoutMs) {
    const int fd = Socket(slot);
    if (fd < 0) return ValidSlot(slot) ? kNotOpen : kBadArgument;
    std::array<uint8_t, 13> got{};
    const Status status = ReadExact(fd, got.data(), got.size(), Deadline(timeoutMs, timeoutScale_));
    if (status != kOk) return Lost(slot, status);
    reply = got;
    return kOk;
}

int32_t TcpLib::Disconnect(int32_t slot) {
    if (Socket(slot) < 0) return ValidSlot(slot) ? kNotOpen : kBadArgument;
    Release(slot);
    return kOk;
}

int16_t TcpLib::IsConnected(int32_t slot) {
    const int fd = Socket(slot);
    if (fd < 0) return kFalse;
    pollfd p{fd, POLLIN | POLLRDHUP, 0};
    if (poll(&p, 1, 0) <= 0) return kTrue;
    bool closed = (p.revents & (POLLHUP | POLLERR | POLLNVAL | POLLRDHUP)) != 0;
    if (!closed && (p.revents & POLLIN) != 0) {
        // Data is waiting: the connection is alive unless the peek finds the end.
        uint8_t byte = 0;
        const ssize_t r = recv(fd, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        closed = r == 0 || (r < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR);
    }
    if (!closed) return kTrue;
    Release(slot);
    return kFalse;
}

std::vector<std::string> TcpLib::GetLocalAddresses() const {
    return LocalIpv4Addresses();
}

int32_t TcpLib::Scan(std::vector<std::string>& hosts, int32_t port, int32_t timeoutMs,
                     bool /*reserved*/) {
    scanner_.Stop();
    ++scanNumber_;
    const int32_t target = EffectiveTcpPort(port);
    int32_t status = kOk;
    if (sockets_.empty()) {
        status = kNotInitialised;
    } else if (target == 0) {
        status = kBadArgument;
    } else if (!scanner_.Start(hosts, static_cast<uint16_t>(target),
                               ScaledMs(timeoutMs, timeoutScale_), Delivery())) {
        status = kNoResources;
    }
    if (status != kOk) Delivery()({});
    return status;
}

TcpScanner::Done TcpLib::Delivery() {
    return [&host = host_, alive = std::weak_ptr<TcpLib*>(alive_),
            number = scanNumber_](std::vector<std::string> found) {
        host.Post([alive, number, found = std::move(found)] {
            if (const auto self = alive.lock()) (*self)->Deliver(number, found);
        });
    };
}

void TcpLib::Deliver(uint64_t scanNumber, const std::vector<std::string>& found) {
    if (scanNumber != scanNumber_ || !ScanResponse) return;
    // A copy, so the handler may replace ScanResponse or start the next scan.
    const auto handler = ScanResponse;
    handler(found.empty() ? std::vector<std::string>{""} : found);
}

}  // namespace comm
