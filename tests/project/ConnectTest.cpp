// Connecting a device slot end to end: over TCP on loopback and over a pseudo-terminal (USB,
// and RS485 with two IDs on one bus), against the simulator or the device named by
// VELOTRIX_TEST_DEVICE. Results are checked by reading the device back over the wire, and
// against the simulator's memory where it runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <random>
#include <span>
#include <string>

#include "devsim/Device.h"
#include "devsim/DeviceState.h"
#include "model/MemoryMap.h"
#include "model/Tables.h"
#include "project/Connect.h"
#include "project/DeviceList.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "protocol/ReadDeviceAtConnect.h"
#include "support/DeviceTest.h"

namespace {

using testsupport::DeviceOptions;
using testsupport::Link;

std::string Hex2(uint8_t x) {
    char buf[3];
    std::snprintf(buf, sizeof buf, "%02X", x);
    return buf;
}

std::string LinkName(Link link) {
    return link == Link::Tcp ? "Tcp" : link == Link::Usb ? "Usb" : "Rs485";
}

std::string Text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Gives a simulated device a working program, settings, switch presets, identity and programs
// of its own, none as a new device has them, so that a connect that mixed up devices or bytes
// shows.
void Individualise(devsim::Device& device, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> program(912);
    for (uint8_t& b : program) b = static_cast<uint8_t>(random());
    device.Write(64, program);
    // Settings: running normal program 3; external signals enabled, active low, all idle.
    const auto n = static_cast<uint8_t>(seed);
    device.Write(16,
                 {static_cast<uint8_t>(n % 10), 0, 2, n, 20, 15, 1, 5, 2, 3, 4, 5, 6, 0, 30, n});
    device.Write(49, {1});
    device.Write(53, {1, n, 2, 3, 4, 5, 6, 7, 8, 9, static_cast<uint8_t>(n + 1)});
    device.Update([seed](devsim::DeviceState& d) {
        d.identity.firmware = {1, 5, static_cast<uint8_t>(seed % 10)};
        d.identity.dsp = {2, 1, static_cast<uint8_t>(seed % 7)};
        d.identity.model = 1;
        d.identity.mac = {0x0A, 0xFF, 0x00, 0x12, 0x3B, static_cast<uint8_t>(seed)};
        d.identity.uid[11] = static_cast<uint8_t>(seed);
        d.externalLines = 0x0F;
    });
    const int slot2 = 1024 + 912 * 2;
    device.Write(slot2 + 463, {85});
    const std::string name = "Program " + std::to_string(seed) + "       ";
    device.Write(slot2 + 432, std::vector<uint8_t>(name.begin(), name.begin() + 16));
}

// The slot's data a failed connect must leave alone.
struct SlotData {
    model::DevImageRecord image;
    model::DevParamRecord param;
    model::DeviceRecord record;
    std::string devName, fw, dsp, mac, uid;
    int16_t model, running, netMode, netId;
    std::array<int16_t, 4> netIp;
    uint8_t inLinks, outLinks;
    std::array<int16_t, 11> devSlot;

