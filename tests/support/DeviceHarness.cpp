#include "support/DeviceHarness.h"

#include <arpa/inet.h>
#include <stdlib.h>

#include <algorithm>

#include "devsim/Bus.h"
#include "devsim/Device.h"
#include "devsim/PtyServer.h"
#include "devsim/TcpServer.h"
#include "link/Commands.h"
#include "link/ModRxTx.h"
#include "model/ValueBytes.h"
#include "project/DeviceList.h"
#include "project/DeviceWindows.h"

namespace testsupport {

namespace {

constexpr int kStartAttempts = 5;

std::vector<std::string> LoopbackAddresses(const DeviceOptions& options) {
    if (!options.tcpAddresses.empty()) return options.tcpAddresses;
    std::vector<std::string> addresses;
    for (size_t k = 0; k < options.tcpDevices; ++k) {
        addresses.push_back("127.77.0." + std::to_string(2 + k));
    }
    return addresses;
}

int16_t LinkTypeOf(Link link) {
    switch (link) {
        case Link::Usb:
            return 0;
        case Link::Rs485:
            return 1;
        case Link::Tcp:
            break;
    }
    return 2;
}

}  // namespace

DeviceHarness::DeviceHarness(const DeviceOptions& options) : link_(options.link) {
    setenv("VELOTRIX_HOME", home.Path().c_str(), 1);
    if (const char* device = std::getenv("VELOTRIX_TEST_DEVICE");
        device != nullptr && *device != 0) {
        UseExternal(device);
    } else if (link_ == Link::Tcp) {
        addresses_ = LoopbackAddresses(options);
        StartTcp();
    } else {
        StartSerial(options);
    }
    PrepareState(options.stateHost != nullptr ? *options.stateHost : host);
}

DeviceHarness::~DeviceHarness() = default;

// Every server listens on the port the first one was given, so one VELOTRIX_TCP_PORT serves
// them all; a port taken on a later address makes the whole set start again.
bool DeviceHarness::StartTcp() {
    const size_t count = addresses_.size();
    for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
        servers_.clear();
        devices_.clear();
        uint16_t port = 0;
        for (size_t k = 0; k < count; ++k) {
            devices_.push_back(std::make_unique<devsim::Device>());
            devices_.back()->SetName("Velotrix TCP " + std::to_string(k));
            servers_.push_back(
                std::make_unique<devsim::TcpServer>(*devices_.back(), addresses_[k], port));
            if (!servers_.back()->Ok()) break;
            port = servers_.back()->Port();
        }
        if (servers_.size() == count && servers_.back()->Ok()) {
            setenv("VELOTRIX_TCP_PORT", std::to_string(port).c_str(), 1);
            return true;
        }
        error_ = servers_.back()->Error();
    }
    return false;
}

bool DeviceHarness::StartSerial(const DeviceOptions& options) {
    ids_ = link_ == Link::Usb ? std::vector<uint8_t>{0} : options.rs485Ids;
    bus_ = std::make_unique<devsim::Bus>();
    for (uint8_t id : ids_) {
        devices_.push_back(std::make_unique<devsim::Device>());
        devices_.back()->SetName("Velotrix ID " + std::to_string(id));
        bus_->Attach(id, *devices_.back());
    }
    pty_ = std::make_unique<devsim::PtyServer>(*bus_, options.paced);
    if (!pty_->Ok()) {
        error_ = pty_->Error();
        return false;
    }
    setenv("VELOTRIX_COM_PORTS", pty_->Path().c_str(), 1);
    return true;
}

// "host:port" is a TCP/IP device, anything else the path of a USB serial device.
void DeviceHarness::UseExternal(const std::string& device) {
    external_ = true;
    const size_t colon = device.rfind(':');
    if (device[0] != '/' && colon != std::string::npos) {
        link_ = Link::Tcp;
        externalHost_ = device.substr(0, colon);
        setenv("VELOTRIX_TCP_PORT", device.substr(colon + 1).c_str(), 1);
    } else {
        link_ = Link::Usb;
        ids_ = {0};
        setenv("VELOTRIX_COM_PORTS", device.c_str(), 1);
    }
}

