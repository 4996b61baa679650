// Storing the edited program into a slot of the device: the slot's memory read back over the
// wire equals the image with its name and stored mark, and a store that fails or can't start
// changes nothing on the PC.
#include <gtest/gtest.h>

#include "ProgramsFixture.h"
#include "devsim/Faults.h"
#include "model/MemoryMap.h"
#include "programs/FrmRead.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"
#include "protocol/Commands.h"

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
    // The frames of a store of program (its name and mark set) into the slot at: the mark of
    // a slot that held a program cleared first, the slot without the frame of the mark, the
    // working program's name, a normal slot's number into the current-program register, and
    // the frame of the mark last.
    static std::vector<Bytes> StoreFrames(int16_t slot, Position at, const Bytes& program,
                                          bool held) {
        const int base = model::ProgramSlotAddr(at.Slot());
        const auto write4 = [&](int addr, int from) {
            return Frame(slot, CmdWriteMem4,
                         {static_cast<uint8_t>(addr >> 8), static_cast<uint8_t>(addr & 0xFF),
                          program[from], program[from + 1], program[from + 2], program[from + 3]});
        };
        std::vector<Bytes> frames;
        if (held) {
            const int mark = base + kMarkAddr;
            frames.push_back(Frame(
                slot, CmdWriteByte,
                {static_cast<uint8_t>(mark >> 8), static_cast<uint8_t>(mark & 0xFF), 0, 0, 0}));
        }
        for (int off = 0; off < 912; off += 4) {
            if (off != 460) frames.push_back(write4(base + off, off));
        }
        for (int j = 0; j < 16; j += 4) frames.push_back(write4(496 + j, kNameAddr + j));
        if (!at.extra) {
            frames.push_back(Frame(slot, CmdWriteByte, {0, 18, 0, 0, static_cast<uint8_t>(at.n)}));
        }
        frames.push_back(write4(base + 460, 460));
        return frames;
    }
    template <class... Args>
    void Store(int16_t slot, Position at, Args... args) {
        if (at.extra) {
            StoreWith<FrmStoreExtra>(slot, 11, "FrmStoreExtra", at.n, args...);
        } else {
            StoreWith<FrmStore>(slot, 2, "FrmStore", at.n, args...);
        }
    }
};

// The first and last slot of each kind, stored twice (the second store finds the slot stored
// and clears its mark first); before each store the slot holds a content that differs from the
// stored program in every byte, and the bytes beside the slot something else again. Exactly
// the slot's frames go out, the mark last; on the device only the slot, the working program's
// name and (for a normal slot) the current-program register change.
class SlotStore : public ProgramStore, public ::testing::WithParamInterface<Position> {};