    explicit SlotData(const State& s, int16_t slot)
        : image(s.DevImage[slot]),
          param(s.DevParam[slot]),
          record(s.DevList[slot]),
          devName(s.DevName[slot]),
          fw(s.FwVersion[slot]),
          dsp(s.DspVersion[slot]),
          mac(s.DevInfoText[slot]),
          uid(s.DevUid[slot]),
          model(s.DevModel[slot]),
          running(s.RunningProgSlot[slot]),
          netMode(s.DevNetMode[slot]),
          netId(s.DevNetId[slot]),
          netIp(s.DevNetIp[slot]),
          inLinks(s.InLinkMask[slot]),
          outLinks(s.OutLinkMask[slot]),
          devSlot(s.DevSlot[slot]) {
        record.Online = 0;
    }
    bool operator==(const SlotData&) const = default;
};

// Every field a connect fills gets a value no device reports, and every byte of the slot's
// image a value of its own, so that a field the connect leaves out or a byte it puts elsewhere
// shows.
void Scramble(State& s, int16_t slot) {
    model::DevImageRecord& image = s.DevImage[slot];
    size_t n = 0;
    for (std::span<uint8_t> part :
         {std::span<uint8_t>(image.ProgImage), std::span<uint8_t>(image.DevExtra),
          std::span<uint8_t>(image.PanelState)}) {
        for (uint8_t& b : part) b = static_cast<uint8_t>(n++ * 7 + 3);
    }
    model::DevParamRecord& par = s.DevParam[slot];
    for (size_t k = 0; k < par.Doubles.size(); ++k) par.Doubles[k] = -1.5 - static_cast<double>(k);
    par.SlotName.fill("old normal");
    par.ExtraSlotName.fill("old extra");
    par.CurProgName = "old working";
    par.ExtSignalIndex = par.CurSwitchPreset = par.SwitchPresetLink = par.ExtPriority = -2;
    par.ExtActiveMode = par.ExtEnableMask = par.WallPanelMode = -3;
    par.RegMirror.fill(-4);
    par.SwitchState.fill(-5);
    par.SwitchPresetMask.fill(-6);
    par.GateEnable.fill(-7);
    s.DevList[slot].NickName = "old nick";
    s.DevName[slot] = "old name";
    s.FwVersion[slot] = s.DspVersion[slot] = "0.0";
    s.DevInfoText[slot] = s.DevUid[slot] = "none";
    s.DevModel[slot] = s.RunningProgSlot[slot] = s.DevNetMode[slot] = s.DevNetId[slot] = -1;
    s.DevNetIp[slot] = {-1, -2, -3, -4};
    s.InLinkMask[slot] = 0x81;
    s.OutLinkMask[slot] = 0x18;
}

using Bytes = std::vector<uint8_t>;

Bytes Request(uint8_t addr, uint8_t code, std::initializer_list<uint8_t> data = {}) {
    Bytes f(13, 0);
    f[0] = 0xF0;
    f[1] = 0x46;
    f[2] = addr;
    f[3] = code;
    std::copy(data.begin(), data.end(), f.begin() + 4);
    f[12] = 0xF7;
    return f;
}

// A memory request: the device address high byte first, then the count (8, or 0 for one byte).
Bytes MemoryRequest(uint8_t addr, uint8_t code, int at, uint8_t count) {
    return Request(addr, code, {static_cast<uint8_t>(at >> 8), static_cast<uint8_t>(at), count});
}

// The requests of a connect in their order, to the device address addr: the handshake (d1 = 1
// on TCP/IP), the name, the working program at 64..975, identity, network, settings, the ten
// slot markers, the names of the stored program slots, the external signals, the switch presets
// and the working program's name.
std::vector<Bytes> ConnectRequests(uint8_t addr, Link link, const std::vector<int>& stored) {
    std::vector<Bytes> f;
    f.push_back(Request(addr, 0x00, {0, static_cast<uint8_t>(link == Link::Tcp ? 1 : 0)}));
    f.push_back(Request(addr, 0x28, {0, 0}));
    f.push_back(Request(addr, 0x28, {0, 8}));
    for (int at = 64; at < 976; at += 8) f.push_back(MemoryRequest(addr, 0x0E, at, 8));
    f.push_back(Request(addr, 0x39));
    f.push_back(MemoryRequest(addr, 0x0E, 32, 8));
    f.push_back(MemoryRequest(addr, 0x0E, 40, 8));
    f.push_back(Request(addr, 0xB2));
    f.push_back(Request(addr, 0xB1, {0}));
    f.push_back(Request(addr, 0xB1, {1}));
    f.push_back(MemoryRequest(addr, 0x10, 28, 0));
    f.push_back(MemoryRequest(addr, 0x0E, 16, 8));
    f.push_back(MemoryRequest(addr, 0x0E, 24, 8));
    f.push_back(Request(addr, 0x19));
    f.push_back(MemoryRequest(addr, 0x10, 49, 0));
    for (int k = 0; k < 10; ++k) f.push_back(MemoryRequest(addr, 0x10, 1024 + 912 * k + 463, 0));
    for (int k : stored) {
        f.push_back(MemoryRequest(addr, 0x0E, 1024 + 912 * k + 432, 8));
        f.push_back(MemoryRequest(addr, 0x0E, 1024 + 912 * k + 440, 8));
    }
    f.push_back(Request(addr, 0x2A));
    f.push_back(MemoryRequest(addr, 0x0E, 54, 8));
    f.push_back(MemoryRequest(addr, 0x10, 62, 0));
    f.push_back(MemoryRequest(addr, 0x10, 63, 0));
    f.push_back(MemoryRequest(addr, 0x10, 53, 0));
    f.push_back(MemoryRequest(addr, 0x0E, 496, 8));
    f.push_back(MemoryRequest(addr, 0x0E, 504, 8));
    return f;
}

class ConnectTest : public testsupport::DeviceTest, public ::testing::WithParamInterface<Link> {
  protected:
    DeviceOptions Options() const {
        DeviceOptions o;
        o.link = GetParam();
        o.tcpDevices = 2;
        o.rs485Ids = {3, 12};
        return o;
    }
    ui::ProgressBar& Bar(int16_t slot) { return FrmDeviceOf(S(), slot).ProgressBar1; }