void DeviceHarness::PrepareState(ui::Host& stateHost) {
    state = std::make_unique<State>(stateHost);
    state->AppDir = home.Path();
    if (state->SerialLink.Init(13, 32) != 0 || state->TcpLink.Init(65) != 0) {
        error_ = "the links did not initialise";
    }
    state->LinkType = LinkTypeOf(link_);
    state->ComPort = 1;
    state->InitCfg.ComPort = 1;
    state->InitCfg.LinkType = state->LinkType;
}

size_t DeviceHarness::DeviceCount() const {
    if (!external_) return devices_.size();
    return 1;
}

devsim::Device& DeviceHarness::Device(size_t k) {
    return *devices_.at(k);
}

devsim::TcpServer& DeviceHarness::Server(size_t k) {
    return *servers_.at(k);
}

std::string DeviceHarness::Address(size_t k) const {
    if (external_) return externalHost_;
    return k < addresses_.size() ? addresses_[k] : std::string();
}

int16_t DeviceHarness::AddDevice(size_t k) {
    State& s = *state;
    int16_t slot = 0;
    if (link_ == Link::Tcp) {
        in_addr addr{};
        inet_pton(AF_INET, Address(k).c_str(), &addr);
        const auto* octets = reinterpret_cast<const uint8_t*>(&addr.s_addr);
        std::copy_n(octets, 4, s.NewDevIp.begin());
        slot = ModConfig::FindFreeDeviceSlot(s);
    } else if (link_ == Link::Rs485) {
        s.NewDevId = ids_.at(k);
        slot = ModConfig::FindFreeDeviceSlot(s);
    }
    ModConfig::InsertDevice(s, slot);
    ModProject::ShowDeviceWindow(s, slot);
    return slot;
}

void DeviceHarness::ShortenTimeouts(double scale) {
    state->SerialLink.SetTimeoutScale(scale);
    state->TcpLink.SetTimeoutScale(scale);
}

std::optional<std::array<uint8_t, 13>> DeviceHarness::Ask(int16_t slot, uint8_t cmd, uint8_t d0,
                                                          uint8_t d1, uint8_t d2) {
    if (!ModRxTx::TxQuery(*state, slot, cmd, d0, d1, d2)) return std::nullopt;
    std::array<uint8_t, 13> reply{};
    std::copy_n(state->RxBuf.begin(), reply.size(), reply.begin());
    return reply;
}

std::vector<uint8_t> DeviceHarness::ReadMemory(int16_t slot, int addr, int count) {
    std::vector<uint8_t> bytes;
    for (int at = addr; at < addr + count; at += 8) {
        const auto reply = Ask(slot, CmdReadMem, static_cast<uint8_t>(at >> 8),
                               static_cast<uint8_t>(at & 0xFF), 8);
        if (!reply) return {};
        bytes.insert(bytes.end(), reply->begin() + 4, reply->begin() + 12);
    }
    bytes.resize(static_cast<size_t>(count));
    return bytes;
}

bool DeviceHarness::WriteMemory(int16_t slot, int addr, const std::vector<uint8_t>& bytes) {
    const auto high = [](int at) { return static_cast<uint8_t>(at >> 8); };
    const auto low = [](int at) { return static_cast<uint8_t>(at & 0xFF); };
    size_t k = 0;
    for (; k + 4 <= bytes.size(); k += 4) {
        const int at = addr + static_cast<int>(k);
        if (ModRxTx::TxCommand(*state, slot, CmdWriteMem4, high(at), low(at), bytes[k],
                               bytes[k + 1], bytes[k + 2], bytes[k + 3])) {
            return false;
        }
    }
    for (; k < bytes.size(); ++k) {
        const int at = addr + static_cast<int>(k);
        if (ModRxTx::TxCommand(*state, slot, CmdWriteByte, high(at), low(at), 0, 0, bytes[k])) {
            return false;
        }
    }
    return true;
}

}  // namespace testsupport
