#include "support/DeviceHarness.h"

#include <arpa/inet.h>
#include <stdlib.h>

#include <algorithm>

#include "app/Wiring.h"
#include "devsim/Bus.h"
#include "devsim/Device.h"
#include "devsim/PtyServer.h"
#include "devsim/TcpServer.h"
#include "model/DefaultImage.h"
#include "model/MemoryMap.h"
#include "project/Connect.h"
#include "project/DeviceList.h"
#include "project/DeviceWindows.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"

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

size_t AskedCount(const DeviceOptions& options) {
    switch (options.link) {
        case Link::Usb:
            return 1;
        case Link::Rs485:
            return options.rs485Ids.size();
        case Link::Tcp:
            break;
    }
    return LoopbackAddresses(options).size();
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

using Reply = std::optional<std::array<uint8_t, 13>>;

Reply AskDevice(State& s, int16_t slot, uint8_t cmd, const std::vector<uint8_t>& data) {
    std::array<uint8_t, 8> d{};
    std::copy_n(data.begin(), std::min(data.size(), d.size()), d.begin());
    if (!ModRxTx::TxQuery(s, slot, cmd, d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7])) {
        return std::nullopt;
    }
    std::array<uint8_t, 13> reply{};
    std::copy_n(s.RxBuf.begin(), reply.size(), reply.begin());
    return reply;
}

uint8_t High(int addr) {
    return static_cast<uint8_t>(addr >> 8);
}
uint8_t Low(int addr) {
    return static_cast<uint8_t>(addr & 0xFF);
}

std::vector<uint8_t> ReadDevice(State& s, int16_t slot, int addr, int count) {
    std::vector<uint8_t> bytes;
    for (int at = addr; at < addr + count; at += 8) {
        const Reply reply = AskDevice(s, slot, CmdReadMem, {High(at), Low(at), 8});
        if (!reply) return {};
        bytes.insert(bytes.end(), reply->begin() + 4, reply->begin() + 12);
    }
    bytes.resize(static_cast<size_t>(count));
    return bytes;
}

// Memory written through ask, 4 bytes a request and single bytes at the end.
bool WriteWith(const DeviceHarness::Asker& ask, int addr, const std::vector<uint8_t>& bytes) {
    size_t k = 0;
    for (; k + 4 <= bytes.size(); k += 4) {
        const int at = addr + static_cast<int>(k);
        if (!ask(CmdWriteMem4,
                 {High(at), Low(at), bytes[k], bytes[k + 1], bytes[k + 2], bytes[k + 3]})) {
            return false;
        }
    }
    for (; k < bytes.size(); ++k) {
        const int at = addr + static_cast<int>(k);
        if (!ask(CmdWriteByte, {High(at), Low(at), 0, 0, bytes[k]})) return false;
    }
    return true;
}

DeviceHarness::Asker AskerOf(State& s, int16_t slot) {
    return [&s, slot](uint8_t cmd, const std::vector<uint8_t>& data) {
        return AskDevice(s, slot, cmd, data);
    };
}

}  // namespace

DeviceHarness::DeviceHarness(const DeviceOptions& options)
    : link_(options.link), asked_(AskedCount(options)) {
    setenv("VELOTRIX_HOME", home.Path().c_str(), 1);
    if (const char* device = std::getenv("VELOTRIX_TEST_DEVICE");
        device != nullptr && *device != 0) {
        UseExternal(device);
    }
    if (link_ == Link::Tcp) {
        addresses_ = LoopbackAddresses(options);
        if (external_) addresses_[0] = externalHost_;
        StartTcp();
    } else if (!external_) {
        StartSerial(options);
    }
    PrepareState(options.stateHost != nullptr ? *options.stateHost : host);
    if (external_ && Ok()) GroundOutsideDevice();
}

DeviceHarness::~DeviceHarness() {
    RestoreOutsideDevice();
}

