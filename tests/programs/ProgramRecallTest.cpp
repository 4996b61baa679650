// Recalling a stored program into an edited editor: the slot is read over the wire, recalled
// on the device and then taken into the image, the model and the controls without a frame
// more; a recall that fails or can't start changes nothing on the PC.
#include <gtest/gtest.h>

#include "ProgramsFixture.h"
#include "devsim/Faults.h"
#include "link/Commands.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"

namespace programs_test {
namespace {

constexpr int kSwitchLinkAddr = 53;

class ProgramRecall : public ProgramsFixture {
  protected:
    // Puts a program into stored slot k of the device over the wire: the factory program with
    // output 3 at -12 dB, named name, marked stored.
    Bytes StoreOnDevice(int k, const std::string& name) {
        Bytes prog = WorkingProgram(slot);
        prog[model::GainAddrHi[10]] = 1150 >> 8;
        prog[model::GainAddrLo[10]] = 1150 & 0xFF;
        std::copy(name.begin(), name.end(), prog.begin() + 432);
        prog[463] = 85;
        // The master input gain as its sender keeps it: high byte 0.
        prog[model::MasterLevelAddr[0]] = 0;
        // A Line input always uses the equaliser, as the Mic/Line sender keeps it.
        prog[model::InProcAddr] |= prog[model::InSourceAddr];
        KeepSlots({k});
        Put(model::ProgramSlotAddr(k), prog);
        return prog;
    }
    // The device with stored slots prepared, then connected and edited.
    int16_t Prepare(const std::function<void()>& onDevice) {
        PrepareAndEdit(onDevice);
        Editor(slot).SSTab1.UserSelectTab(3);
        Enter(Editor(slot).Text1(10), "-3");
        ClearLog();
        return slot;
    }
};

TEST_F(ProgramRecall, ASlotReplacesTheEditedProgramWithExactly115Frames) {
    Bytes stored;
    const int16_t slot = Prepare([&] {
        stored = StoreOnDevice(2, "Recall me       ");
        Put(kSwitchLinkAddr, {1});
    });
    FrmCtrl& f = Editor(slot);
    ASSERT_EQ(f.Text1(10).Text(), "-3");

    RecallWith<FrmRead>(slot, 3, "FrmRead", 2);

    if (Simulated()) {
        const std::vector<Bytes> sent = Requests();
        ASSERT_EQ(sent.size(), 115u);
        for (int j = 0; j < 114; ++j) {
            EXPECT_EQ(sent[j][3], CmdReadMem);
            EXPECT_EQ(sent[j][4] * 256 + sent[j][5], 1024 + 912 * 2 + 8 * j);
            EXPECT_EQ(sent[j][6], 8);
        }
        EXPECT_EQ(sent[114][3], CmdRecallProgram);
        EXPECT_EQ(sent[114][4], 2);
    }

    EXPECT_EQ(ImageProgram(slot), stored);
    EXPECT_EQ(WorkingProgram(slot), stored);
    EXPECT_EQ(f.Text1(10).Text(), "-12");
    EXPECT_EQ(f.Slider1(10).Value(), 1450 - 1150);
    EXPECT_EQ(f.Label8.Caption(), "03: Recall me       ");
    EXPECT_TRUE(f.Caption().ends_with(" - Program load from device - 03: Recall me       "));
    EXPECT_EQ(S().DevParam[slot].CurSwitchPreset, 2.0) << "the switch preset follows";
    EXPECT_EQ(S().DevImage[slot].DevExtra[16], 2);
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(f.ProgressBar1.Value(), 114 + kApplyProgressSteps);
    EXPECT_FALSE(S().TxBlocked);
    EXPECT_EQ(S().GraphHold, 0);
    EXPECT_EQ(S().LoadStateWord, 0);
    EXPECT_EQ(S().InLinkMask[slot], 0);
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramRecall, AnExtraSlotLeavesTheSwitchPresetAlone) {
    Bytes stored;
    const int16_t slot = Prepare([&] {
        stored = StoreOnDevice(8, "Extra three     ");
        Put(kSwitchLinkAddr, {1});
    });
    const double preset = S().DevParam[slot].CurSwitchPreset;

    RecallWith<FrmReadExtra>(slot, 10, "FrmReadExtra", 2);

    if (Simulated()) {
        const std::vector<Bytes> sent = Requests();
        ASSERT_EQ(sent.size(), 115u);
        EXPECT_EQ(sent.front()[4] * 256 + sent.front()[5], 8320);
        EXPECT_EQ(sent[113][4] * 256 + sent[113][5], 9224);
        EXPECT_EQ(sent[114][4], 8);
    }
    EXPECT_EQ(ImageProgram(slot), stored);
    EXPECT_EQ(S().DevParam[slot].CurSwitchPreset, preset);
    EXPECT_EQ(Editor(slot).Label8.Caption(), "E03: Extra three     ");
}

TEST_F(ProgramRecall, AnEmptySlotOrAnOfflineDeviceIsRefusedWithAMessage) {
    const int16_t slot = Prepare([&] {
        StoreOnDevice(0, "Stored          ");
        KeepSlots({4});
        Put(model::ProgramSlotAddr(4) + 463, {0});
    });
    H().host.TakeMessages();
    RecallWith<FrmRead>(slot, 3, "FrmRead", 4);
    ExpectRequests({});
    const auto message = OneMessage();
    EXPECT_EQ(message.prompt, "Program empty");
    EXPECT_EQ(message.title, "Read program");

    S().DevList[slot].Online = 0;
    const model::DevImageRecord imageBefore = S().DevImage[slot];
    RecallWith<FrmRead>(slot, 3, "FrmRead", 0);
    ExpectRequests({});
    EXPECT_NE(OneMessage().prompt.find("offline"), std::string::npos);
    EXPECT_EQ(S().DevImage[slot], imageBefore);
}

// A fault from the given frame on: the recall stops there and the PC keeps what it had.
class FailedRecall : public ProgramRecall, public ::testing::WithParamInterface<int> {};

TEST_P(FailedRecall, ChangesNothingOnThePc) {
    Start();
    VX_REQUIRE_SIMULATOR(H());
    const int16_t slot = Prepare([&] { StoreOnDevice(1, "Half read       "); });
    const model::DevImageRecord imageBefore = S().DevImage[slot];
    const model::DevParamRecord paramBefore = S().DevParam[slot];
    devsim::FaultRule fault;
    fault.fromFrame = H().Device().FrameCount() + GetParam();
    H().Device().AddFault(fault);

    RecallWith<FrmRead>(slot, 3, "FrmRead", 1);

    EXPECT_EQ(Requests().size(), static_cast<size_t>(GetParam()));
    EXPECT_EQ(S().DevImage[slot], imageBefore);
    EXPECT_EQ(S().DevParam[slot], paramBefore);
    EXPECT_FALSE(S().TxBlocked);
    EXPECT_EQ(S().LoadStateWord, 0);
    if (FrmCtrl* f = ExistingFrmCtrl(S(), slot)) {
        EXPECT_FALSE(f->ProgressBar1.Visible());
    }
}

INSTANTIATE_TEST_SUITE_P(ReadOrRecall, FailedRecall, ::testing::Values(50, 115));

}  // namespace
}  // namespace programs_test
