// The input senders, the stereo pairs and the channel names against the device: what lands in
// its memory, their frames as the simulated device receives them, the controls they set, and
// what a failed send leaves behind.
#include "SenderFixture.h"

#include <string>
#include <vector>

#include "editor/senders/ApplyDeviceImage.h"
#include "editor/senders/ChannelNames.h"
#include "editor/senders/InputSenders.h"
#include "editor/senders/StereoPairs.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"

namespace {

using InputSendersTest = SenderTest;

TEST_F(InputSendersTest, TheFilterByteIsTypeTimes64PlusTheStep) {
    Quietly([&] {
        F().Combo9(2).SetListIndex(2);
        F().UpDown6(2).SetValue(17);
    });
    ModFun::SendInputFilter(S(), 2);
    EXPECT_EQ(Img(model::InFilterAddr[2]), 145);
    ExpectLast(Bytes{CmdInputFilter, 2, 0, 0, 0, 0, 0, 0, 145});
    EXPECT_EQ(Byte(model::InFilterAddr[2]), 145);
    EXPECT_EQ(F().Text14(2).Text(), "1000");
    EXPECT_TRUE(F().Text14(2).Enabled());

    Quietly([&] {
        F().Combo9(2).SetListIndex(0);
        F().UpDown6(2).SetValue(30);
    });
    ModFun::SendInputFilter(S(), 2);
    EXPECT_EQ(Byte(model::InFilterAddr[2]), 30);
    EXPECT_EQ(F().Text14(2).Text(), "20000");
    EXPECT_FALSE(F().Text14(2).Enabled());
    EXPECT_FALSE(F().UpDown6(2).Enabled());
    EXPECT_EQ(S().InFilterType[slot][2], 0);
    EXPECT_EQ(S().InFilterFreqIdx[slot][2], 30);
}

TEST_F(InputSendersTest, DeviceWideSwitchesAndTheFeedbackFrequency) {
    F().Slider7.SetValue(12);
    ModFun::SendFeedbackDevFreq(S());
    EXPECT_EQ(F().Text6.Text(), "8");
    ExpectLast(Bytes{CmdFeedbackFreq, 0, 0, 0, 0, 0, 0, 0, 12});
    EXPECT_EQ(Byte(model::FeedbackFreqAddr), 12);
    F().Slider7.SetValue(3);
    ModFun::SendFeedbackDevFreq(S());
    EXPECT_EQ(F().Text6.Text(), "3.5");
    F().Slider7.SetValue(0);
    ModFun::SendFeedbackDevFreq(S());
    EXPECT_EQ(F().Text6.Text(), "2");

    Quietly([&] { F().Check6.SetValue(1); });
    ModFun::SendPhantomPower(S());
    EXPECT_EQ(S().PhantomOn[slot], 1);
    ExpectLast(Bytes{CmdPhantomPower, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(Byte(model::PhantomAddr), 1);

    Quietly([&] { F().Check12.SetValue(1); });
    ModFun::SendFrontPanelLock(S());
    EXPECT_EQ(S().DevParam[slot].FrontPanelLock(), 1.0);
    ExpectLast(Bytes{CmdFrontPanelLock, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(DeviceByte(devsim::kFrontPanelLockAddr), 1);
    Quietly([&] { F().Check12.SetValue(0); });
    ModFun::SendFrontPanelLock(S());
    EXPECT_EQ(DeviceByte(devsim::kFrontPanelLockAddr), 0);
}

TEST_F(InputSendersTest, FeedbackIsBracketedExceptWhileAnImageIsApplied) {
    Quietly([&] { F().Combo4(5).SetListIndex(1); });
    ModFun::SendFeedbackMode(S(), 5);
    ExpectSent({{CmdBulkUpdate, 0, 0, 0, 0, 0, 0, 0, 0},
                {CmdInputOption, 5, 0, 0, 0, 0, 0, 0, 0x20},
                {CmdBulkUpdate, 1, 0, 0, 0, 0, 0, 0, 0}});
    EXPECT_EQ(Byte(model::InModeAddr), 0x20);
    EXPECT_EQ(F().Label100(15).ToolTipText(), "ON");

    ClearLog();
    S().ApplyingFeedback = true;
    Quietly([&] { F().Combo4(5).SetListIndex(0); });
    ModFun::SendFeedbackMode(S(), 5);
    S().ApplyingFeedback = false;
    ExpectCodes({CmdInputOption});
    EXPECT_EQ(Byte(model::InModeAddr), 0);
}

TEST_F(InputSendersTest, TheEqualiserClearsTheFeedbackBitEvenWhileTheListSaysOn) {
    Quietly([&] {
        F().Combo4(1).SetListIndex(1);
        F().Combo1(1).SetListIndex(0);
    });
    ModFun::SendInputProcType(S(), 1);
    EXPECT_EQ(Img(model::InModeAddr) & 2, 2);
    EXPECT_EQ(F().Label100(11).Caption(), "Feedback");
    EXPECT_EQ(F().Label100(11).ToolTipText(), "ON");

    ClearLog();
    Quietly([&] { F().Combo1(1).SetListIndex(1); });
    ModFun::SendInputProcType(S(), 1);
    ExpectSent({{CmdInputProcType, 1, 0, 0, 0, 0, 0, 0, 0x02},
                {CmdInputOption, 1, 0, 0, 0, 0, 0, 0, 0x00}});
    EXPECT_EQ(Byte(model::InProcAddr) & 2, 2);
    EXPECT_EQ(Byte(model::InModeAddr) & 2, 0);
    EXPECT_EQ(S().DevParam[slot].InFeedbackOn()[1], 0.0);
    EXPECT_EQ(F().Label100(11).Caption(), "PEQ");
    EXPECT_EQ(F().Label100(11).ToolTipText(), "3 EQ Band");
}

TEST_F(InputSendersTest, ALineInputDropsTheFeedbackSuppressorAndUsesTheEqualiser) {
    // Input 4 as a Mic with the feedback suppressor on.
    Quietly([&] {
        F().Combo5(3).SetListIndex(0);
        F().Combo1(3).SetListIndex(0);
        F().Combo4(3).SetListIndex(1);
    });
    ModFun::SendMicLine(S(), 3);
    ASSERT_EQ(Img(model::InModeAddr) & 8, 8);
    EXPECT_TRUE(F().Line1(3).Visible());
    EXPECT_EQ(F().Check13(3).BackColor(), 0x00FFFFu);

    ClearLog();
    Quietly([&] { F().Combo5(3).SetListIndex(1); });
    ModFun::SendMicLine(S(), 3);
    ExpectCodes(
        {CmdBulkUpdate, CmdInputSource, CmdInputOption, CmdGain, CmdInputProcType, CmdBulkUpdate});
    EXPECT_EQ(Img(model::InSourceAddr) & 8, 8);
    EXPECT_EQ(Img(model::InModeAddr) & 8, 0);
    EXPECT_EQ(Img(model::InProcAddr) & 8, 8);
    EXPECT_EQ(S().DevParam[slot].InProcType()[3], 1.0);
    EXPECT_EQ(S().DevParam[slot].InFeedbackOn()[3], 0.0);
    EXPECT_EQ(F().Label100(13).Caption(), "PEQ");
    EXPECT_EQ(F().Label100(13).ToolTipText(), "3 EQ Band");
    EXPECT_FALSE(F().Combo1(3).Visible());
    EXPECT_TRUE(F().Line2(3).Visible());
    EXPECT_FALSE(F().Line1(3).Visible());
    EXPECT_EQ(F().Check13(3).BackColor(), 0x00FF00u);
    EXPECT_EQ(Byte(model::InProcAddr) & 8, 8);
    EXPECT_EQ(Byte(model::InSourceAddr) & 8, 8);
    EXPECT_EQ(Byte(model::InModeAddr) & 8, 0);

    // Back to Mic: the processing list shows the equaliser the input now has.
    Quietly([&] { F().Combo5(3).SetListIndex(0); });
    ModFun::SendMicLine(S(), 3);
    EXPECT_TRUE(F().Combo1(3).Visible());
    EXPECT_EQ(F().Combo1(3).ListIndex(), 1);
}

TEST_F(InputSendersTest, TheStereoBoxFollowsBothSourcesOfThePair) {
    S().LoadStateWord = 1;  // no brackets
    Quietly([&] { F().Combo5(4).SetListIndex(1); });
    ModFun::SendMicLine(S(), 4);
    Quietly([&] { F().Combo5(5).SetListIndex(0); });
    ModFun::SendMicLine(S(), 5);
    EXPECT_FALSE(F().Check11(2).Enabled());
    Quietly([&] { F().Combo5(5).SetListIndex(1); });
    ModFun::SendMicLine(S(), 5);
    EXPECT_TRUE(F().Check11(2).Enabled());
    EXPECT_EQ(Byte(model::InSourceAddr) & 0x30, 0x30);
    if (Simulated()) {
        EXPECT_EQ(Codes().front(), CmdInputSource);
    }
}

TEST_F(InputSendersTest, AFailedMicLineSendStopsBeforeTheClosingBracket) {
    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdGain);
    Quietly([&] { F().Combo5(0).SetListIndex(1); });
    S().EditBusy = true;
    ModFun::SendMicLine(S(), 0);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_FALSE(S().EditBusy);
    EXPECT_EQ(Codes(),
              (std::vector<uint8_t>{CmdBulkUpdate, CmdInputSource, CmdInputOption, CmdGain}));
}

TEST_F(InputSendersTest, BalancedSendsItsChannelBlockOnlyOutsideAnImageAndAfterSuccess) {
    Quietly([&] { F().Check4(6).SetValue(1); });
    ModFun::SendInputBalanced(S(), 6);
    ExpectCodes({CmdInputBalanced, CmdChannelBlock});
    if (Simulated()) {
        EXPECT_EQ(Sent()[0], (Bytes{CmdInputBalanced, 6, 0, 0, 0, 0, 0, 0, 0x40}));
        EXPECT_EQ(Sent()[1][1], 6);
    }
    EXPECT_EQ(Byte(model::BalancedAddr), 0x40) << "the boxes of the unloaded editor are clear";

    ClearLog();
    S().ApplyingBalanced = true;
    ModFun::SendInputBalanced(S(), 6);
    S().ApplyingBalanced = false;
    ExpectCodes({CmdInputBalanced});

    VX_REQUIRE_SIMULATOR(H());
    ClearLog();
    Drop(CmdInputBalanced);
    ModFun::SendInputBalanced(S(), 6);
    EXPECT_EQ(Codes(), (std::vector<uint8_t>{CmdInputBalanced}));
}

TEST_F(InputSendersTest, TheGateFrameCarriesTheEnableBitsAndTheInputsGate) {
    S().DevImage[slot].ProgImage[model::NgAddr[7]] = 40;
    S().DevImage[slot].ProgImage[model::NgAddr[7] + 1] = 3;
    S().DevImage[slot].ProgImage[model::NgAddr[7] + 2] = 9;
    for (int16_t i = 0; i < 7; ++i) {
        Quietly([&] { F().Check5(i).SetValue(0); });
        ModFun::SendNoiseGateEnable(S(), i);
    }
    Quietly([&] { F().Check5(7).SetValue(1); });
    ModFun::SendNoiseGateEnable(S(), 7);
    EXPECT_EQ(Img(model::NgEnableAddr), 128);
    ExpectLast(Bytes{CmdNoiseGate, 7, 0, 0, 0, 128, 40, 3, 9});
    EXPECT_EQ(Byte(model::NgEnableAddr), 128);
    EXPECT_EQ(F().Label100(27).ToolTipText(), "Enabled");
    EXPECT_EQ(F().Label100(26).ToolTipText(), "Disabled");
    EXPECT_EQ(Byte(model::NgAddr[7]), 40);
}

TEST_F(InputSendersTest, TheStereoByteGoesToTheWorkingProgramLocksBothSourcesAndSuffixesTheNames) {
    Quietly([&] { F().Check11(1).SetValue(1); });
    ModFun::SendStereoMode(S(), 1);
    if (Simulated()) {
        const auto frames = Sent();
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames[0], (Bytes{CmdWriteByte, 0x03, 0xCF, 0, 0, 2, 0, 0, 0})) << "911 + 64";
    }
    EXPECT_EQ(Img(model::StereoModeAddr), 2);
    EXPECT_EQ(H().ReadMemory(slot, 975, 1).at(0), 2);
    EXPECT_TRUE(S().InPairLink[slot][1]);
    EXPECT_FALSE(F().Combo5(2).Enabled());
    EXPECT_FALSE(F().Combo5(3).Enabled());

    ClearLog();
    const std::string name = S().ChName[slot][3];
    Quietly([&] { F().Check11(1).SetValue(0); });
    ModFun::SendStereoMode(S(), 1);
    ExpectSent({{CmdWriteByte, 0x03, 0xCF, 0, 0, 0, 0, 0, 0}});
    EXPECT_EQ(H().ReadMemory(slot, 975, 1).at(0), 0);
    EXPECT_FALSE(S().InPairLink[slot][1]);
    EXPECT_TRUE(F().Combo5(2).Enabled());
    EXPECT_TRUE(F().Combo5(3).Enabled());
    EXPECT_EQ(S().ChName[slot][3], name);

    // Pair 1 copies its left input's Balanced and suffixes the names.
    S().ChName[slot][0] = "Voc";
    Quietly([&] {
        F().Check4(0).SetValue(1);
        F().Check4(1).SetValue(0);
        F().Check11(0).SetValue(1);
    });
    ModFun::SendStereoMode(S(), 0);
    EXPECT_EQ(F().Check4(1).Value(), 1);
    EXPECT_EQ(Img(model::BalancedAddr) & 2, 2);
    EXPECT_EQ(S().ChName[slot][0], "Voc-L ");
    EXPECT_EQ(S().ChName[slot][1], "Voc-R ");
    EXPECT_EQ(Memory(model::ChNameAddr[1], 6), (Bytes{'V', 'o', 'c', '-', 'R', ' '}));
    EXPECT_EQ(F().Frame17(1).Caption(), "Voc-R");
    EXPECT_EQ(F().Label13(0).Caption(), "Voc-L");
}

TEST_F(InputSendersTest, AFailedStereoWriteChangesNoPairState) {
    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdWriteByte);
    Quietly([&] { F().Check11(0).SetValue(1); });
    ModFun::SendStereoMode(S(), 0);
    EXPECT_EQ(Img(model::StereoModeAddr), 1);
    EXPECT_FALSE(S().InPairLink[slot][0]);
}

TEST_F(InputSendersTest, ANameTravelsInThreeFramesAndIsCutToSix) {
    S().ChName[slot] = {"", "Kick"};
    for (int ch = 2; ch < 16; ++ch) S().ChName[slot][ch] = "n" + std::to_string(ch);
    S().ChName[slot][10] = "Speakers";
    S().DevImage[slot].ProgImage[model::InSourceAddr] = 5;
    ModFun::SendChannelNames(S());
    if (Simulated()) {
        const auto frames = Sent();
        ASSERT_EQ(frames.size(), 48u);
        // Channel 0 lies at image 736, device address 800 = 0x0320.
        EXPECT_EQ(frames[0], (Bytes{CmdWriteMem4, 0x03, 0x20, ' ', ' ', ' ', ' ', 0, 0}));
        EXPECT_EQ(frames[1], (Bytes{CmdWriteByte, 0x03, 0x24, 0, 0, ' ', 0, 0, 0}));
        EXPECT_EQ(frames[2], (Bytes{CmdWriteByte, 0x03, 0x25, 0, 0, ' ', 0, 0, 0}));
    }
    EXPECT_EQ(Memory(model::ChNameAddr[0], 8), (Bytes{' ', ' ', ' ', ' ', ' ', ' ', ' ', 17}));
    EXPECT_EQ(Memory(model::ChNameAddr[1], 6), (Bytes{'K', 'i', 'c', 'k', ' ', ' '}));
    EXPECT_EQ(S().ChName[slot][0], "      ");
    EXPECT_EQ(F().Frame17(0).Caption(), "");
    EXPECT_EQ(S().ChName[slot][1], "Kick  ");
    EXPECT_EQ(F().Label130(1).Caption(), "Kick");
    EXPECT_EQ(F().Label300(25).Caption(), "Kick");
    // What the device holds is what the editor shows.
    EXPECT_EQ(S().ChName[slot][10], "Speake");
    EXPECT_EQ(Memory(model::ChNameAddr[10], 6), (Bytes{'S', 'p', 'e', 'a', 'k', 'e'}));
    EXPECT_EQ(F().SSTab1.TabCaption(3), "Speake");
    EXPECT_EQ(F().Option2(2).Caption(), "Speake");
    EXPECT_EQ(F().Label300(18).Caption(), "Speake");
    // Link boxes: inputs 1 and 3 are Line (green), the others Mic (yellow), outputs green.
    EXPECT_EQ(F().Check13(0).BackColor(), 0x00FF00u);
    EXPECT_EQ(F().Check13(1).BackColor(), 0x00FFFFu);
    EXPECT_EQ(F().Check13(2).BackColor(), 0x00FF00u);
    EXPECT_EQ(F().Check13(7).BackColor(), 0x00FFFFu);
    EXPECT_EQ(F().Check13(12).BackColor(), 0x00FF00u);
    EXPECT_EQ(F().SSTab1.TabCaption(8), "n15");
}

TEST_F(InputSendersTest, AFailedNameFrameLeavesTheLaterCaptionsAlone) {
    VX_REQUIRE_SIMULATOR(H());
    for (int ch = 0; ch < 16; ++ch) S().ChName[slot][ch] = "New" + std::to_string(ch);
    // Output 3's second frame (channel 10: frames 30, 31, 32) fails.
    H().Device().AddFault({devsim::FaultKind::DropConnection, -1, H().Device().FrameCount() + 32});
    const std::string tab = F().SSTab1.TabCaption(3);
    ModFun::SendChannelNames(S());
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(S().ChName[slot][10], "New10 ");
    EXPECT_EQ(Img(model::ChNameAddr[10] + 4), '0');
    EXPECT_EQ(F().SSTab1.TabCaption(2), "New9");
    EXPECT_EQ(F().SSTab1.TabCaption(3), tab);
}

TEST_F(InputSendersTest, AnAppliedProgramSendsTheInputSettings) {
    auto& img = S().DevImage[slot].ProgImage;
    img[model::BalancedAddr] = 0x81;
    img[model::InFilterAddr[4]] = 64 + 9;
    img[model::FeedbackFreqAddr] = 7;
    img[model::InModeAddr] = 0x01;
    img[model::InSourceAddr] = 0x30;
    img[model::InProcAddr] = 0x32;
    img[model::NgEnableAddr] = 0x06;
    img[model::PhantomAddr] = 1;
    img[model::StereoModeAddr] = 0x04;
    S().DevParam[slot].FrontPanelLock() = 1.0;
    S().LoadStateWord = -1;
    ModFun::ApplyDeviceImage(S());
    S().LoadStateWord = 0;

    for (int addr :
         {model::BalancedAddr, model::InFilterAddr[4], model::FeedbackFreqAddr, model::InModeAddr,
          model::InSourceAddr, model::InProcAddr, model::NgEnableAddr, model::PhantomAddr}) {
        EXPECT_EQ(Byte(addr), img[addr]) << "image address " << addr;
    }
    EXPECT_EQ(Byte(model::InSourceAddr), 0x30);
    EXPECT_EQ(Byte(model::InProcAddr), 0x32) << "Line inputs 5 and 6 use the equaliser";
    EXPECT_EQ(Byte(model::InModeAddr), 0x01);
    EXPECT_EQ(F().Check12.Value(), 1);
    EXPECT_TRUE(S().InPairLink[slot][2]);
    EXPECT_EQ(F().Check11(2).Value(), 1);
    EXPECT_FALSE(F().Combo5(4).Enabled());
    EXPECT_FALSE(S().ApplyingBalanced);
    EXPECT_FALSE(S().ApplyingFeedback);
    for (uint8_t code : Simulated() ? Codes() : std::vector<uint8_t>{}) {
        EXPECT_NE(code, CmdBulkUpdate) << "the caller brackets a program";
    }
}

}  // namespace