    // Everything the slot learnt at connect agrees with what the device says now.
    void ExpectSlotMatchesDevice(int16_t slot) {
        State& s = S();
        const std::vector<uint8_t> memory = H().ReadMemory(slot, 64, 912);
        ASSERT_EQ(memory.size(), 912u);
        EXPECT_TRUE(std::equal(memory.begin(), memory.end(), s.DevImage[slot].ProgImage.begin()));

        const auto version = H().Ask(slot, CmdReadVersion);
        ASSERT_TRUE(version);
        const auto& v = *version;
        EXPECT_EQ(s.FwVersion[slot], std::to_string(v[4] * 10 + v[5]) + "." + std::to_string(v[6]));
        EXPECT_EQ(s.DspVersion[slot],
                  std::to_string(v[7]) + "." + std::to_string(v[8]) + "." + std::to_string(v[9]));
        EXPECT_EQ(s.DevModel[slot], v[11]);

        const auto mac = H().Ask(slot, CmdReadMac);
        ASSERT_TRUE(mac);
        std::string macText;
        for (int n = 4; n <= 9; ++n) macText += (n > 4 ? "." : "") + Hex2((*mac)[n]);
        EXPECT_EQ(s.DevInfoText[slot], macText);

        std::string uid;
        for (uint8_t half : {0, 1}) {
            const auto reply = H().Ask(slot, CmdReadUid, half);
            ASSERT_TRUE(reply);
            for (int n = 5; n <= 10; ++n) uid += Hex2((*reply)[n]);
        }
        EXPECT_EQ(s.DevUid[slot], uid);

        std::string name;
        for (uint8_t offset : {0, 8}) {
            const auto reply = H().Ask(slot, CmdReadName, 0, offset);
            ASSERT_TRUE(reply);
            name.append(reply->begin() + 4, reply->begin() + 12);
        }
        EXPECT_EQ(s.DevName[slot], name);
        EXPECT_EQ(s.DevList[slot].NickName, Text(H().ReadMemory(slot, 32, 16)));

        for (int k = 0; k < 10; ++k) {
            const int base = 1024 + 912 * k;
            const bool stored = H().ReadMemory(slot, base + 463, 1) == std::vector<uint8_t>{85};
            const std::string expected =
                stored ? Text(H().ReadMemory(slot, base + 432, 16)) : model::EmptyProgNameText();
            EXPECT_EQ(k < 6 ? s.DevParam[slot].SlotName[k] : s.DevParam[slot].ExtraSlotName[k - 6],
                      expected)
                << "program slot " << k;
        }

        const std::vector<uint8_t> settings = H().ReadMemory(slot, 16, 16);
        ASSERT_EQ(settings.size(), 16u);
        EXPECT_TRUE(
            std::equal(settings.begin(), settings.end(), s.DevImage[slot].DevExtra.begin() + 16));
        const model::DevParamRecord& par = s.DevParam[slot];
        EXPECT_EQ(par.CurSwitchPreset, settings[0]);
        EXPECT_EQ(par.DelayUnit(), settings[1]);
        EXPECT_EQ(par.CurProgReg(), settings[2]);
        EXPECT_EQ(par.ExtEnableMask, settings[5]);
        EXPECT_EQ(par.ExtActiveMode, settings[6]);
        EXPECT_EQ(par.ExtPriority, settings[7]);
        EXPECT_TRUE(std::equal(par.RegMirror.begin(), par.RegMirror.end(), settings.begin() + 8));
        EXPECT_EQ(par.FrontPanelLock(), settings[13]);
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(par.SlotStatus()[k],
                      H().ReadMemory(slot, model::ProgramSlotAddr(k) + 463, 1).at(0));
        }
        EXPECT_EQ(s.DevNetMode[slot], settings[12]);
        const auto network = H().Ask(slot, CmdReadIp);
        ASSERT_TRUE(network);
        EXPECT_EQ(s.DevNetIp[slot], (std::array<int16_t, 4>{(*network)[4], (*network)[5],
                                                            (*network)[6], (*network)[7]}));
        EXPECT_EQ(s.DevNetId[slot], (*network)[8]);
        EXPECT_EQ(s.InLinkMask[slot], 0);
        EXPECT_EQ(s.OutLinkMask[slot], 0);
        EXPECT_EQ(FrmDeviceOf(s, slot).Label10.Caption(), s.DevList[slot].NickName);
        const std::vector<uint8_t> switches = H().ReadMemory(slot, 53, 11);
        ASSERT_EQ(switches.size(), 11u);
        EXPECT_EQ(par.SwitchPresetLink, std::min<uint8_t>(switches[0], 1));
        EXPECT_TRUE(std::equal(switches.begin() + 1, switches.end(), par.SwitchPresetMask.begin()));
        EXPECT_EQ(par.WallPanelMode, H().ReadMemory(slot, 49, 1).at(0));
        EXPECT_EQ(par.CurProgName, Text(H().ReadMemory(slot, 496, 16)));
        const auto devState = H().Ask(slot, CmdReadDevState);
        ASSERT_TRUE(devState);
        EXPECT_EQ(par.ExtSignalIndex, (*devState)[11]);
        EXPECT_EQ(s.RunningProgSlot[slot],
                  Speaker::RunningProgramSlot(settings[2], (*devState)[11], (*devState)[9],
                                              settings[5], settings[6]));
    }

