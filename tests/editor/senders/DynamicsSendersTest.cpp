// The delay, compressor and limiter senders against the device: the shown values, the bytes in
// the image and in the device's memory, the frames as the simulated device receives them, and
// what a failed send leaves.
#include "SenderFixture.h"

#include <vector>

#include "editor/senders/DelaySenders.h"
#include "editor/senders/DynamicsSenders.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"

namespace {

using DelaySendersTest = SenderTest;
using DynamicsSendersTest = SenderTest;

TEST(DelayText, IsComputedInWholeThousandths) {
    EXPECT_EQ(ModFun::DelayText(1, 40, 0, false), "1.832");
    EXPECT_EQ(ModFun::DelayText(5, 24, 0, false), "5.499");
    EXPECT_EQ(ModFun::DelayText(5, 24, 1, false), "1.86");
    EXPECT_EQ(ModFun::DelayText(0, 48, 0, false), "0.998");
    EXPECT_EQ(ModFun::DelayText(380, 48, 0, true), "380,998");
    EXPECT_EQ(ModFun::DelayText(380, 48, 1, false), "129.53");
    EXPECT_EQ(ModFun::DelayText(0, 0, 1, false), "0");
    EXPECT_EQ(ModFun::DelayText(4, 20, 1, false), "1.5");
}

TEST_F(DelaySendersTest, TheDelayBlockAndTheGraphsSamples) {
    Quietly([&] {
        F().UpDown2(2).SetValue(5);
        F().UpDown1(2).SetValue(24);
    });
    ModFun::SendDelay(S(), 2);
    EXPECT_EQ(F().Text2(2).Text(), "5.499");
    EXPECT_EQ(F().Frame3(2).Caption(), "Delay [ ms ]");
    EXPECT_EQ(F().Label100(222).Caption(), "5.499 ms");
    ExpectLast(Bytes{CmdOutDelay, 10, 0, 0, 0, 0, 0x00, 0x05, 0x18});
    EXPECT_EQ(S().OutDelaySamples[slot][2], 264);
    EXPECT_EQ(S().DevParam[slot].DelayCoarse()[2], 5);
    EXPECT_EQ(S().DevParam[slot].DelayFine()[2], 24);
    EXPECT_EQ(Memory(model::DelayAddr[2], 3), (Bytes{0x00, 0x05, 0x18}));

    Quietly([&] { F().UpDown2(7).SetValue(300); });
    ModFun::SendDelay(S(), 7);
    EXPECT_EQ(Memory(model::DelayAddr[7], 2), (Bytes{0x01, 0x2C}));
}

TEST_F(DelaySendersTest, BypassBitsAndTheUnit) {
    ModFun::SendDelayByp(S(), 0);
    ModFun::SendDelayByp(S(), 1);
    Quietly([&] { F().UpDown2(2).SetValue(3); });
    ModFun::SendDelayByp(S(), 2);
    EXPECT_EQ(Img(model::DelayBypAddr), 0x07);
    ExpectLast(Bytes{CmdOutDelay, 0x0A, 0, 0, 0, 0x07, 0, 0, 0});
    EXPECT_EQ(Byte(model::DelayBypAddr), 0x07);
    EXPECT_EQ(F().Command8(2).BackColor(), ui::vbRed);
    EXPECT_EQ(S().OutDelaySamples[slot][2], 0);
    // A bypassed output still sends its counts; the graph counts none.
    ModFun::SendDelay(S(), 2);
    EXPECT_EQ(Byte(model::DelayAddr[2] + 1), 3);
    EXPECT_EQ(S().OutDelaySamples[slot][2], 0);
    ModFun::SendDelayByp(S(), 2);
    EXPECT_EQ(S().OutDelaySamples[slot][2], 144);
    EXPECT_EQ(F().Command8(2).BackColor(), ui::vbButtonFace);

    ClearLog();
    ModFun::LoadLabelDelay(S(), 1);
    ExpectSent({});
    EXPECT_EQ(S().DevParam[slot].DelayUnit(), 1);
    for (int16_t o = 0; o < 8; ++o) EXPECT_EQ(F().Frame3(o).Caption(), "Delay [ m ]");
    EXPECT_EQ(F().Text2(2).Text(), "1.02");
    EXPECT_EQ(F().Label100(222).Caption(), "1.02 m");
}

TEST_F(DelaySendersTest, AFailedSendKeepsTheCountsButNotTheSummary) {
    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdOutDelay);
    Quietly([&] { F().UpDown2(4).SetValue(12); });
    const std::string summary = F().Label100(224).Caption();
    ModFun::SendDelay(S(), 4);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(Img(model::DelayAddr[4] + 1), 12);
    EXPECT_EQ(S().OutDelaySamples[slot][4], 0);
    EXPECT_EQ(F().Label100(224).Caption(), summary);
}

