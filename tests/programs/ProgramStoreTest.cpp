// Storing the edited program into a slot of the device: the slot's memory read back over the
// wire equals the image with its name and stored mark, and a store that fails or can't start
// changes nothing on the PC.
#include <gtest/gtest.h>

#include "ProgramsFixture.h"
#include "devsim/Faults.h"
#include "link/Commands.h"
#include "model/MemoryMap.h"
#include "programs/FrmRead.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"

namespace programs_test {
namespace {

constexpr int kNameAddr = 432;
constexpr int kMarkAddr = 463;

class ProgramStore : public ProgramsFixture {
  protected:
    // The stored program k read back from the device.
    Bytes SlotOnDevice(int16_t slot, int k) {
        return H().ReadMemory(slot, model::ProgramSlotAddr(k), 912);
    }
};

// Stored twice into the same slot: the second store finds it stored and clears its mark first.
TEST_F(ProgramStore, TheEditedProgramGoesIntoSlotFourWithItsNameAndTheMarkLast) {
    const int16_t slot = EditAll().at(0);
    KeepSlots({3});
    FrmCtrl& f = Editor(slot);
    f.SSTab1.UserSelectTab(3);
    Enter(f.Text1(10), "-6");
    for (const std::string padded : {"Stage A         ", "Stage B         "}) {
        const bool held = S().DevParam[slot].SlotStatus()[3] == 85.0;
        ClearLog();
        StoreWith<FrmStore>(slot, 2, "FrmStore", 3, padded.substr(0, 7));

        const Bytes image = ImageProgram(slot);
        EXPECT_EQ(std::string(image.begin() + kNameAddr, image.begin() + kNameAddr + 16), padded);
        EXPECT_EQ(image[kMarkAddr], 85);
        if (Simulated()) {
            const std::vector<Bytes> sent = Requests();
            ASSERT_EQ(sent.size(), held ? 234u : 233u)
                << "228 slot frames, 4 name frames, the slot number; first the old mark cleared";
            const size_t k = held ? 1 : 0;
            if (held) {
                EXPECT_EQ(sent[0], Frame(slot, CmdWriteByte, {0x10, 0x7F, 0, 0, 0}))
                    << "slot 3's mark at 1024 + 912 * 3 + 463 cleared";
            }
            EXPECT_EQ(sent[k], Frame(slot, CmdWriteMem4,
                                     {0x0E, 0xB0, image[0], image[1], image[2], image[3]}));
            EXPECT_EQ(sent[k + 227][4] * 256 + sent[k + 227][5], 496) << "then the name";
            EXPECT_EQ(sent[k + 231], Frame(slot, CmdWriteByte, {0, 18, 0, 0, 3}));
            EXPECT_EQ(sent.back(), Frame(slot, CmdWriteMem4,
                                         {0x10, 0x7C, image[460], image[461], image[462], 85}))
                << "the slot frame with the mark last";
        }
        EXPECT_EQ(SlotOnDevice(slot, 3), image);
        EXPECT_EQ(H().ReadMemory(slot, 496, 16), Bytes(padded.begin(), padded.end()));
        EXPECT_EQ(H().ReadMemory(slot, 18, 1), Bytes{3});
        EXPECT_EQ(S().DevParam[slot].SlotName[3], padded);
        EXPECT_EQ(S().DevParam[slot].SlotStatus()[3], 85.0);
        EXPECT_TRUE(f.Caption().ends_with("- Program load from device - 04: " + padded));
    }
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramStore, AnExtraSlotGetsTheProgramAndNoSlotNumber) {
    const int16_t slot = EditAll().at(0);
    KeepSlots({7});
    ClearLog();

    StoreWith<FrmStoreExtra>(slot, 11, "FrmStoreExtra", 1, "  Two lead");

    if (Simulated()) {
        const std::vector<Bytes> sent = Requests();
        ASSERT_EQ(sent.size(), 232u);
        EXPECT_EQ(sent.front()[4] * 256 + sent.front()[5], 7408);
        EXPECT_EQ(sent[226][4] * 256 + sent[226][5], 7408 + 908);
        EXPECT_EQ(sent[227][4] * 256 + sent[227][5], 496) << "then the name";
        EXPECT_EQ(sent.back()[4] * 256 + sent.back()[5], 7408 + 460) << "the mark last";
        for (const Bytes& frame : sent) EXPECT_EQ(frame[3], CmdWriteMem4);
    }
    const std::string padded = "  Two lead      ";
    EXPECT_EQ(SlotOnDevice(slot, 7), ImageProgram(slot));
    EXPECT_EQ(S().DevParam[slot].ExtraSlotName[1], padded);
    EXPECT_EQ(S().DevParam[slot].SlotStatus()[7], 85.0);
    EXPECT_NE(Editor(slot).Caption().find("- Program load from device - E02: " + padded),
              std::string::npos);
}

// Reopening the editor names the slot last stored or recalled, as a connect would find it.
TEST_F(ProgramStore, AStoredOrRecalledSlotIsTheRunningOneWhenTheEditorOpensAgain) {
    const int16_t slot = EditAll().at(0);
    KeepSlots({2, 4, 7});
    const auto reopen = [&] {
        H().host.Answer(ui::vbYes);
        EXPECT_TRUE(Editor(slot).UserClose());
        return std::ref(Edit(slot));
    };
    StoreWith<FrmStore>(slot, 2, "FrmStore", 4, "Five");
    StoreWith<FrmStore>(slot, 2, "FrmStore", 2, "Three");
    FrmCtrl& stored = reopen();
    EXPECT_EQ(stored.Label8.Caption(), "03: Three           ");
    EXPECT_TRUE(stored.Caption().ends_with("- Program load from device - 03: Three           "));

    RecallWith<FrmRead>(slot, 3, "FrmRead", 4);
    EXPECT_EQ(reopen().get().Label8.Caption(), "05: Five            ");
    EXPECT_EQ(S().RunningProgSlot[slot], 4);
    EXPECT_EQ(S().DevImage[slot].DevExtra[18], 4) << "record byte 931";

    StoreWith<FrmStoreExtra>(slot, 11, "FrmStoreExtra", 1, "Extra two");
    EXPECT_EQ(reopen().get().Label8.Caption(), "E02: Extra two       ");
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramStore, AnEmptyNameIsStoredAsSixteenBlanksAndListedSo) {
    const int16_t slot = EditAll().at(0);
    KeepSlots({2});
    StoreWith<FrmStore>(slot, 2, "FrmStore", 2, "");
    EXPECT_EQ(S().DevParam[slot].SlotName[2], std::string(16, ' '));
    EXPECT_EQ(H().ReadMemory(slot, model::ProgramSlotAddr(2) + kNameAddr, 16), Bytes(16, ' '));

    std::string row;
    Drive<FrmStore>("FrmStore", [&](FrmStore& w) {
        row = w.List1.List(2);
        w.Command1(0).UserClick();
    });
    Editor(slot).Command2(2).UserClick();
    EXPECT_EQ(row, "03: " + std::string(16, ' '));
}

// A store that fails at any of its frames (the device has carried out that frame), into an
// empty slot and into one that holds a program: the message names the slot, the PC lists it
// as not stored, and after a reconnect it is listed as stored only over a whole program.
class FailedStore : public ProgramStore, public ::testing::WithParamInterface<bool> {};

TEST_P(FailedStore, NeverLeavesAPartialProgramListedAsStored) {
    const bool held = GetParam();
    const int16_t slot = EditAll().at(0);
    VX_REQUIRE_SIMULATOR(H());
    constexpr int kSlot = 4;
    Bytes old(912, 0x11);
    const std::string oldName = "Old program     ";
    std::copy(oldName.begin(), oldName.end(), old.begin() + kNameAddr);
    old[kMarkAddr] = held ? 85 : 0;
    const std::string name = "Half            ";
    const int frames = held ? 234 : 233;
    for (int at = 1; at <= frames; ++at) {
        H().Device().Write(model::ProgramSlotAddr(kSlot), old);
        Reconnect(slot);
        Edit(slot);
        ASSERT_EQ(S().DevParam[slot].SlotStatus()[kSlot] == 85.0, held);
        Bytes whole = ImageProgram(slot);
        std::copy(name.begin(), name.end(), whole.begin() + kNameAddr);
        whole[kMarkAddr] = 85;
        H().Device().AddFault(
            {devsim::FaultKind::DropConnection, -1, H().Device().FrameCount() + at, 1});
        H().Device().ClearLog();
        H().host.TakeMessages();

        StoreWith<FrmStore>(slot, 2, "FrmStore", kSlot, "Half");

        ASSERT_EQ(Requests().size(), static_cast<size_t>(at)) << "nothing after the failed frame";
        const auto messages = H().host.TakeMessages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back().prompt,
                  "Program 05 was not stored: its content on the device is incomplete.");
        EXPECT_EQ(messages.back().title, "Store Program");
        EXPECT_NE(S().DevParam[slot].SlotStatus()[kSlot], 85.0) << at;
        EXPECT_EQ(S().DevParam[slot].SlotName[kSlot], " Program Empty  ");

        Reconnect(slot);
        if (S().DevParam[slot].SlotStatus()[kSlot] == 85.0) {
            const Bytes stored = H().Device().Read(model::ProgramSlotAddr(kSlot), 912);
            EXPECT_TRUE(stored == whole || stored == old) << "a partial program after frame " << at;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EmptyOrStoredSlot, FailedStore, ::testing::Bool());

TEST_F(ProgramStore, NoAnswerOrAnOfflineDeviceStoresNothing) {
    const int16_t slot = EditAll().at(0);
    ClearLog();
    StoreWith<FrmStore>(slot, 2, "FrmStore", 0, "Kept", ui::vbNo);
    ExpectRequests({});
    EXPECT_NE(S().DevParam[slot].SlotName[0], "Kept" + std::string(12, ' '));

    S().DevList[slot].Online = 0;
    const model::DevImageRecord imageBefore = S().DevImage[slot];
    const model::DevParamRecord paramBefore = S().DevParam[slot];
    H().host.TakeMessages();
    StoreWith<FrmStore>(slot, 2, "FrmStore", 4, "Nowhere");
    ExpectRequests({});
    const auto message = OneMessage();
    EXPECT_EQ(message.title, "Store Program");
    EXPECT_NE(message.prompt.find("offline"), std::string::npos);
    EXPECT_EQ(S().DevImage[slot], imageBefore);
    EXPECT_EQ(S().DevParam[slot], paramBefore);
}

}  // namespace
}  // namespace programs_test