    // What the connect does not read is as it was: the image record outside the working
    // program and the settings block, and every parameter field the read-back does not fill.
    void ExpectTheRestAsBefore(int16_t slot, const SlotData& before) {
        const model::DevImageRecord& image = S().DevImage[slot];
        model::DevImageRecord expected = before.image;
        std::copy_n(image.ProgImage.begin(), 912, expected.ProgImage.begin());
        std::copy_n(image.DevExtra.begin() + 16, 16, expected.DevExtra.begin() + 16);
        EXPECT_EQ(image, expected);
        const model::DevParamRecord& now = S().DevParam[slot];
        model::DevParamRecord par = before.param;
        par.SlotName = now.SlotName;
        par.ExtraSlotName = now.ExtraSlotName;
        par.CurProgName = now.CurProgName;
        par.ExtSignalIndex = now.ExtSignalIndex;
        par.RegMirror = now.RegMirror;
        par.SwitchPresetMask = now.SwitchPresetMask;
        par.CurSwitchPreset = now.CurSwitchPreset;
        par.SwitchPresetLink = now.SwitchPresetLink;
        par.ExtPriority = now.ExtPriority;
        par.ExtActiveMode = now.ExtActiveMode;
        par.ExtEnableMask = now.ExtEnableMask;
        par.WallPanelMode = now.WallPanelMode;
        par.DelayUnit() = now.DelayUnit();
        par.CurProgReg() = now.CurProgReg();
        par.FrontPanelLock() = now.FrontPanelLock();
        std::copy(now.SlotStatus().begin(), now.SlotStatus().end(), par.SlotStatus().begin());
        EXPECT_EQ(now, par);
    }

    void ExpectOnline(int16_t slot) {
        EXPECT_EQ(S().DevList[slot].Online, 1);
        EXPECT_FALSE(S().DevOffline[slot]);
        EXPECT_FALSE(S().DevConnErr[slot]);
        EXPECT_EQ(S().DevSlot[slot][10], 1);
        const FrmDevice& w = FrmDeviceOf(S(), slot);
        EXPECT_EQ(w.Label1.Caption(), "Disconnect");
        EXPECT_EQ(w.Label1.ForeColor(), ui::RGB(255, 0, 0));
        EXPECT_FALSE(w.ProgressBar1.Visible());
        EXPECT_LE(w.ProgressBar1.Value(), w.ProgressBar1.Max());
    }
};