// Every server listens on the port the first one was given, so one VELOTRIX_TCP_PORT serves
// them all; a port taken on a later address makes the whole set start again. Beside an outside
// device, device 0, the others listen on its port.
bool DeviceHarness::StartTcp() {
    const size_t count = addresses_.size();
    if (FirstSimulated() == count) return true;
    for (int attempt = 0; attempt < kStartAttempts; ++attempt) {
        servers_.clear();
        devices_.clear();
        uint16_t port = externalPort_;
        for (size_t k = FirstSimulated(); k < count; ++k) {
            devices_.push_back(std::make_unique<devsim::Device>());
            devices_.back()->SetName("Velotrix TCP " + std::to_string(k));
            servers_.push_back(
                std::make_unique<devsim::TcpServer>(*devices_.back(), addresses_[k], port));
            if (!servers_.back()->Ok()) break;
            port = servers_.back()->Port();
        }
        if (servers_.size() == count - FirstSimulated() && servers_.back()->Ok()) {
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
        externalPort_ = static_cast<uint16_t>(std::atoi(device.c_str() + colon + 1));
        setenv("VELOTRIX_TCP_PORT", device.substr(colon + 1).c_str(), 1);
    } else {
        link_ = Link::Usb;
        ids_ = {0};
        setenv("VELOTRIX_COM_PORTS", device.c_str(), 1);
    }
}

void DeviceHarness::PrepareState(ui::Host& stateHost) {
    state = NewState(stateHost);
    state->AppDir = home.Path();
    if (state->SerialLink.Init(13, 32) != 0 || state->TcpLink.Init(65) != 0) {
        error_ = "the links did not initialise";
    }
    state->LinkType = LinkTypeOf(link_);
    state->ComPort = 1;
    state->InitCfg.ComPort = 1;
    state->InitCfg.LinkType = state->LinkType;
}

size_t DeviceHarness::FirstSimulated() const {
    return external_ ? 1 : 0;
}

size_t DeviceHarness::DeviceCount() const {
    return FirstSimulated() + devices_.size();
}

devsim::Device& DeviceHarness::Device(size_t k) {
    return *devices_.at(k - FirstSimulated());
}

devsim::TcpServer& DeviceHarness::Server(size_t k) {
    return *servers_.at(k - FirstSimulated());
}

std::string DeviceHarness::Address(size_t k) const {
    return k < addresses_.size() ? addresses_[k] : std::string();
}

// Puts device k into the slot of s that the add-device command would give it.
int16_t DeviceHarness::Enlist(State& s, size_t k) const {
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
    return slot;
}

int16_t DeviceHarness::AddDevice(size_t k) {
    const int16_t slot = Enlist(*state, k);
    ModProject::ShowDeviceWindow(*state, slot);
    return slot;
}

void DeviceHarness::ShortenTimeouts(double scale) {
    state->SerialLink.SetTimeoutScale(scale);
    state->TcpLink.SetTimeoutScale(scale);
}

std::optional<std::array<uint8_t, 13>> DeviceHarness::Ask(int16_t slot, uint8_t cmd,
                                                          const std::vector<uint8_t>& data) {
    return AskDevice(*state, slot, cmd, data);
}

std::vector<uint8_t> DeviceHarness::ReadMemory(int16_t slot, int addr, int count) {
    return ReadDevice(*state, slot, addr, count);
}

bool DeviceHarness::WriteMemory(int16_t slot, int addr, const std::vector<uint8_t>& bytes) {
    return WriteWith(AskerOf(*state, slot), addr, bytes);
}

// The outside device opened in slot 0 of a state of the harness's own, so that the test's
// state sees nothing of it; work runs on it, then the link closes again.
bool DeviceHarness::WithOwnLink(const std::function<bool(State&, int16_t)>& work) {
    ui::HeadlessHost ownHost;
    State own(ownHost);
    own.AppDir = home.Path();
    own.SerialLink.Init(13, 32);
    own.TcpLink.Init(65);
    own.LinkType = LinkTypeOf(link_);
    own.ComPort = own.InitCfg.ComPort = 1;
    const int16_t slot = Enlist(own, 0);
    const bool done = ModProject::OpenDeviceLink(own, slot) && work(own, slot);
    if (own.LinkType == 2) {
        own.TcpLink.Disconnect(slot);
    } else {
        own.SerialLink.Close();
    }
    return done;
}

// Every 4-byte block of the working program that differs from the factory program is written.
void DeviceHarness::GroundOutsideDevice() {
    const bool grounded = WithOwnLink([](State& own, int16_t slot) {
        constexpr int base = model::WorkingProgramAddr;
        const std::vector<uint8_t> found = ReadDevice(own, slot, base, model::ProgramBytes);
        if (found.empty()) return false;
        for (size_t at = 0; at < found.size(); at += 4) {
            const auto from = model::DefaultImage.begin() + static_cast<std::ptrdiff_t>(at);
            if (std::equal(from, from + 4, found.begin() + static_cast<std::ptrdiff_t>(at))) {
                continue;
            }
            if (!WriteWith(AskerOf(own, slot), base + static_cast<int>(at),
                           std::vector<uint8_t>(from, from + 4))) {
                return false;
            }
        }
        return true;
    });
    if (!grounded) error_ = "the outside device's working program could not be set";
}

void DeviceHarness::Restore(Undo undo) {
    if (external_) undos_.push_back(std::move(undo));
}

void DeviceHarness::Preserve(int16_t slot, int addr, int count) {
    if (!external_) return;
    const std::vector<uint8_t> found = ReadMemory(slot, addr, count);
    Restore([addr, found](const Asker& ask) { return WriteWith(ask, addr, found); });
}

bool DeviceHarness::ChangeMemory(int16_t slot, int addr, const std::vector<uint8_t>& bytes) {
    Preserve(slot, addr, static_cast<int>(bytes.size()));
    return WriteMemory(slot, addr, bytes);
}

// The undos run in the order opposite to their making, after the test's state has closed its
// links.
void DeviceHarness::RestoreOutsideDevice() {
    if (undos_.empty()) return;
    state.reset();
    WithOwnLink([this](State& own, int16_t slot) {
        const Asker ask = AskerOf(own, slot);
        for (auto undo = undos_.rbegin(); undo != undos_.rend(); ++undo) {
            if (!(*undo)(ask)) return false;
        }
        return true;
    });
}

}  // namespace testsupport
