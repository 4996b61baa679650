// The read-back at connect against the device: what it decodes (an identity of the simulator's
// choosing, memory written over the wire), how far the progress bar goes, and that a failure
// leaves the slot's data alone.
#include <gtest/gtest.h>

#include "ProtocolFixture.h"
#include "devsim/DeviceState.h"
#include "devsim/MemoryMap.h"
#include "model/MemoryMap.h"
#include "model/Tables.h"
#include "project/Connect.h"
#include "project/DeviceStatus.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "protocol/ReadDeviceAtConnect.h"
#include "state/State.h"

namespace {

class ReadDeviceAtConnectTest : public ProtocolTest {
  protected:
    void SetUp() override {
        slot = Open();
        ASSERT_FALSE(HasFailure());
        Bar().SetRange(0, 100);
        Bar().SetValue(0);
    }
    ui::ProgressBar& Bar() { return FrmDeviceOf(S(), slot).ProgressBar1; }
    devsim::Device& Dev() { return H().Device(); }
    // Device memory written over the wire, and given back to an outside device afterwards.
    void Put(int addr, const Bytes& bytes) { ASSERT_TRUE(H().ChangeMemory(slot, addr, bytes)); }
    void Put(int addr, const std::string& text) { Put(addr, Bytes(text.begin(), text.end())); }
    // Program slot k stored with a name, or empty.
    void StoreProgram(int k, const std::string& name) {
        Put(model::ProgramSlotAddr(k) + 463, Bytes{model::StoredProgramMark});
        Put(model::ProgramSlotAddr(k) + 432, name);
    }
    void EmptySlots() {
        for (int k = 0; k < 10; ++k) Put(model::ProgramSlotAddr(k) + 463, Bytes{0});
    }
    bool Read(Speaker::DeviceReadBack& rb) {
        return Speaker::ReadDeviceAtConnect(S(), slot, rb,
                                            [this] { ModProject::StepProgress(S(), slot); });
    }