TEST_P(ConnectTest, ConnectAllReadsTheDeviceIntoItsSlot) {
    Start(Options());
    VX_REQUIRE_LINK(H(), GetParam());
    if (!H().External()) {
        for (size_t k = 0; k < H().DeviceCount(); ++k) Individualise(H().Device(k), 11 + k);
    }
    const size_t count = H().External() ? 1 : H().DeviceCount();
    std::vector<int16_t> slots;
    for (size_t k = 0; k < count; ++k) slots.push_back(H().AddDevice(k));
    for (int16_t slot : slots) ModProject::ConnectDevice(S(), slot);

    for (size_t k = 0; k < count; ++k) {
        const int16_t slot = slots[k];
        SCOPED_TRACE("slot " + std::to_string(slot));
        ExpectOnline(slot);
        ExpectSlotMatchesDevice(slot);
        if (H().External()) continue;
        devsim::Device& device = H().Device(k);
        const std::vector<uint8_t> working = device.Read(64, 912);
        EXPECT_TRUE(
            std::equal(working.begin(), working.end(), S().DevImage[slot].ProgImage.begin()));
        EXPECT_EQ(S().FwVersion[slot], "15." + std::to_string((11 + k) % 10));
        EXPECT_EQ(S().DevModel[slot], 1);
        EXPECT_EQ(S().DevInfoText[slot], "0A.FF.00.12.3B." + Hex2(static_cast<uint8_t>(11 + k)));
        EXPECT_EQ(S().DevParam[slot].SlotName[2], "Program " + std::to_string(11 + k) + "      ");
        EXPECT_EQ(S().RunningProgSlot[slot], 2);
        EXPECT_EQ(S().DevName[slot], Text(device.Read(32, 16)));
    }
    const std::string caption = FrmDeviceOf(S(), slots[0]).Caption();
    switch (H().GetLink()) {
        case Link::Tcp:
            EXPECT_EQ(caption, " IP:" + H().Address(0) + " - Online");
            break;
        case Link::Usb:
            EXPECT_EQ(caption, " USB - Velotrix  - Online");
            break;
        case Link::Rs485:
            EXPECT_EQ(caption, " RS485 - ID:03 - Online");
            break;
    }
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_P(ConnectTest, AnOnlineSlotIsNotReadAgainAndAReconnectReplacesTheName) {
    Start(Options());
    VX_REQUIRE_LINK(H(), GetParam());
    const int16_t slot = H().AddDevice();
    ModProject::ConnectDevice(S(), slot);
    ASSERT_EQ(S().DevList[slot].Online, 1);
    const int frames = H().External() ? 0 : H().Device().FrameCount();
    S().RxBuf.fill(0);
    ModProject::ConnectDevice(S(), slot);
    EXPECT_EQ(H().External() ? 0 : H().Device().FrameCount(), frames);
    EXPECT_EQ(S().RxBuf, decltype(S().RxBuf){}) << "no exchange";
    ExpectOnline(slot);

    const std::string renamed = "Renamed         ";
    ASSERT_TRUE(H().ChangeMemory(slot, 32, std::vector<uint8_t>(renamed.begin(), renamed.end())));
    S().DevList[slot].Online = 0;
    ModProject::ConnectDevice(S(), slot);
    EXPECT_EQ(S().DevName[slot], "Renamed         ");
    EXPECT_EQ(S().DevList[slot].NickName, "Renamed         ");
}

// The device holds a value of its own in every field a connect reads, and the slot another one
// in each: a second connect replaces every one of them, the request sequence is exactly the
// connect's, and neither the image bytes it does not read nor the next slot change.
TEST_P(ConnectTest, AReconnectReplacesEveryFieldItReads) {
    Start(Options());
    VX_REQUIRE_LINK(H(), GetParam());
    const int16_t slot = H().AddDevice();
    ModProject::ConnectDevice(S(), slot);
    ASSERT_EQ(S().DevList[slot].Online, 1);
    if (!H().External()) {
        H().Device().Update([](devsim::DeviceState& d) {
            d.identity.firmware = {2, 3, 4};
            d.identity.dsp = {5, 6, 7};
            d.identity.model = 1;
            d.identity.mac = {0xA1, 0xB2, 0xC3, 0xD4, 0xE5, 0xF6};
            d.identity.uid = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
            d.identity.ip = {127, 9, 8, 7};
            d.identity.rs485Id = 77;
            d.externalLines = 0x07;  // active low: S4 alone is active
        });
    }
    const std::string name = "Far right stack ";
    const std::vector<std::pair<int, Bytes>> memory = {
        {16, {3, 0, 4, 0x13, 0x14, 8, 1, 6, 2, 3, 4, 5, 1, 1, 0x1E, 0x1F}},
        {32, Bytes(name.begin(), name.end())},
        {49, {1}},
        {53, {1, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}},
        {496, {'W', 'o', 'r', 'k', 'i', 'n', 'g', ' ', 'p', 'r', 'o', 'g', 'r', 'a', 'm', '!'}},
    };
    for (const auto& [at, bytes] : memory) ASSERT_TRUE(H().ChangeMemory(slot, at, bytes));
    const std::vector<int> stored = {0, 9};
    for (int k = 0; k < 10; ++k) {
        const bool keep = std::find(stored.begin(), stored.end(), k) != stored.end();
        ASSERT_TRUE(H().ChangeMemory(slot, model::ProgramSlotAddr(k) + 463,
                                     {keep ? uint8_t{85} : uint8_t{0}}));
        if (keep) {
            const std::string text = "Stored in " + std::to_string(k) + "     ";
            ASSERT_TRUE(H().ChangeMemory(slot, model::ProgramSlotAddr(k) + 432,
                                         Bytes(text.begin(), text.end())));
        }
    }
    const int16_t next = static_cast<int16_t>(slot + 1);
    const SlotData neighbour(S(), next);
    Scramble(S(), slot);
    const SlotData before(S(), slot);
    S().DevList[slot].Online = 0;
    if (!H().External()) H().Device().ClearLog();

    ModProject::ConnectDevice(S(), slot);
    const std::vector<Bytes> sent = H().External() ? std::vector<Bytes>{} : Requests();

    ExpectOnline(slot);
    ExpectSlotMatchesDevice(slot);
    ExpectTheRestAsBefore(slot, before);
    EXPECT_EQ(SlotData(S(), next), neighbour);
    if (!H().External()) {
        EXPECT_EQ(sent,
                  ConnectRequests(static_cast<uint8_t>(S().DevAddr[slot]), GetParam(), stored));
        EXPECT_EQ(S().FwVersion[slot], "23.4");
        EXPECT_EQ(S().DspVersion[slot], "5.6.7");
        EXPECT_EQ(S().DevInfoText[slot], "A1.B2.C3.D4.E5.F6");
        EXPECT_EQ(S().DevUid[slot], "0102030405060708090A0B0C");
        EXPECT_EQ(S().DevNetIp[slot], (std::array<int16_t, 4>{127, 9, 8, 7}));
        EXPECT_EQ(S().DevNetId[slot], 77);
        EXPECT_EQ(S().DevNetMode[slot], 1);
        EXPECT_EQ(S().RunningProgSlot[slot], 9) << "the last external signal runs E4";
    }
    EXPECT_EQ(S().DevList[slot].NickName, name);
    EXPECT_EQ(S().DevParam[slot].ExtraSlotName[3], "Stored in 9     ");
    EXPECT_EQ(S().DevParam[slot].SlotName[0], "Stored in 0     ");
    EXPECT_EQ(S().DevParam[slot].CurProgName, "Working program!");
}

// Every program slot stored, and on a serial link a handshake that needs a second try.
TEST_P(ConnectTest, TheProgressBarStopsAtItsMaximum) {
    Start(Options());
    VX_REQUIRE_LINK(H(), GetParam());
    const int16_t slot = H().AddDevice();
    ModProject::ConnectDevice(S(), slot);
    for (int k = 0; k < 10; ++k) {
        ASSERT_TRUE(H().ChangeMemory(slot, model::ProgramSlotAddr(k) + 463, {85}));
    }
    const bool secondTry = GetParam() != Link::Tcp && !H().External();
    if (secondTry) {
        H().ShortenTimeouts(0.2);
        H().Device().AddFault({devsim::FaultKind::NoReply, CmdCheckDevice, 1, 1});
    }
    S().DevList[slot].Online = 0;
    ModProject::ConnectDevice(S(), slot);
    ExpectOnline(slot);
    EXPECT_EQ(Bar(slot).Max(), 155);
    if (secondTry) {
        EXPECT_EQ(Bar(slot).Value(), 155);  // 156 steps were made
    }
}

// A fault at one point of the connect: the slot stays offline with all its data unchanged.
struct Fault {
    const char* name;
    devsim::FaultRule rule;
};

const Fault kFaults[] = {
    {"Handshake", {devsim::FaultKind::NoReply, CmdCheckDevice}},
    {"Name", {devsim::FaultKind::NoReply, CmdReadName, 1, 1}},
    {"MidRead", {devsim::FaultKind::NoReply, CmdReadMem, 60, 1}},
    {"ReadBack", {devsim::FaultKind::NoReply, CmdReadMac, 1, 1}},
    {"LastRequest", {devsim::FaultKind::NoReply, CmdReadMem, 145, 1}},
    {"DroppedMidRead", {devsim::FaultKind::DropConnection, CmdReadMem, 40, 1}},
    {"WrongEndMidRead", {devsim::FaultKind::WrongEnd, CmdReadMem, 30, 1}},
    {"WrongCodeName", {devsim::FaultKind::WrongCode, CmdReadName, 2, 1}},
    {"GarbageReadBack", {devsim::FaultKind::GarbageReply, CmdReadVersion, 1, 1}},
};

class ConnectFaultTest : public testsupport::DeviceTest,
                         public ::testing::WithParamInterface<Link> {
  protected:
    // A fresh device with the fault, in the project; the slot.
    int16_t Prepare(const Fault& fault) {
        DeviceOptions o;
        o.link = GetParam();
        o.rs485Ids = {3, 12};
        Start(o);
        H().ShortenTimeouts(0.2);
        const int16_t slot = H().AddDevice();
        Individualise(H().Device(), 5);
        H().Device().AddFault(fault.rule);
        return slot;
    }
    std::string TcpMessage() { return "Device @ IP:" + H().Address(0) + " will be disconnected"; }

    // A device of its own and a slot holding other values in every field; connect runs with a
    // fault at request n of the connect, for every n in turn: no request follows the failed
    // one (a failed serial handshake is tried `tries` times), the slot keeps every field and
    // stays offline, and told checks what the user was told. Without a fault the connect
    // makes exactly the connect's requests.
    void FailEachRequest(
        const std::function<void(int16_t)>& connect, int tries,
        const std::function<void(int16_t, size_t, const std::vector<ui::HeadlessHost::Message>&)>&
            told) {
        Start({.link = GetParam(), .rs485Ids = {3, 12}});
        VX_REQUIRE_SIMULATOR(H());
        const int16_t slot = H().AddDevice();
        Individualise(H().Device(), 7);
        Scramble(S(), slot);
        const SlotData before(S(), slot);
        devsim::Device& device = H().Device();
        const std::vector<Bytes> requests =
            ConnectRequests(static_cast<uint8_t>(S().DevAddr[slot]), GetParam(), {2});
        for (size_t n = 1; n <= requests.size(); ++n) {
            SCOPED_TRACE("request " + std::to_string(n));
            device.ClearLog();
            device.AddFault(
                {devsim::FaultKind::WrongCode, -1, device.FrameCount() + static_cast<int>(n)});
            connect(slot);
            device.ClearFaults();
            std::vector<Bytes> expected(requests.begin(),
                                        requests.begin() + static_cast<std::ptrdiff_t>(n));
            if (GetParam() != Link::Tcp && n == 1) expected.resize(tries, requests[0]);
            EXPECT_EQ(Requests(), expected);
            ExpectUnchangedAndOffline(slot, before);
            told(slot, n, H().host.TakeMessages());
            if (HasFailure()) return;
        }
        device.ClearLog();
        connect(slot);
        EXPECT_EQ(Requests(), requests);
        EXPECT_EQ(S().DevList[slot].Online, 1);
        EXPECT_FALSE(S().DevConnErr[slot]);
        EXPECT_TRUE(H().host.Messages().empty());
    }

    void ExpectUnchangedAndOffline(int16_t slot, const SlotData& before) {
        EXPECT_EQ(SlotData(S(), slot), before);
        EXPECT_EQ(S().DevList[slot].Online, 0);
        const FrmDevice& w = FrmDeviceOf(S(), slot);
        EXPECT_EQ(w.Label1.Caption(), "Connect");
        EXPECT_FALSE(w.ProgressBar1.Visible());
        EXPECT_EQ(w.MousePointer(), ui::vbDefault);
        if (H().GetLink() == Link::Tcp) {
            EXPECT_EQ(S().TcpLink.IsConnected(slot), 0);
        }
    }
};

TEST_P(ConnectFaultTest, ConnectAllLeavesTheSlotAsItWas) {
    Start({.link = GetParam()});
    VX_REQUIRE_SIMULATOR(H());
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        const int16_t slot = Prepare(fault);
        const SlotData before(S(), slot);
        S().CmdBusy = true;  // Connect All's bracket
        S().TxBlocked = true;
        S().DevOffline[slot] = true;  // taken offline under an editor earlier
        ModProject::ConnectDevice(S(), slot);
        ExpectUnchangedAndOffline(slot, before);
        EXPECT_TRUE(S().DevOffline[slot]);  // only a successful read clears it
        EXPECT_TRUE(S().DevConnErr[slot]);
        EXPECT_TRUE(S().CmdBusy);
        EXPECT_FALSE(S().EditBusy);
        EXPECT_TRUE(S().TxBlocked);

        // With the fault gone the next Connect All succeeds.
        H().Device().ClearFaults();
        ModProject::ConnectDevice(S(), slot);
        EXPECT_EQ(S().DevList[slot].Online, 1);
        EXPECT_FALSE(S().DevConnErr[slot]);
        EXPECT_FALSE(S().DevOffline[slot]);
    }
}

