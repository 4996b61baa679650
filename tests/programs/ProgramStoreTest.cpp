// Storing the edited program into a slot of the device: the slot's memory read back over the
// wire equals the image with its name and stored mark, and a store that fails or can't start
// changes nothing on the PC.
#include <gtest/gtest.h>

#include "ProgramsFixture.h"
#include "devsim/Faults.h"
#include "link/Commands.h"
#include "model/MemoryMap.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"

namespace programs_test {
namespace {

constexpr int kNameAddr = 432;
constexpr int kMarkAddr = 463;

class ProgramStore : public ProgramsFixture {
  protected:
    // Opens the store window from the editor's button; in it, picks position, types name
    // and stores, answering the question with answer.
    template <class Window>
    void StoreWith(int16_t slot, int16_t button, const char* form, int16_t position,
                   const std::string& name, int answer = ui::vbYes) {
        Drive<Window>(form, [=, this](Window& w) {
            w.Combo1.UserSelect(position);
            Retype(w.Text1, name);
            H().host.Answer(answer);
            w.Command1(1).UserClick();
            if (w.Visible()) w.Command1(0).UserClick();
        });
        Editor(slot).Command2(button).UserClick();
    }
    // The stored program k read back from the device.
    Bytes SlotOnDevice(int16_t slot, int k) {
        return H().ReadMemory(slot, model::ProgramSlotAddr(k), 912);
    }
};

TEST_F(ProgramStore, TheEditedProgramGoesIntoSlotFourWithItsNameAndMark) {
    const int16_t slot = EditAll().at(0);
    FrmCtrl& f = Editor(slot);
    f.SSTab1.UserSelectTab(3);
    Enter(f.Text1(10), "-6");
    H().Preserve(slot, model::ProgramSlotAddr(3), 912);
    H().Preserve(slot, 18, 1);
    ClearLog();

    StoreWith<FrmStore>(slot, 2, "FrmStore", 3, "Stage A");

    const Bytes image = ImageProgram(slot);
    if (Simulated()) {
        const std::vector<Bytes> sent = Requests();
        ASSERT_EQ(sent.size(), 233u) << "228 slot frames, 4 name frames, the slot number";
        EXPECT_EQ(sent.front(), (Bytes{0xF0, 0x46, static_cast<uint8_t>(slot), CmdWriteMem4, 0x0E,
                                       0xB0, image[0], image[1], image[2], image[3], 0, 0, 0xF7}))
            << "slot 3 starts at device address 1024 + 912 * 3";
        EXPECT_EQ(sent[228][4] * 256 + sent[228][5], 496) << "then the name";
        EXPECT_EQ(sent.back()[3], CmdWriteByte);
        EXPECT_EQ(sent.back()[5], 18);
        EXPECT_EQ(sent.back()[8], 3);
    }

    const std::string padded = "Stage A         ";
    EXPECT_EQ(SlotOnDevice(slot, 3), image);
    EXPECT_EQ(std::string(image.begin() + kNameAddr, image.begin() + kNameAddr + 16), padded);
    EXPECT_EQ(image[kMarkAddr], 85);
    EXPECT_EQ(H().ReadMemory(slot, 496, 16), Bytes(padded.begin(), padded.end()));
    EXPECT_EQ(H().ReadMemory(slot, 18, 1), Bytes{3});
    EXPECT_EQ(S().DevParam[slot].SlotName[3], padded);
    EXPECT_EQ(S().DevParam[slot].SlotStatus()[3], 85.0);
    EXPECT_NE(f.Caption().find(" - Program load from device - 04: " + padded), std::string::npos);
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramStore, AnExtraSlotGetsTheProgramAndNoSlotNumber) {
    const int16_t slot = EditAll().at(0);
    H().Preserve(slot, model::ProgramSlotAddr(7), 912);
    ClearLog();

    StoreWith<FrmStoreExtra>(slot, 11, "FrmStoreExtra", 1, "  Two lead");

    if (Simulated()) {
        const std::vector<Bytes> sent = Requests();
        ASSERT_EQ(sent.size(), 232u);
        EXPECT_EQ(sent.front()[4] * 256 + sent.front()[5], 7408);
        EXPECT_EQ(sent[227][4] * 256 + sent[227][5], 7408 + 908);
        for (const Bytes& frame : sent) EXPECT_EQ(frame[3], CmdWriteMem4);
    }
    const std::string padded = "  Two lead      ";
    EXPECT_EQ(SlotOnDevice(slot, 7), ImageProgram(slot));
    EXPECT_EQ(S().DevParam[slot].ExtraSlotName[1], padded);
    EXPECT_EQ(S().DevParam[slot].SlotStatus()[7], 85.0);
    EXPECT_NE(Editor(slot).Caption().find("- Program load from device - E02: " + padded),
              std::string::npos);
}

TEST_F(ProgramStore, AnEmptyNameIsStoredAsSixteenBlanksAndListedSo) {
    const int16_t slot = EditAll().at(0);
    H().Preserve(slot, model::ProgramSlotAddr(2), 912);
    H().Preserve(slot, 18, 1);
    StoreWith<FrmStore>(slot, 2, "FrmStore", 2, "");
    EXPECT_EQ(H().ReadMemory(slot, model::ProgramSlotAddr(2) + kNameAddr, 16), Bytes(16, ' '));
    EXPECT_EQ(S().DevParam[slot].SlotName[2], std::string(16, ' '));

    std::string row;
    Drive<FrmStore>("FrmStore", [&](FrmStore& w) {
        row = w.List1.List(2);
        w.Command1(0).UserClick();
    });
    Editor(slot).Command2(2).UserClick();
    EXPECT_EQ(row, "03: " + std::string(16, ' '));
}

TEST_F(ProgramStore, AFailedFrameChangesNothingOnThePc) {
    const int16_t slot = EditAll().at(0);
    VX_REQUIRE_SIMULATOR(H());
    const model::DevImageRecord imageBefore = S().DevImage[slot];
    const model::DevParamRecord paramBefore = S().DevParam[slot];
    H().Device().ClearLog();
    devsim::FaultRule fault;
    fault.fromFrame = H().Device().FrameCount() + 100;
    H().Device().AddFault(fault);
    int16_t pointer = -1;
    Drive<FrmStore>("FrmStore", [&](FrmStore& w) {
        w.Combo1.UserSelect(1);
        Retype(w.Text1, "Lost");
        H().host.Answer(ui::vbYes);
        w.Command1(1).UserClick();
        pointer = w.MousePointer();
        EXPECT_FALSE(w.ProgressBar1.Visible());
        EXPECT_FALSE(w.Visible()) << "the window closes";
    });
    Editor(slot).Command2(2).UserClick();

    EXPECT_EQ(Requests().size(), 100u) << "nothing after the failed frame";
    EXPECT_EQ(pointer, ui::vbDefault);
    EXPECT_EQ(S().DevImage[slot], imageBefore);
    EXPECT_EQ(S().DevParam[slot], paramBefore);
}

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
