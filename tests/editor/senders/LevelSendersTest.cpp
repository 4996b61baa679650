// The level, bypass, master, polarity and mute senders against the device: what lands in its
// memory, their frames as the simulated device receives them, and what a failed send leaves
// behind.
#include "SenderFixture.h"

#include <functional>
#include <vector>

#include "editor/senders/ApplyDeviceImage.h"
#include "editor/senders/LevelSenders.h"
#include "editor/senders/PolarityMute.h"
#include "model/AddressTables.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "protocol/Commands.h"

namespace {

using LevelSendersTest = SenderTest;

TEST_F(LevelSendersTest, LevelFramesCarryTheWordHighByteLast) {
    F().Slider1(8).SetValue(0);
    ModFun::SendGain(S(), 8);
    EXPECT_EQ(Img(59), 0x05);
    EXPECT_EQ(Img(455), 0xAA);
    ExpectLast(Bytes{CmdGain, 8, 0, 0, 0xAA, 0, 0, 0, 0x05});
    EXPECT_EQ(Memory(59, 1), Bytes{0x05});
    EXPECT_EQ(Memory(455, 1), Bytes{0xAA});
    EXPECT_EQ(F().Text1(8).Text(), "18");
    EXPECT_EQ(F().Label100(240).ToolTipText(), "18 dB");

    F().Slider1(0).SetValue(1390);
    ModFun::ApplyGain(S(), 0);
    EXPECT_EQ(F().Text1(0).Text(), "-127");
    ExpectLast(Bytes{CmdChannelBlock, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Memory(472, 1), Bytes{0});
}

TEST_F(LevelSendersTest, MasterLevelsSendTheirWords) {
    F().Slider100(1).SetValue(1270);
    ModFun::SendMasterLevel(S(), 1);
    ExpectLast(Bytes{CmdMasterLevel, 8, 0, 0, 0, 0, 0, 0x04, 0xF6});
    F().Slider100(0).SetValue(100);
    ModFun::SendMasterLevel(S(), 0);
    EXPECT_EQ(Img(464), 0);
    EXPECT_EQ(Img(465), 100);
    ExpectLast(Bytes{CmdMasterLevel, 0, 0, 0, 0, 0, 0, 0x00, 0x64});
    EXPECT_EQ(Memory(464, 2), (Bytes{0, 100}));
    EXPECT_EQ(Memory(model::MasterLevelAddr[1], 2), (Bytes{0x04, 0xF6}));
}

// A send the device drops keeps the new value in the image but not the mark the control shows
// for it: a level's tool tip, then, with every channel block dropped and the device connected
// again before each, a bypass's colour, a polarity's caption and a mute's line.
TEST_F(LevelSendersTest, AFailedSendKeepsTheValueButNotTheMark) {
    VX_REQUIRE_SIMULATOR(H());
    const std::string tip = F().Label100(3).ToolTipText();
    Drop(CmdGain);
    F().Slider1(3).SetValue(300);
    ModFun::SendGain(S(), 3);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(Img(3) * 256 + Img(475), 1090);
    EXPECT_EQ(F().Label100(3).ToolTipText(), tip);

    Drop(CmdChannelBlock);
    const auto failed = [&](const std::function<void()>& send) {
        ModProject::ConnectDevice(S(), slot);
        ASSERT_EQ(S().DevList[slot].Online, 1);
        send();
        EXPECT_TRUE(S().TxFailed);
    };
    failed([&] { ModFun::SendGainByp(S(), 9); });
    EXPECT_EQ(S().GainBypass[slot][9], 1);
    EXPECT_EQ(Img(model::ChFlagAddrOut), 0x02);
    EXPECT_EQ(F().Command90(9).BackColor(), ui::vbButtonFace);

    failed([&] {
        Quietly([&] { F().Check2(11).SetValue(1); });
        ModFun::SendPolarity(S(), 11);
    });
    EXPECT_EQ(Img(model::PolarityAddr[1]), 0x08);
    EXPECT_EQ(F().Label100(263).Caption(), "Phase");

    failed([&] {
        Quietly([&] { F().Check1(4).SetValue(1); });
        ModFun::SendMute(S(), 4);
    });
    EXPECT_EQ(Img(model::MuteAddr[0]), 0x10);
    EXPECT_FALSE(F().Line6(4).Visible());
}

TEST_F(LevelSendersTest, AnAppliedImageReachesTheDeviceAndStepsTheProgress) {
    auto& img = S().DevImage[slot].ProgImage;
    img[model::GainAddrHi[13]] = 0x03;  // output 6: word 1000
    img[model::GainAddrLo[13]] = 0xE8;
    img[model::MuteAddr[0]] = 0x05;
    img[model::PolarityAddr[1]] = 0x40;
    img[model::ChFlagAddrIn] = 0x80;
    img[model::MasterLevelAddr[1]] = 0x04;
    img[model::MasterLevelAddr[1] + 1] = 0x42;
    S().LoadStateWord = -1;
    F().ProgressBar1.SetRange(0, 275);
    ModFun::ApplyDeviceImage(S());
    S().LoadStateWord = 0;

    EXPECT_EQ(Memory(model::GainAddrHi[13], 1), Bytes{0x03});
    EXPECT_EQ(Memory(model::GainAddrLo[13], 1), Bytes{0xE8});
    EXPECT_EQ(Memory(model::MuteAddr[0], 1), Bytes{0x05});
    EXPECT_EQ(Memory(model::PolarityAddr[1], 1), Bytes{0x40});
    EXPECT_EQ(Memory(model::ChFlagAddrIn, 1), Bytes{0x80});
    EXPECT_EQ(Memory(model::MasterLevelAddr[1], 2), (Bytes{0x04, 0x42}));
    EXPECT_EQ(F().ProgressBar1.Value(), 8 + 8 + 16 + 8 + 2 + 64 + 24 + 40 + 16 + 8 + 16 + 64 + 1)
        << "one step a feedback switch, a processing type, a channel, a source, a master level, "
           "an input equaliser write and band, an output equaliser band, a crossover filter, a "
           "delay, a compressor, a limiter, a crosspoint and the phantom switch";
    EXPECT_EQ(F().Command90(7).BackColor(), ui::vbRed);
    EXPECT_EQ(F().Label100(266).Caption(), "180'");
    EXPECT_TRUE(F().Line6(2).Visible());
    EXPECT_FALSE(S().UiUpdating);
}

TEST_F(LevelSendersTest, AnImageStopsWhenAFailedSendClosesItsEditor) {
    VX_REQUIRE_SIMULATOR(H());
    ModProject::OpenSpeakerEditor(S(), slot);
    FrmCtrl* editor = ExistingFrmCtrl(S(), slot);
    ASSERT_NE(editor, nullptr);
    H().Device().ClearLog();
    Drop(CmdInputBalanced);  // the run's first frame
    ModFun::ApplyDeviceImage(S());

    EXPECT_EQ(H().Device().Log().size(), 1u) << "nothing after the failed frame";
    EXPECT_TRUE(S().DevOffline[slot]);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_EQ(S().FrmCtrlWin[slot].get(), editor) << "no new editor was made to be filled";
    EXPECT_FALSE(S().UiUpdating);
}

}  // namespace