// Connect All with a fault at every request of the connect in turn, one at a time: no request
// follows the failed one (a serial handshake is tried twice), the slot keeps every field it
// had and stays offline, and only TCP/IP says so, in the transaction's message. Without a
// fault the same connect makes exactly the connect's requests.
TEST_P(ConnectFaultTest, EveryRequestOfAConnectCanFail) {
    FailEachRequest(
        [this](int16_t slot) { ModProject::ConnectDevice(S(), slot); }, 2,
        [this](int16_t slot, size_t, const std::vector<ui::HeadlessHost::Message>& messages) {
            EXPECT_TRUE(S().DevConnErr[slot]);
            if (GetParam() != Link::Tcp) {
                EXPECT_TRUE(messages.empty());
                return;
            }
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].prompt, TcpMessage());
        });
}

// The status window's connect, the same way: a serial handshake is tried four times; the user
// is told once, by the transaction on TCP/IP or by the window, and a failed TCP/IP handshake
// has both messages.
TEST_P(ConnectFaultTest, EveryRequestOfTheWindowsConnectCanFail) {
    FailEachRequest(
        [this](int16_t slot) { FrmDeviceOf(S(), slot).Label1_Click(); }, 4,
        [this](int16_t slot, size_t n, const std::vector<ui::HeadlessHost::Message>& messages) {
            EXPECT_FALSE(S().DevConnErr[slot]);
            std::vector<std::string> expected;
            if (GetParam() != Link::Tcp) {
                expected = {"Devices disconnected"};
            } else {
                expected = {TcpMessage()};
                if (n == 1) expected.push_back("IP address: " + H().Address(0) + " not found");
            }
            std::vector<std::string> prompts;
            for (const auto& m : messages) prompts.push_back(m.prompt);
            EXPECT_EQ(prompts, expected);
        });
}

