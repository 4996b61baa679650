// Connecting a device slot end to end: over TCP on loopback and over a pseudo-terminal (USB,
// and RS485 with two IDs on one bus), against the simulator or the device named by
// VELOTRIX_TEST_DEVICE. Results are checked by reading the device back over the wire, and
// against the simulator's memory where it runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
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
    int16_t model, running;
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
          devSlot(s.DevSlot[slot]) {
        record.Online = 0;
    }
    bool operator==(const SlotData&) const = default;
};

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
        const std::vector<uint8_t> switches = H().ReadMemory(slot, 53, 11);
        ASSERT_EQ(switches.size(), 11u);
        EXPECT_EQ(par.SwitchPresetLink, std::min<uint8_t>(switches[0], 1));
        EXPECT_TRUE(std::equal(switches.begin() + 1, switches.end(), par.SwitchPresetMask.begin()));
        EXPECT_EQ(par.WallPanelMode, H().ReadMemory(slot, 49, 1).at(0));
        EXPECT_EQ(par.CurProgName, Text(H().ReadMemory(slot, 496, 16)));
        const auto devState = H().Ask(slot, CmdReadDevState);
        ASSERT_TRUE(devState);
        EXPECT_EQ(s.RunningProgSlot[slot],
                  Speaker::RunningProgramSlot(settings[2], (*devState)[11], (*devState)[9],
                                              settings[5], settings[6]));
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