TEST_F(DynamicsSendersTest, CompressorValuesTheirBytesAndTexts) {
    const int a = model::CompAddr[3];
    const std::pair<int, const char*> thresholds[] = {
        {0, "18"}, {240, "-30"}, {91, "-0.2"}, {86, "0.8"}};
    for (const auto& [position, text] : thresholds) {
        F().Slider400(3).SetValue(position);
        ModFun::SendCmpThr(S(), 3);
        EXPECT_EQ(Img(a), 240 - position);
        EXPECT_EQ(F().Text400(3).Text(), text);
    }
    F().Slider401(3).SetValue(31);
    ModFun::SendCmpRatio(S(), 3);
    EXPECT_EQ(F().Text401(3).Text(), "1:1");
    F().Slider401(3).SetValue(0);
    F().Slider400(3).SetValue(0);
    ModFun::SendCmpThr(S(), 3);
    ModFun::SendCmpRatio(S(), 3);
    EXPECT_EQ(F().Text401(3).Text(), "32:1");
    EXPECT_EQ(F().Label100(233).ToolTipText(), "Threshold=18dBu - Ratio=32:1");
    F().Slider402(3).SetValue(100);
    ModFun::SendCmpKnee(S(), 3);
    EXPECT_EQ(F().Text402(3).Text(), "0");
    F().Slider403(3).SetValue(29);
    ModFun::SendCmpAttack(S(), 3);
    EXPECT_EQ(F().Text403(3).Text(), "0.1");
    ExpectLast(Bytes{CmdOutCompressor, 11, 1, 0, 240, 31, 0, 0, Img(a + 4)});
    F().Slider404(3).SetValue(13);
    ModFun::SendCmpRelease(S(), 3);
    EXPECT_EQ(F().Text404(3).Text(), "25");
    ExpectLast(Bytes{CmdOutCompressor, 11, 2, 0, 240, 31, 0, 0, 16});
    EXPECT_EQ(Memory(a, 5), (Bytes{240, 31, 0, 0, 16}));
}

TEST_F(DynamicsSendersTest, BypassBitsOfSeveralOutputs) {
    ModFun::SendCmpByp(S(), 0);
    ModFun::SendCmpByp(S(), 5);
    ModFun::SendCmpByp(S(), 3);
    EXPECT_EQ(Img(model::CompBypAddr), 41);
    ExpectLast(Bytes{CmdOutCompressor, 11, 0, 41, 240, 0, 0, 10, 5});
    EXPECT_EQ(Byte(model::CompBypAddr), 41);
    EXPECT_EQ(F().Command5(3).BackColor(), ui::vbRed);
    ModFun::SendCmpByp(S(), 3);
    EXPECT_EQ(Img(model::CompBypAddr), 33);
    EXPECT_EQ(F().Command5(3).BackColor(), ui::vbButtonFace);

    ModFun::SendLimByp(S(), 6);
    EXPECT_EQ(Img(model::LimBypAddr), 0x40);
    EXPECT_EQ(F().Command7(6).BackColor(), ui::vbRed);
    EXPECT_EQ(Byte(model::LimBypAddr), 0x40);
    EXPECT_EQ(Byte(model::CompBypAddr), 33);
}

TEST_F(DynamicsSendersTest, LimiterFramesCarryReleaseAttackThreshold) {
    F().Slider4(1).SetValue(91);
    F().Slider5(1).SetValue(17);
    F().Slider6(1).SetValue(0);
    ModFun::SendLimThr(S(), 1);
    EXPECT_EQ(F().Text9(1).Text(), "-0.2");
    EXPECT_EQ(F().Label100(251).ToolTipText(), "-0.2 dBu");
    ModFun::SendLimAttack(S(), 1);
    EXPECT_EQ(F().Text10(1).Text(), "1.3");
    ModFun::SendLimRelease(S(), 1);
    EXPECT_EQ(F().Text11(1).Text(), "200");
    ExpectLast(Bytes{CmdOutLimiter, 9, 0, 0, 0, 0, 29, 12, 149});
    EXPECT_EQ(Memory(model::LimAddr[1], 3), (Bytes{29, 12, 149}));
}

TEST_F(DynamicsSendersTest, AFailedBypassKeepsTheToggleAndTheColour) {
    VX_REQUIRE_SIMULATOR(H());
    Drop(CmdOutLimiter);
    ModFun::SendLimByp(S(), 2);
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(S().LimByp[slot][2], 1);
    EXPECT_EQ(Img(model::LimBypAddr), 4);
    EXPECT_EQ(F().Command7(2).BackColor(), ui::vbRed);
}

}  // namespace
