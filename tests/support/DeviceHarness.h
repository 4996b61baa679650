// A whole editor against a device, for end-to-end tests and benchmarks: a headless host, a
// fresh application folder (VELOTRIX_HOME), the program's state object with both links
// initialised, and the device or devices the test talks to.
//
// By default the devices are simulated (tests/devsim): over TCP each on its own loopback
// address, all on one free port that VELOTRIX_TCP_PORT hands to the editor; over a serial
// link on a pseudo-terminal that VELOTRIX_COM_PORTS names COM1, as one USB device or as an
// RS485 bus with one device per ID. When VELOTRIX_TEST_DEVICE is set ("host:port" for TCP/IP,
// a path for a USB serial device) that device is used instead as device 0: External() is then
// true, Device(0) and Server(0) are not available, and tests that need the simulator skip
// themselves (see DeviceTest.h). A test that asks for more TCP devices gets simulated ones
// beside it, on its port; one that asks for more devices than the outside device's link gives
// (a USB link gives one) is skipped when it starts the harness. The outside device is given the
// factory working program first (written where it differs), the ground every test starts from on a
// fresh simulated device; settings and program slots are left to the tests that rely on them.
//
// Environment variables are process-wide: keep one harness per test process (each CTest case
// is its own process).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "state/State.h"
#include "support/TempDir.h"
#include "ui/HeadlessHost.h"

namespace devsim {
class Bus;
class Device;
class PtyServer;
class TcpServer;
}  // namespace devsim

namespace testsupport {

enum class Link { Tcp, Usb, Rs485 };

struct DeviceOptions {
    Link link = Link::Tcp;
    // TCP: the number of devices. Serial: USB has one device; RS485 one per ID of rs485Ids.
    size_t tcpDevices = 1;
    std::vector<uint8_t> rs485Ids{1};
    // The pseudo-terminal keeps the pace of a 57600 baud line.
    bool paced = false;
    // The host of the state (the Qt front end's, for tests of it); default: the harness's
    // own HeadlessHost.
    ui::Host* stateHost = nullptr;
    // TCP: the loopback addresses of the devices, one each, instead of the harness's own.
    std::vector<std::string> tcpAddresses{};
};

class DeviceHarness {
  public:
    explicit DeviceHarness(const DeviceOptions& options = {});
    ~DeviceHarness();
    DeviceHarness(const DeviceHarness&) = delete;
    DeviceHarness& operator=(const DeviceHarness&) = delete;

    // False when the devices could not be set up; Error() says why.
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    // VELOTRIX_TEST_DEVICE names device 0: no simulator serves it.
    bool External() const { return external_; }
    Link GetLink() const { return link_; }
    size_t DeviceCount() const;
    // The devices the options asked for on the link they named. An outside device's link gives
    // only what it has (one device on USB), so DeviceCount() can be fewer.
    size_t Asked() const { return asked_; }

    // The simulated device k (0 = first) and, over TCP, its server.
    devsim::Device& Device(size_t k = 0);
    devsim::TcpServer& Server(size_t k = 0);
    // The loopback address of TCP device k; the outside device's host for device 0.
    std::string Address(size_t k = 0) const;

    // Puts device k into the project as the add-device command does (by its IP address or
    // RS485 ID, or as the one USB device) and shows its status window. Returns the slot.
    int16_t AddDevice(size_t k = 0);

    // Multiplies the time-outs of both links: failures come sooner.
    void ShortenTimeouts(double scale);

    // One request to the slot's device through the editor's own link, the reply bytes 0..12.
    std::optional<std::array<uint8_t, 13>> Ask(int16_t slot, uint8_t cmd,
                                               const std::vector<uint8_t>& data = {});
    std::optional<std::array<uint8_t, 13>> Ask(int16_t slot, uint8_t cmd, uint8_t d0,
                                               uint8_t d1 = 0, uint8_t d2 = 0) {
        return Ask(slot, cmd, {d0, d1, d2});
    }
    // Device memory read back over the wire, 8 bytes a request; empty on a failed request.
    std::vector<uint8_t> ReadMemory(int16_t slot, int addr, int count);
    // Device memory written over the wire, 4 bytes a request and single bytes at the end;
    // false on a failed request. The editor's image of the slot does not change.
    bool WriteMemory(int16_t slot, int addr, const std::vector<uint8_t>& bytes);
    // What an outside device gets back when the harness goes, after the test's state has closed
    // its links: an undo asks the device through a link of the harness's own. Nothing is kept
    // for a simulated device, which goes with the test.
    using Reply = std::optional<std::array<uint8_t, 13>>;
    using Asker = std::function<Reply(uint8_t cmd, const std::vector<uint8_t>& data)>;
    using Undo = std::function<bool(const Asker&)>;
    void Restore(Undo undo);
    // Device memory the test is about to change, read over the wire to be given back.
    void Preserve(int16_t slot, int addr, int count);
    // Device memory outside the working program changed for the test: preserved, then written.
    bool ChangeMemory(int16_t slot, int addr, const std::vector<uint8_t>& bytes);

    ui::HeadlessHost host;
    TempDir home;
    std::unique_ptr<State> state;

  private:
    bool StartTcp();
    bool StartSerial(const DeviceOptions& options);
    void UseExternal(const std::string& device);
    size_t FirstSimulated() const;
    void PrepareState(ui::Host& stateHost);
    int16_t Enlist(State& s, size_t k) const;
    bool WithOwnLink(const std::function<bool(State&, int16_t)>& work);
    void GroundOutsideDevice();
    void RestoreOutsideDevice();

    Link link_ = Link::Tcp;
    bool external_ = false;
    size_t asked_ = 1;
    std::string error_;
    std::string externalHost_;
    uint16_t externalPort_ = 0;
    std::vector<uint8_t> ids_;
    std::vector<std::string> addresses_;
    std::vector<std::unique_ptr<devsim::Device>> devices_;
    std::vector<std::unique_ptr<devsim::TcpServer>> servers_;
    std::unique_ptr<devsim::Bus> bus_;
    std::unique_ptr<devsim::PtyServer> pty_;
    std::vector<Undo> undos_;
};

}  // namespace testsupport
