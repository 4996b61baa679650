// The automatic mixer, ducker and routing senders against the device: the bytes they leave in
// the image and in the device's memory, their frames as the simulated device receives them,
// and what a failed send leaves.
#include <vector>

#include "SenderFixture.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "editor/senders/MixerSenders.h"
#include "editor/senders/RoutingSenders.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"

namespace {

using MixerSendersTest = SenderTest;

TEST_F(MixerSendersTest, TheMixerAndDuckerBytesTravelInTheirPlaces) {
    auto& img = S().DevImage[slot].ProgImage;
    img[893] = 0x01;
    img[894] = 0x02;
    img[895] = 0x03;
    ModFun::SendAutoMixerByte(S());
    ExpectLast(Bytes{CmdAutoMixerByte, 0, 0, 0, 0, 0, 0x03, 0x01, 0x02});
    EXPECT_EQ(Memory(893, 3), (Bytes{0x01, 0x02, 0x03}));

    Quietly([&] { F().Check7.SetValue(1); });
    ModFun::SendAutoMixerActive(S());
    EXPECT_EQ(Img(model::AmActiveAddr), 1);
    ExpectLast(Bytes{CmdAutoMixerActive, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(Byte(model::AmActiveAddr), 1);

    // The ducker groups send their stored bytes.
    const int unsent = Byte(903);
    for (int a = 899; a <= 904; ++a) img[a] = static_cast<uint8_t>(a - 890);
    ModFun::SendDuckerParamA(S());
    ExpectLast(Bytes{CmdDuckerParamA, 0, 0, 0, 0, 0, 0, 0, 9});
    ModFun::SendDuckerParamB(S());
    ExpectLast(Bytes{CmdDuckerParamB, 0, 0, 0, 0, 0, 0, 10, 11});
    ModFun::SendDuckerParamC(S());
    ExpectLast(Bytes{CmdDuckerParamC, 0, 0, 0, 0, 0, 14, 12, 0});
    EXPECT_EQ(Memory(899, 6), (Bytes{9, 10, 11, 12, static_cast<uint8_t>(unsent), 14}))
        << "byte 903 is never sent";
}

TEST_F(MixerSendersTest, TheModePausesOnlyAfterASuccess) {
    const int64_t before = H().host.SleptMs();
    ModFun::SendAutoMixerMode(S(), 1);
    ExpectLast(Bytes{CmdAutoMixerMode, 0, 0, 0, 0, 0, 0, 0, 1});
    EXPECT_EQ(H().host.SleptMs() - before, 50);
    EXPECT_EQ(Byte(model::AmModeAddr), 1);

    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdAutoMixerMode);
    const int64_t failedAt = H().host.SleptMs();
    ModFun::SendAutoMixerMode(S(), 0);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(H().host.SleptMs(), failedAt);
    EXPECT_EQ(Img(model::AmModeAddr), 0) << "the image keeps the new mode";
}

TEST_F(MixerSendersTest, ThePriorityMaskIsRebuiltFromTheBoxes) {
    S().DevImage[slot].ProgImage[model::DuckPrioAddr] = 0xFF;
    Quietly([&] {
        F().Check8(0).SetValue(1);
        F().Check8(2).SetValue(1);
        F().Check8(7).SetValue(1);
    });
    ModFun::SendPriorityMask(S());
    EXPECT_EQ(Img(model::DuckPrioAddr), 0x85);
    ExpectLast(Bytes{CmdPriorityMask, 0, 0, 0, 0, 0, 0, 0, 0x85});
    EXPECT_EQ(Byte(model::DuckPrioAddr), 0x85);
    EXPECT_EQ(ModFun::PriorityConfirmColor(S()), ui::vbButtonFace);

    Quietly([&] {
        for (int16_t i = 0; i < 8; ++i) F().Check8(i).SetValue(0);
    });
    EXPECT_EQ(ModFun::PriorityConfirmColor(S()), ui::vbRed);
    ModFun::SendPriorityMask(S());
    ExpectLast(Bytes{CmdPriorityMask, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(Byte(model::DuckPrioAddr), 0);
}

using RoutingSendersTest = SenderTest;

TEST_F(RoutingSendersTest, ALevelGoesToTheSelectedOutputOrElseTheFirstWithTheCrosspointsState) {
    Quietly([&] {
        F().Option2(2).SetValue(true);
        F().Check9(20).SetValue(1);
        F().Slider3(4).SetValue(6);
    });
    ModFun::SendMixLevel(S(), 4);
    EXPECT_EQ(F().Text3(4).Text(), "-6dB");
    EXPECT_EQ(Img(116), 24);
    ExpectLast(Bytes{CmdMixPoint, 10, 0, 0, 0, 0, 0, 4, 24});
    EXPECT_EQ(Byte(116), 24);

    Quietly([&] { F().Check9(20).SetValue(0); });
    ModFun::SendMixLevel(S(), 4);
    EXPECT_EQ(Img(116), 152);
    ExpectLast(Bytes{CmdMixPoint, 10, 0, 0, 0, 0, 0, 4, 152});
    EXPECT_EQ(Byte(116), 152);

    Quietly([&] {
        F().Slider3(0).SetValue(30);
        F().Check9(40).SetValue(1);
    });
    ModFun::SendMixLevelInOut(S(), 0, 5);
    EXPECT_EQ(F().Text3(0).Text(), "-30dB");
    EXPECT_EQ(Img(model::RouteAddr[40]), 0);
    EXPECT_EQ(Byte(model::RouteAddr[40]), 0);

    // With no output selected the first is edited.
    Quietly([&] {
        for (int16_t o = 0; o < 8; ++o) F().Option2(o).SetValue(false);
        F().Slider3(1).SetValue(0);
    });
    ModFun::SendMixLevel(S(), 1);
    EXPECT_EQ(F().Text3(1).Text(), "0dB");
    if (Simulated()) {
        EXPECT_EQ(LastData()[1], 8);
        EXPECT_EQ(LastData()[7], 1);
    }
    EXPECT_EQ(Byte(model::RouteAddr[1]), Img(model::RouteAddr[1]));
}

TEST_F(RoutingSendersTest, ACrosspointKeepsItsLevelWhileOff) {
    S().DevImage[slot].ProgImage[model::RouteAddr[9]] = 20;
    Quietly([&] { F().Check9(9).SetValue(0); });
    ModFun::SendMixPoint(S(), 9);
    EXPECT_EQ(Img(model::RouteAddr[9]), 148);
    ExpectLast(Bytes{CmdMixPoint, 9, 0, 0, 0, 0, 0, 1, 148});
    EXPECT_EQ(Byte(model::RouteAddr[9]), 148);
    EXPECT_FALSE(F().Line1000(9).Visible());
    Quietly([&] { F().Check9(9).SetValue(1); });
    ModFun::SendMixPoint(S(), 9);
    EXPECT_EQ(Img(model::RouteAddr[9]), 20);
    EXPECT_TRUE(F().Line1000(9).Visible());
    EXPECT_EQ(Byte(model::RouteAddr[9]), 20);
}

TEST_F(RoutingSendersTest, LoadingShowsTheLevelsAndClampsADamagedOne) {
    auto& img = S().DevImage[slot].ProgImage;
    img[model::RouteAddr[0]] = 158;
    img[model::RouteAddr[1]] = 18;
    img[model::RouteAddr[2]] = 127;  // level bits 127: no such level
    img[model::RouteAddr[3]] = 0;
    Quietly([&] { F().Check9(0).SetValue(0); });
    ModFun::LoadMixRouting(S(), 0);
    EXPECT_EQ(F().Slider3(0).Value(), 0);
    EXPECT_EQ(F().Text3(0).Text(), "0dB");
    EXPECT_EQ(F().Check9(0).Value(), 0) << "the crosspoint box is left alone";
    EXPECT_EQ(F().Slider3(1).Value(), 12);
    EXPECT_EQ(F().Text3(1).Text(), "-12dB");
    EXPECT_EQ(F().Slider3(2).Value(), 0);
    EXPECT_EQ(F().Text3(2).Text(), "0dB");
    EXPECT_EQ(F().Text3(3).Text(), "-30dB");
    ExpectSent({});
    EXPECT_EQ(ModFun::MixLevelIndex(255), 30);
}

TEST_F(RoutingSendersTest, AFailedSendKeepsTheNewByte) {
    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdMixPoint);
    S().DevImage[slot].ProgImage[model::RouteAddr[63]] = 30;
    Quietly([&] { F().Check9(63).SetValue(0); });
    ModFun::SendMixPoint(S(), 63);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(Img(model::RouteAddr[63]), 158);
}

TEST_F(RoutingSendersTest, AnAppliedImageReachesTheDevicesMixerDuckerAndMatrix) {
    auto& img = S().DevImage[slot].ProgImage;
    for (int k = 0; k < 64; ++k)
        img[model::RouteAddr[k]] = static_cast<uint8_t>(k % 2 * 128 + k % 31);
    const uint8_t mixer[] = {1, 1, 0, 0, 7, 8, 9, 0, 0, 0x0C, 40, 20, 21, 30, 0, 60};
    for (int a = 889; a <= 904; ++a) img[a] = mixer[a - 889];
    ModFun::ApplyDeviceImage(S());

    for (int k = 0; k < 64; ++k) {
        EXPECT_EQ(Byte(model::RouteAddr[k]), k % 2 * 128 + k % 31) << k;
        EXPECT_EQ(F().Check9(static_cast<int16_t>(k)).Value(), 1 - k % 2) << k;
    }
    for (int a : {889, 890, 893, 894, 895, 898, 899, 900, 901, 902, 904}) {
        EXPECT_EQ(Byte(a), mixer[a - 889]) << a;
    }
    EXPECT_TRUE(F().Option2(0).Value());
    EXPECT_EQ(F().Text3(1).Text(), "-29dB");
    EXPECT_EQ(F().Check8(2).Value(), 1);
    EXPECT_FALSE(S().UiUpdating);
}

}  // namespace