TEST_P(SlotStore, TheProgramGoesIntoTheSlotWithItsNameAndTheMarkLast) {
    const auto [extra, n] = GetParam();
    const int k = GetParam().Slot();
    const int base = model::ProgramSlotAddr(k);
    const int16_t slot = PrepareAndEdit([&] {
        KeepSlots({k});
        Put(64, Program(1));
    });
    const Bytes program = ImageProgram(slot);
    const Bytes besideBefore(16, 0xA5), besideAfter(16, 0x5A);
    // Leading blanks are kept; an empty name is stored as sixteen blanks.
    const std::pair<std::string, std::string> names[] = {{"  Two lead", "  Two lead      "},
                                                         {"", std::string(16, ' ')}};
    for (const auto& [name, padded] : names) {
        Bytes expected = program;
        std::copy(padded.begin(), padded.end(), expected.begin() + kNameAddr);
        expected[kMarkAddr] = 85;
        Bytes old = expected;
        for (uint8_t& b : old) b ^= 0xFF;
        Put(base, old);
        Put(base - 16, besideBefore);
        Put(base + 912, besideAfter);
        Bytes low = H().ReadMemory(slot, 0, 1024);
        const Bytes reg = {low[18]};
        const bool held = S().DevParam[slot].SlotStatus()[k] == 85.0;
        ClearLog();
        Store(slot, GetParam(), name);

        ExpectRequests(StoreFrames(slot, GetParam(), expected, held));
        EXPECT_EQ(SlotOnDevice(slot, k), expected);
        EXPECT_EQ(ImageProgram(slot), expected);
        EXPECT_EQ(H().ReadMemory(slot, base - 16, 16), besideBefore);
        EXPECT_EQ(H().ReadMemory(slot, base + 912, 16), besideAfter);
        EXPECT_EQ(H().ReadMemory(slot, 496, 16), Bytes(padded.begin(), padded.end()));
        EXPECT_EQ(H().ReadMemory(slot, 18, 1), extra ? reg : Bytes{static_cast<uint8_t>(n)});
        std::copy(padded.begin(), padded.end(), low.begin() + 496);
        if (!extra) low[18] = static_cast<uint8_t>(n);
        EXPECT_EQ(H().ReadMemory(slot, 0, 1024), low) << "settings and working program";
        const model::DevParamRecord& par = S().DevParam[slot];
        EXPECT_EQ(extra ? par.ExtraSlotName[n] : par.SlotName[n], padded);
        EXPECT_EQ(par.SlotStatus()[k], 85.0);
        EXPECT_TRUE(Editor(slot).Caption().ends_with("- Program load from device - " +
                                                     std::string(extra ? "E0" : "0") +
                                                     std::to_string(n + 1) + ": " + padded));
    }
    EXPECT_TRUE(H().host.Problems().empty());
}

INSTANTIATE_TEST_SUITE_P(FirstAndLast, SlotStore, kFirstAndLastSlots);

// Reopening the editor names the slot last recalled or stored into a normal slot, as a connect
// would find it; an extra store leaves the running slot as it was (see RunningSlot below).
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
    EXPECT_EQ(reopen().get().Label8.Caption(), "05: Five            ");
    EXPECT_TRUE(H().host.Problems().empty());
}

// Slot 02 recalled, then a store into the first or last slot of each kind: the open editor,
// the editor opened again and opened after a reconnect name the same slot, the one the
// device's current-program register holds: the stored slot for a normal store, 02 still after
// an extra one.
class RunningSlot : public ProgramStore, public ::testing::WithParamInterface<Position> {};

TEST_P(RunningSlot, AfterAStoreIsTheOneTheDeviceReports) {
    constexpr int kRecalled = 1;
    const auto [extra, n] = GetParam();
    const int k = GetParam().Slot();
    const int16_t slot = PrepareAndEdit([&] {
        KeepSlots({kRecalled, k});
        Bytes recalled = Program(0);
        recalled[kMarkAddr] = 85;
        Put(model::ProgramSlotAddr(kRecalled), recalled);
        Put(21, {0});  // no external signal chooses the program
    });
    RecallWith<FrmRead>(slot, 3, "FrmRead", kRecalled);
    if (extra) {
        StoreWith<FrmStoreExtra>(slot, 11, "FrmStoreExtra", n, "Stored");
    } else {
        StoreWith<FrmStore>(slot, 2, "FrmStore", n, "Stored");
    }
    const int running = extra ? kRecalled : k;
    const std::string row = "0" + std::to_string(running + 1) + ": " +
                            (extra ? "ABCDEFGHIJKLMNOP" : "Stored          ");
    EXPECT_EQ(Editor(slot).Label8.Caption(), row) << "the open editor";
    H().host.Answer(ui::vbYes);
    ASSERT_TRUE(Editor(slot).UserClose());
    EXPECT_EQ(Edit(slot).Label8.Caption(), row);
    EXPECT_EQ(S().RunningProgSlot[slot], running);
    EXPECT_EQ(S().DevImage[slot].DevExtra[18], running) << "record byte 931";
    EXPECT_EQ(S().DevParam[slot].CurProgReg(), running);
    EXPECT_EQ(H().ReadMemory(slot, 18, 1), Bytes{static_cast<uint8_t>(running)});

    Reconnect(slot);
    EXPECT_EQ(Edit(slot).Label8.Caption(), row);
    EXPECT_EQ(S().RunningProgSlot[slot], running);
    EXPECT_TRUE(H().host.Problems().empty());
}

