// The program from its splash on, in a headless host, and state files written byte by byte
// as the file layouts lay them down, for tests that prepare or check them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/DeviceRecord.h"
#include "state/State.h"
#include "support/TempDir.h"
#include "ui/HeadlessHost.h"

class MDIFrmMain;

namespace testsupport {
class DeviceHarness;
}

namespace apptest {

// Runs the splash (in VELOTRIX_HOME, with the single-instance lock there too) until its
// timer has shown the main window and Timer7 has ticked once; nullptr when no main window
// came up.
MDIFrmMain* StartProgram(ui::HeadlessHost& host, State& s);

// The program in the harness's folder, init.cfg naming the harness's link (COM1 on serial).
MDIFrmMain* StartProgramFor(testsupport::DeviceHarness& h);

// The command bar's Add Device with the dialog answered: the address typed as "a.b.c.d"
// (TCP/IP) or the ID (RS485), then OK.
void AddDeviceByIp(ui::HeadlessHost& host, MDIFrmMain& main, const std::string& address);
void AddDeviceById(ui::HeadlessHost& host, MDIFrmMain& main, int16_t id);

// Yes to the question of the command bar's Exit; true when the program ended.
bool ExitWithYes(ui::HeadlessHost& host, MDIFrmMain& main);

// A program without devices: a fresh application folder and a state object.
struct Session {
    Session();

    testsupport::TempDir home;
    ui::HeadlessHost host;
    std::unique_ptr<State> state;

    std::string File(const std::string& name) const { return home.File(name); }
};

// A test with a program of its own, started by Start.
struct ProgramTest : ::testing::Test {
    // Writes init.cfg (COM port, link type) and start.ini (when a list is given), then starts
    // the program; a negative link type starts it in the fresh folder.
    void Start(int16_t linkType, int16_t port = 1,
               const std::optional<model::PerSlot<model::DeviceRecord>>& list = std::nullopt);

    Session p;
    State& s = *p.state;
    MDIFrmMain* main = nullptr;
};

// init.cfg: COM port, an empty text, link type.
std::vector<uint8_t> InitCfgBytes(int16_t comPort, int16_t linkType);
// One device record as it lies at the start of its 128-byte slot.
std::vector<uint8_t> DeviceRecordBytes(const model::DeviceRecord& rec);
// start.ini of 65 slots, zero tails.
std::vector<uint8_t> StartIniBytes(const model::PerSlot<model::DeviceRecord>& list);

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// The file's bytes; empty when it does not exist.
std::vector<uint8_t> ReadFile(const std::string& path);

// A record at the start of its 128-byte slot with texts at or one past their limits, and what
// reading it gives: an address text of 15 characters is kept, a longer one rebuilt from the
// octets; a nick name of 16 is kept, a longer one cut to 16; a record that ends on the slot's
// last byte is read, one that needs a byte more is a free slot (a nick name cut to 16 may run
// past the slot).
struct LimitRecord {
    std::string name;
    std::vector<uint8_t> slot;  // 128 bytes
    model::DeviceRecord read;
};
std::vector<LimitRecord> RecordsAtTheirLimits();

// A record read from bytes that are all zero (a free slot of an empty file).
model::DeviceRecord ZeroRecord();
// A record in the project for the given link kind.
model::DeviceRecord TcpRecord(uint8_t a, uint8_t b, uint8_t c, uint8_t d);
model::DeviceRecord SerialRecord(int16_t linkKind, int16_t id);

}  // namespace apptest