// A failed TCP handshake has the transaction's message, then the window's own; every other
// failure is told once.
TEST_P(ConnectFaultTest, TheWindowsConnectTellsTheUser) {
    Start({.link = GetParam()});
    VX_REQUIRE_SIMULATOR(H());
    for (const Fault& fault : kFaults) {
        SCOPED_TRACE(fault.name);
        const int16_t slot = Prepare(fault);
        const SlotData before(S(), slot);
        FrmDeviceOf(S(), slot).Label1_Click();
        ExpectUnchangedAndOffline(slot, before);
        EXPECT_FALSE(S().DevOffline[slot]);  // a failed connect does not set it
        EXPECT_FALSE(S().DevConnErr[slot]);
        EXPECT_FALSE(S().CmdBusy);
        EXPECT_FALSE(S().EditBusy);
        const auto messages = H().host.TakeMessages();
        if (H().GetLink() != Link::Tcp || std::string(fault.name) != "Handshake") {
            EXPECT_EQ(messages.size(), 1u);
            continue;
        }
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(messages[0].prompt, "Device @ IP:" + H().Address(0) + " will be disconnected");
        EXPECT_EQ(messages[1].prompt, "IP address: " + H().Address(0) + " not found");
        EXPECT_EQ(messages[1].title, "Connect");
    }
}