INSTANTIATE_TEST_SUITE_P(FirstAndLast, RunningSlot, kFirstAndLastSlots);

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

// A store into the first or last slot of each kind, on TCP/IP and on a serial link, into an
// empty slot and into one that holds a program, failing at each of its frames in turn: the
// frames up to the failed one go out as in a whole store and no more; the PC lists the slot as
// not stored and keeps its running slot, and the open editor the running program it names;
// the device changes nowhere but in the slot, the working program's name and the
// current-program register; after a reconnect the slot is listed as stored only over a whole
// program.
class StoreFaults : public ProgramStore, public ::testing::WithParamInterface<LinkAndSlot> {};

TEST_P(StoreFaults, StopAtTheFailedFrameAndNeverLeaveAPartialProgramStored) {
    const auto [link, at] = GetParam();
    const int16_t slot = EditOn(link);
    VX_REQUIRE_SIMULATOR(H());
    const int k = at.Slot();
    const int base = model::ProgramSlotAddr(k);
    const std::string label = (at.extra ? "E0" : "0") + std::to_string(at.n + 1);
    const std::string name = "Half            ";
    for (bool held : {false, true}) {
        Bytes old(912, 0x11);
        old[kMarkAddr] = held ? 85 : 0;
        const int frames = (at.extra ? 232 : 233) + (held ? 1 : 0);
        for (int failed = 1; failed <= frames; ++failed) {
            SCOPED_TRACE((held ? "stored slot, frame " : "empty slot, frame ") +
                         std::to_string(failed));
            H().Device().Write(base, old);
            Reconnect(slot);
            Edit(slot);
            ASSERT_EQ(S().DevParam[slot].SlotStatus()[k] == 85.0, held);
            Bytes whole = ImageProgram(slot);
            std::copy(name.begin(), name.end(), whole.begin() + kNameAddr);
            whole[kMarkAddr] = 85;
            const Bytes memory = H().Device().Read(0, 0x10000);
            const int16_t running = S().RunningProgSlot[slot];
            FrmCtrl& open = Editor(slot);
            const std::string named = open.Label8.Caption();
            FailAt(failed);
            H().Device().ClearLog();
            H().host.TakeMessages();

            Store(slot, at, "Half");

            ASSERT_EQ(Requests(), Head(StoreFrames(slot, at, whole, held), failed));
            const auto messages = H().host.TakeMessages();
            ASSERT_FALSE(messages.empty());
            EXPECT_EQ(messages.back().prompt, "Program " + label +
                                                  " was not stored: its content on the device is "
                                                  "incomplete.");
            EXPECT_EQ(messages.back().title, at.extra ? "Store Program Extra" : "Store Program");
            const model::DevParamRecord& par = S().DevParam[slot];
            EXPECT_NE(par.SlotStatus()[k], 85.0);
            EXPECT_EQ(at.extra ? par.ExtraSlotName[at.n] : par.SlotName[at.n], " Program Empty  ");
            EXPECT_EQ(S().RunningProgSlot[slot], running);
            EXPECT_EQ(open.Label8.Caption(), named);
            Bytes now = H().Device().Read(0, 0x10000);
            std::copy_n(memory.begin() + base, 912, now.begin() + base);
            std::copy_n(memory.begin() + 496, 16, now.begin() + 496);
            now[18] = memory[18];
            EXPECT_TRUE(now == memory) << "the device changed outside the store's bytes";

            Reconnect(slot);
            if (S().DevParam[slot].SlotStatus()[k] == 85.0) {
                const Bytes stored = H().Device().Read(base, 912);
                EXPECT_TRUE(stored == whole || stored == old) << "a partial program";
            }
            if (HasFailure()) return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LinksAndEnds, StoreFaults, kLinksAndEnds);

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