    int16_t slot = 0;
};

TEST_F(ReadDeviceAtConnectTest, DecodesIdentityNameAndNetwork) {
    if (!H().External()) {
        Dev().Update([](devsim::DeviceState& d) {
            d.identity.firmware = {1, 5, 3};
            d.identity.dsp = {1, 0, 0};
            d.identity.model = 1;
            d.identity.mac = {0x0A, 0xFF, 0x00, 0x12, 0x3B, 0x01};
            d.identity.uid = {0x00, 0x01, 0x02, 0xAB, 0xCD, 0xEF,
                              0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
            d.identity.ip = {192, 168, 1, 77};
            d.identity.rs485Id = 12;
            d.Mem(28) = 1;
        });
    }
    Put(devsim::kDeviceNameAddr, "Stage left      ");
    Put(devsim::kWallPanelAddr, Bytes{1});
    const auto network = H().Ask(slot, CmdReadIp);
    const Bytes mode = H().ReadMemory(slot, devsim::kNetModeAddr, 1);
    ASSERT_TRUE(network && mode.size() == 1);
    Speaker::DeviceReadBack rb = Speaker::ReadBackOf(S(), slot);
    ASSERT_TRUE(Read(rb));

    EXPECT_EQ(rb.NickName, "Stage left      ");
    EXPECT_EQ(rb.DevNetMode, mode[0]);
    EXPECT_EQ(rb.DevNetIp,
              (std::array<int16_t, 4>{(*network)[4], (*network)[5], (*network)[6], (*network)[7]}));
    EXPECT_EQ(rb.DevNetId, (*network)[8]);
    EXPECT_EQ(rb.Param.WallPanelMode, 1);
    if (!H().External()) {
        EXPECT_EQ(rb.FwVersion, "15.3");
        EXPECT_EQ(rb.DspVersion, "1.0.0");
        EXPECT_EQ(rb.DevModel, 1);
        EXPECT_EQ(rb.DevInfoText, "0A.FF.00.12.3B.01");
        EXPECT_EQ(rb.DevUid, "000102ABCDEF102030405060");
        EXPECT_EQ(rb.DevNetMode, 1);
        EXPECT_EQ(rb.DevNetIp, (std::array<int16_t, 4>{192, 168, 1, 77}));
        EXPECT_EQ(rb.DevNetId, 12);
    }

    // Nothing reaches the slot until the commit.
    EXPECT_EQ(S().FwVersion[slot], "");
    EXPECT_EQ(S().DevList[slot].NickName, "no-name");
    S().InLinkMask[slot] = 5;
    ModProject::CommitConnect(S(), slot, rb);
    EXPECT_EQ(S().FwVersion[slot], rb.FwVersion);
    EXPECT_EQ(S().DevUid[slot], rb.DevUid);
    EXPECT_EQ(S().DevList[slot].NickName, "Stage left      ");
    EXPECT_EQ(FrmDeviceOf(S(), slot).Label10.Caption(), "Stage left      ");
    EXPECT_EQ(S().InLinkMask[slot], 0);
}

// No stored program: 27 steps and 28 requests. The first and last slot of each kind stored:
// a step and two requests more each, and their names.
TEST_F(ReadDeviceAtConnectTest, EachStoredProgramAddsAStepAndItsName) {
    EmptySlots();
    const std::vector<std::pair<int, std::string>> stored = {{0, "Speech          "},
                                                             {5, "Sixth           "},
                                                             {6, "Alarm E1        "},
                                                             {9, "Last E4         "}};
    for (bool withPrograms : {false, true}) {
        SCOPED_TRACE(withPrograms);
        if (withPrograms) {
            for (const auto& [k, name] : stored) StoreProgram(k, name);
        }
        std::vector<std::string> names(10, model::EmptyProgNameText());
        std::vector<double> marks(10, 0.0);
        for (const auto& [k, name] : stored) {
            if (!withPrograms) continue;
            names[k] = name;
            marks[k] = 85;
        }
        Bar().SetValue(0);
        if (!H().External()) Dev().ClearLog();
        Speaker::DeviceReadBack rb = Speaker::ReadBackOf(S(), slot);
        rb.Param.ExtraSlotName.fill("old");
        ASSERT_TRUE(Read(rb));

        const int programs = withPrograms ? 4 : 0;
        EXPECT_EQ(Bar().Value(), 27 + programs);
        if (!H().External()) {
            EXPECT_EQ(Dev().Log().size(), static_cast<size_t>(28 + 2 * programs));
        }
        std::vector<std::string> read(rb.Param.SlotName.begin(), rb.Param.SlotName.end());
        read.insert(read.end(), rb.Param.ExtraSlotName.begin(), rb.Param.ExtraSlotName.end());
        EXPECT_EQ(read, names);
        EXPECT_EQ(std::vector<double>(rb.Param.SlotStatus().begin(), rb.Param.SlotStatus().end()),
                  marks);
    }
}

// The settings block holds a value in every byte that no new device has: it lands in the
// image's record bytes 929 to 944 and nowhere else, and its mirrors follow.
TEST_F(ReadDeviceAtConnectTest, DecodesSettingsSwitchesAndTheRunningProgram) {
    // The external input lines are the device's own: contact 1 active (low) on the simulator.
    if (!H().External()) Dev().Update([](devsim::DeviceState& d) { d.externalLines = 0x0E; });
    const Bytes settings = {3, 0, 4, 0x13, 0x14, 15, 1, 5, 2, 3, 4, 5, 6, 0, 0x1E, 0x1F};
    Put(16, settings);
    const Bytes masks = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    for (uint8_t link : {5, 0}) {
        SCOPED_TRACE(int{link});
        Put(53, Bytes{link});
        Put(54, masks);
        Put(496, "Working prog    ");
        const auto devState = H().Ask(slot, CmdReadDevState);
        ASSERT_TRUE(devState);
        // What the slot held before: every settings byte and every field the read fills
        // another value than the device's.
        Speaker::DeviceReadBack rb = Speaker::ReadBackOf(S(), slot);
        for (size_t a = 16; a < 32; ++a) rb.Image.DevExtra[a] = ~settings[a - 16] & 0xFF;
        model::DevParamRecord& par = rb.Param;
        par.CurSwitchPreset = par.DelayUnit() = par.CurProgReg() = par.FrontPanelLock() = -1;
        par.ExtEnableMask = par.ExtActiveMode = par.ExtPriority = par.SwitchPresetLink = -1;
        par.RegMirror.fill(-1);
        par.SwitchPresetMask.fill(-1);
        par.CurProgName = "old";
        model::DevImageRecord expected = rb.Image;
        std::copy(settings.begin(), settings.end(), expected.DevExtra.begin() + 16);
        ASSERT_TRUE(Read(rb));

        EXPECT_EQ(rb.Image, expected);
        EXPECT_EQ(par.CurSwitchPreset, 3);
        EXPECT_EQ(par.DelayUnit(), 0);
        EXPECT_EQ(par.CurProgReg(), 4);
        EXPECT_EQ(par.ExtEnableMask, 15);
        EXPECT_EQ(par.ExtActiveMode, 1);
        EXPECT_EQ(par.ExtPriority, 5);
        EXPECT_EQ(par.FrontPanelLock(), 0);
        EXPECT_EQ(par.RegMirror, (std::array<double, 6>{2, 3, 4, 5, 6, 0}));
        EXPECT_EQ(std::vector<double>(par.SwitchPresetMask.begin(), par.SwitchPresetMask.end()),
                  std::vector<double>(masks.begin(), masks.end()));
        EXPECT_EQ(par.SwitchPresetLink, link == 0 ? 0 : 1) << "any value above 1 is stored as 1";
        EXPECT_EQ(par.CurProgName, "Working prog    ");
        EXPECT_EQ(par.ExtSignalIndex, (*devState)[11]);
        EXPECT_EQ(rb.RunningProgSlot,
                  Speaker::RunningProgramSlot(4, (*devState)[11], (*devState)[9], 15, 1));
        if (!H().External()) {
            EXPECT_EQ(rb.RunningProgSlot, 6);
        }
    }
}

TEST(RunningProgramSlot, FollowsTheExternalSignals) {
    using Speaker::RunningProgramSlot;
    EXPECT_EQ(RunningProgramSlot(3, 1, 0x0E, 0, 1), 3);      // no signal enabled
    EXPECT_EQ(RunningProgramSlot(3, 1, 0x00, 15, 0), 3);     // active high, no line
    EXPECT_EQ(RunningProgramSlot(3, 1, 0x02, 15, 0), 7);     // active high, line 2
    EXPECT_EQ(RunningProgramSlot(3, 2, 0x0F, 15, 1), 3);     // active low, all idle
    EXPECT_EQ(RunningProgramSlot(3, 2, 0x0E, 15, 1), 8);     // active low, "E03"
    EXPECT_EQ(RunningProgramSlot(3, 0xFF, 0x0E, 15, 1), 3);  // no winning signal
    EXPECT_EQ(RunningProgramSlot(3, 2, 0xF0, 15, 1), 8);     // only the low four bits count
    // The first and the last signal index, and one past the last, in both modes.
    struct Row {
        double signal;
        uint8_t lines;
        double mode;
        int16_t running;
    };
    const Row rows[] = {
        {0, 0x01, 0, 6}, {3, 0x08, 0, 9}, {4, 0x08, 0, 5},
        {0, 0x0E, 1, 6}, {3, 0x07, 1, 9}, {4, 0x07, 1, 5},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(RunningProgramSlot(5, r.signal, r.lines, 15, r.mode), r.running)
            << "signal " << r.signal << ", mode " << r.mode;
    }
}

TEST_F(ReadDeviceAtConnectTest, StopsAtTheFirstFailedRequest) {
    VX_REQUIRE_SIMULATOR(H());
    Dev().AddFault({devsim::FaultKind::NoReply, CmdReadDevState});
    Speaker::DeviceReadBack rb = Speaker::ReadBackOf(S(), slot);
    const Speaker::DeviceReadBack before = rb;
    EXPECT_FALSE(Read(rb));
    EXPECT_EQ(Dev().Log().back().request[3], CmdReadDevState);
    EXPECT_EQ(rb.Param.CurProgName, before.Param.CurProgName);
    EXPECT_EQ(rb.RunningProgSlot, before.RunningProgSlot);
    EXPECT_EQ(S().FwVersion[slot], "");  // the slot itself is untouched
}

}  // namespace