TEST_P(ConnectTest, TheWindowConnectsAndDisconnects) {
    Start(Options());
    VX_REQUIRE_LINK(H(), GetParam());
    const int16_t slot = H().AddDevice();
    FrmDevice& w = FrmDeviceOf(S(), slot);
    w.Label1_Click();
    ExpectOnline(slot);
    ExpectSlotMatchesDevice(slot);
    EXPECT_EQ(Bar(slot).Max(), 160);
    EXPECT_FALSE(S().CmdBusy);
    EXPECT_FALSE(S().EditBusy);
    if (GetParam() == Link::Usb) {
        EXPECT_EQ(w.Caption(), " USB - Online");
    }

    // No to the question leaves the window exactly as it was.
    const std::string caption = w.Caption();
    const int frames = H().External() ? 0 : H().Device().FrameCount();
    H().host.Answer(ui::vbNo);
    w.Label1_Click();
    EXPECT_EQ(S().DevList[slot].Online, 1);
    EXPECT_EQ(w.Caption(), caption);
    EXPECT_EQ(w.Label1.Caption(), "Disconnect");
    EXPECT_EQ(w.MousePointer(), ui::vbDefault);
    EXPECT_FALSE(S().CmdBusy);
    EXPECT_FALSE(S().EditBusy);
    if (!H().External()) {
        EXPECT_EQ(H().Device().FrameCount(), frames);
    }

    H().host.Answer(ui::vbYes);
    w.Label1_Click();
    EXPECT_EQ(S().DevList[slot].Online, 0);
    EXPECT_EQ(w.Label1.Caption(), "Connect");
    if (GetParam() == Link::Tcp) {
        EXPECT_EQ(S().TcpLink.IsConnected(slot), 0);
    }
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].prompt, "               Are you sure?");
    EXPECT_EQ(messages[1].title, "Disconnect device");
}

TEST_P(ConnectTest, ClosingAConnectedDevicesWindowDisconnectsAndDeletesIt) {
    Start(Options());
    VX_REQUIRE_LINK(H(), GetParam());
    const int16_t slot = H().AddDevice();
    ModProject::ConnectDevice(S(), slot);
    ASSERT_EQ(S().DevList[slot].Online, 1);
    H().host.Answer(ui::vbYes);
    EXPECT_TRUE(FrmDeviceOf(S(), slot).UserClose());
    EXPECT_EQ(S().TxFrame[3], CmdDisconnect);
    EXPECT_TRUE(H().host.Problems().empty());
    if (!H().External()) {
        EXPECT_EQ(H().Device().Log().back().request[3], CmdDisconnect);
    }
    EXPECT_EQ(S().DevList[slot], model::DeviceRecord{});
    if (GetParam() == Link::Tcp) {
        EXPECT_EQ(S().TcpLink.IsConnected(slot), 0);
    }
}

TEST_P(ConnectTest, ADeleteWhoseDisconnectFailsLeavesNoRecordBehind) {
    Start(Options());
    VX_REQUIRE_SIMULATOR(H());
    VX_REQUIRE_LINK(H(), Link::Tcp);
    H().ShortenTimeouts(0.1);
    const int16_t slot = H().AddDevice();
    ModProject::ConnectDevice(S(), slot);
    ASSERT_EQ(S().DevList[slot].Online, 1);
    const std::array<uint8_t, 4> address = S().DevList[slot].IpOctets;
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdDisconnect});
    H().host.Answer(ui::vbYes);
    EXPECT_TRUE(FrmDeviceOf(S(), slot).UserClose());
    EXPECT_EQ(H().host.Messages().back().title, "Communication problem");
    EXPECT_EQ(S().DevList[slot], model::DeviceRecord{});
    EXPECT_EQ(S().TcpLink.IsConnected(slot), 0);
    EXPECT_FALSE(S().EditBusy);
    S().NewDevIp = address;
    EXPECT_FALSE(ModConfig::IsIpAlreadyInserted(S())) << "the address can be added again";
}

TEST_P(ConnectTest, AfterAnEditorWasOpenedTheTransactionsMessageIsTheOnlyOne) {
    Start(Options());
    VX_REQUIRE_SIMULATOR(H());
    H().ShortenTimeouts(0.2);
    const int16_t slot = H().AddDevice();
    S().OfflineOnError = true;  // as after the first editor load
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdReadMem, 30, 1});
    FrmDeviceOf(S(), slot).Label1_Click();
    EXPECT_EQ(S().DevList[slot].Online, 0);
    EXPECT_TRUE(S().DevOffline[slot]);
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              GetParam() == Link::Tcp
                  ? "Device @ IP:" + H().Address(0) + " will be disconnected"
                  : " The system will be close the communication with this device");
    EXPECT_EQ(FrmDeviceOf(S(), slot).Label1.Caption(), "Connect");
}

INSTANTIATE_TEST_SUITE_P(Links, ConnectTest, ::testing::Values(Link::Tcp, Link::Usb, Link::Rs485),
                         [](const auto& info) { return LinkName(info.param); });
INSTANTIATE_TEST_SUITE_P(Faults, ConnectFaultTest,
                         ::testing::Values(Link::Tcp, Link::Usb, Link::Rs485),
                         [](const auto& info) { return LinkName(info.param); });

}  // namespace
