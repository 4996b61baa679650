// Recalling a stored program into an edited editor: the slot is read over the wire, recalled
// on the device and then taken into the image, the model and the controls without a frame
// more; a recall that fails or can't start changes nothing on the PC.
#include <gtest/gtest.h>

#include "ProgramsFixture.h"
#include "devsim/Faults.h"
#include "model/AddressTables.h"
#include "model/MemoryMap.h"
#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"
#include "protocol/Commands.h"

namespace programs_test {
namespace {

constexpr int kSwitchLinkAddr = 53;

class ProgramRecall : public ProgramsFixture {
  protected:
    // The device connected and edited, its working program Program 0 and its slot k Program
    // 1, marked stored, that differs from it in every byte but the master input gain's high
    // byte, 0 as its sender keeps it; switch preset 8 current and linked to programs. The
    // stored program.
    Bytes PrepareSlot(int k) {
        Bytes working = Program(0);
        Bytes stored = Program(1);
        working[model::MasterLevelAddr[0]] = stored[model::MasterLevelAddr[0]] = 0;
        working[463] = 0;
        stored[463] = 85;
        PrepareAndEdit([&] {
            KeepSlots({k});
            Put(64, working);
            Put(model::ProgramSlotAddr(k), stored);
            Put(16, {7});
            Put(kSwitchLinkAddr, {1});
        });
        return stored;
    }
    // The reads of slot k, 8 bytes each, and its recall.
    static std::vector<Bytes> RecallFrames(int16_t slot, int k) {
        std::vector<Bytes> frames;
        for (int off = 0; off < 912; off += 8) {
            const int addr = model::ProgramSlotAddr(k) + off;
            frames.push_back(
                Frame(slot, CmdReadMem,
                      {static_cast<uint8_t>(addr >> 8), static_cast<uint8_t>(addr & 0xFF), 8}));
        }
        frames.push_back(Frame(slot, CmdRecallProgram, {static_cast<uint8_t>(k)}));
        return frames;
    }
    void Recall(int16_t slot, Position at) {
        if (at.extra) {
            RecallWith<FrmReadExtra>(slot, 10, "FrmReadExtra", at.n);
        } else {
            RecallWith<FrmRead>(slot, 3, "FrmRead", at.n);
        }
    }
};

// The first and last slot of each kind, holding a program that differs from the working one
// in every byte, the switch preset linked to programs: exactly the slot's reads and the recall
// go out, the image takes the slot, the switch preset follows a normal slot only, and the
// controls show the slot's program. On the device only the working program, the current
// program and (for a normal slot) the switch preset change. What the PC holds is what a
// reconnect reads and decodes.
class SlotRecall : public ProgramRecall, public ::testing::WithParamInterface<Position> {};

TEST_P(SlotRecall, TheSlotReplacesTheProgramWithExactly115Frames) {
    const auto [extra, n] = GetParam();
    const int k = GetParam().Slot();
    const int base = model::ProgramSlotAddr(k);
    const Bytes stored = PrepareSlot(k);
    const Bytes beside(16, 0x5A);
    Put(base - 16, beside);
    Put(base + 912, beside);
    Bytes low = H().ReadMemory(slot, 0, 1024);
    FrmCtrl& f = Editor(slot);
    const model::DevImageRecord before = S().DevImage[slot];
    ClearLog();

    S().InLinkMask[slot] = 0x0F;
    Recall(slot, GetParam());

    ExpectRequests(RecallFrames(slot, k));
    model::DevImageRecord expected = before;
    std::copy(stored.begin(), stored.end(), expected.ProgImage.begin());
    if (!extra) expected.DevExtra[16] = static_cast<uint8_t>(n);
    expected.DevExtra[18] = static_cast<uint8_t>(k);
    EXPECT_EQ(RecordBytes(S().DevImage[slot]), RecordBytes(expected));
    EXPECT_EQ(WorkingProgram(slot), stored);
    ExpectStereoPairs(slot, stored);
    EXPECT_EQ(S().DevParam[slot].CurSwitchPreset, extra ? 7.0 : n);
    EXPECT_EQ(f.Text1(10).Text(), "-29");  // the third output's level word, 980
    const std::string row = (extra ? "E0" : "0") + std::to_string(n + 1) + ": " +
                            std::string(&stored[432], &stored[448]);
    EXPECT_EQ(f.Label8.Caption(), row);
    EXPECT_TRUE(f.Caption().ends_with(" - Program load from device - " + row));
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(f.ProgressBar1.Value(), 114 + kApplyProgressSteps);
    EXPECT_FALSE(S().TxBlocked);
    EXPECT_EQ(S().GraphHold, 0);
    EXPECT_EQ(S().LoadStateWord, 0);
    EXPECT_EQ(S().InLinkMask[slot], 0);
    EXPECT_TRUE(H().host.Problems().empty());

    std::copy(stored.begin(), stored.end(), low.begin() + 64);
    if (!extra) low[16] = static_cast<uint8_t>(n);
    low[18] = static_cast<uint8_t>(k);
    EXPECT_EQ(H().ReadMemory(slot, 0, 1024), low) << "settings and working program";
    EXPECT_EQ(H().ReadMemory(slot, base, 912), stored) << "the slot itself";
    EXPECT_EQ(H().ReadMemory(slot, base - 16, 16), beside);
    EXPECT_EQ(H().ReadMemory(slot, base + 912, 16), beside);
    model::DevParamRecord recalled = S().DevParam[slot];
    const int16_t running = S().RunningProgSlot[slot];
    Reconnect(slot);
    Edit(slot);
    EXPECT_EQ(RecordBytes(S().DevImage[slot]), RecordBytes(expected));
    // The working program's name is read at connect alone; nothing shows it.
    recalled.CurProgName = S().DevParam[slot].CurProgName;
    EXPECT_TRUE(S().DevParam[slot] == recalled) << "a field the recall decoded otherwise";
    EXPECT_EQ(S().RunningProgSlot[slot], running);
}

INSTANTIATE_TEST_SUITE_P(FirstAndLast, SlotRecall, kFirstAndLastSlots);

// Recalled while every other output shows "Phase": each output is drawn, in its view, as a
// fresh editor on the recalled image draws it, with the recalled delays (the second output's is
// on in the slot and off before, 259 ms and 21 fine steps).
TEST_F(ProgramRecall, EveryOutputIsDrawnWithTheRecalledProgram) {
    PrepareSlot(2);
    FrmCtrl& f = Editor(slot);
    for (int16_t o = 1; o < 8; o += 2) {
        f.SSTab1.UserSelectTab(static_cast<int16_t>(o + 1));
        f.Option4(o).UserClick();
    }
    Recall(slot, {false, 2});
    EXPECT_TRUE(H().host.Problems().empty());
    ExpectDrawnAsFresh(slot);
    EXPECT_NEAR(S().Graph.Curves(slot).DelayPhase[1][0],
                -(20 * 3.1415926535 * (259 * 48 + 21) / 24000) * 57.2957877855694, 1e-9);
}

TEST_F(ProgramRecall, AnEmptySlotOrAnOfflineDeviceIsRefusedWithAMessage) {
    PrepareAndEdit([&] {
        KeepSlots({4});
        Put(model::ProgramSlotAddr(4) + 463, {0});
    });
    S().DevParam[slot].SlotStatus()[0] = 85;
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
    PrepareSlot(1);
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

// A recall from the first or last slot of each kind, on TCP/IP and on a serial link, failing at
// each of its frames in turn: the frames up to the failed one go out as in a whole recall and
// no more; the PC keeps its image, model and running slot; the device changes nothing but
// what the recall itself changes, when it was carried out at the last frame.
class RecallFaults : public ProgramRecall, public ::testing::WithParamInterface<LinkAndSlot> {};

TEST_P(RecallFaults, StopAtTheFailedFrameAndChangeNothingOnThePc) {
    const auto [link, at] = GetParam();
    const int k = at.Slot();
    testsupport::DeviceOptions options;
    options.link = link;
    Start(options);
    VX_REQUIRE_SIMULATOR(H());
    const Bytes stored = PrepareSlot(k);
    const Bytes working = H().Device().Read(model::WorkingProgramAddr, 912);
    const std::vector<Bytes> frames = RecallFrames(slot, k);
    for (int failed = 1; failed <= std::ssize(frames); ++failed) {
        SCOPED_TRACE("frame " + std::to_string(failed));
        H().Device().Write(model::WorkingProgramAddr, working);
        H().Device().Write(18, {0});
        Reconnect(slot);
        Edit(slot);
        const model::DevImageRecord image = S().DevImage[slot];
        const model::DevParamRecord param = S().DevParam[slot];
        const int16_t running = S().RunningProgSlot[slot];
        const Bytes memory = H().Device().Read(0, 0x10000);
        FailAt(failed);
        H().Device().ClearLog();

        Recall(slot, at);

        ASSERT_EQ(Requests(), Head(frames, failed));
        EXPECT_EQ(S().DevImage[slot], image);
        EXPECT_EQ(S().DevParam[slot], param);
        EXPECT_EQ(S().RunningProgSlot[slot], running);
        EXPECT_FALSE(S().TxBlocked);
        EXPECT_EQ(S().GraphHold, 0);
        EXPECT_EQ(S().LoadStateWord, 0);
        EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr) << "the device went offline";
        Bytes expected = memory;
        if (failed == std::ssize(frames)) {
            std::copy(stored.begin(), stored.end(), expected.begin() + model::WorkingProgramAddr);
            expected[18] = static_cast<uint8_t>(k);
            if (!at.extra) expected[16] = static_cast<uint8_t>(at.n);
        }
        EXPECT_TRUE(H().Device().Read(0, 0x10000) == expected) << "device memory";
        if (HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(LinksAndEnds, RecallFaults, kLinksAndEnds);

}  // namespace
}  // namespace programs_test
