#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "model/AddressTables.h"
#include "model/GraphConstants.h"
#include "model/ModelState.h"
#include "model/Snapping.h"
#include "model/Tables.h"
#include "sys/Numeric.h"

namespace {

using namespace model;

TEST(Tables, BandwidthTableIsCutToFiveDecimals) {
    EXPECT_EQ(EqBwTab[0], 3.02271);
    EXPECT_EQ(EqBwTab[1], 2.5431);
    EXPECT_EQ(EqBwTab[2], 2.18852);
    EXPECT_EQ(EqBwTab[6], 1.38848);
    EXPECT_EQ(EqBwTab[10], 1.00975);
    EXPECT_EQ(EqBwTab[16], 0.71403);
    EXPECT_EQ(EqBwTab[46], 0.28806);
    EXPECT_EQ(EqBwTab[48], 0.27701);
    EXPECT_EQ(EqBwTab[95], 0.14566);
    EXPECT_EQ(EqBwTab[96], 0.1442);
    for (size_t i = 1; i < EqBwTab.size(); ++i) EXPECT_LT(EqBwTab[i], EqBwTab[i - 1]) << i;
    // Shown with the locale's separator and no trailing zeros.
    EXPECT_EQ(sys::NumText(EqBwTab[1], false), "2.5431");
    EXPECT_EQ(sys::NumText(EqBwTab[96], true), "0,1442");
}

// The computed lists; the literal ones are read by their users' tests.
TEST(Tables, ComputedListsHoldTheirDocumentedValues) {
    EXPECT_EQ(EqGainTab[0], -12.0);
    EXPECT_EQ(EqGainTab[24], 0.0);
    EXPECT_EQ(EqGainTab[25], 0.5);
    EXPECT_EQ(EqGainTab[48], 12.0);
    EXPECT_EQ(BandToOutCh[4], 0);
    EXPECT_EQ(BandToOutCh[5], 1);
    EXPECT_EQ(BandToOutCh[39], 7);
    EXPECT_EQ(EmptyProgNameText(), " Program Empty  ");
}

TEST(Tables, TextEntriesReadAsRisingNumbersInBothSeparatorVariants) {
    for (int32_t comma : {0, 1}) {
        const auto rising = [&](const auto& table) {
            double last = -1;
            for (std::string_view t : table) {
                double v = 0;
                ASSERT_TRUE(sys::ParseNumber(t, comma != 0, v)) << t;
                EXPECT_GT(v, last) << t;
                last = v;
            }
        };
        rising(AttackTextFor(comma));
        rising(ReleaseText);
        rising(NgAttackText);
        rising(NgReleaseText);
    }
    EXPECT_EQ(&AttackTextFor(0), &AttackText);
    EXPECT_EQ(&AttackTextFor(1), &AttackTextComma);
}

TEST(AddressTables, SpotValues) {
    EXPECT_EQ(GainAddrHi[3], 3);
    EXPECT_EQ(GainAddrLo[3], 475);
    EXPECT_EQ(GainAddrHi[8], 59);
    EXPECT_EQ(GainAddrLo[8], 455);
    EXPECT_EQ(GainAddrHi[15], 423);
    EXPECT_EQ(EqOutBandAddr[5], 71);
    EXPECT_EQ(EqOutBandAddr[12], 133);
    EXPECT_EQ(EqOutBandAddr[39], 403);
    EXPECT_EQ(EqOutFlagAddr[7], 422);
    EXPECT_EQ(XoverAddr[5], 151);
    EXPECT_EQ(XoverAddr[15], 411);
    EXPECT_EQ(DelayAddr[7], 380);
    EXPECT_EQ(CompAddr[7], 414);
    EXPECT_EQ(LimAddr[7], 419);
    EXPECT_EQ(EqInBandAddr[3], 512);
    EXPECT_EQ(EqInBandAddr[23], 714);
    EXPECT_EQ(EqInFlagAddr[7], 719);
    EXPECT_EQ(RouteAddr[8], 60);
    EXPECT_EQ(RouteAddr[63], 379);
    EXPECT_EQ(ChNameAddr[15], 856);
    EXPECT_EQ(NgAddr[7], 885);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(InFilterAddr[i], ChNameAddr[i] + 7);
    EXPECT_EQ(CompOnAddr, 451);
    EXPECT_EQ(InMicLineAddr, 425);
}

TEST(GraphConstants, FollowTheScreenScale) {
    auto ms = std::make_unique<ModelState>();
    EXPECT_DOUBLE_EQ(ms->GraphPxPerDb, 191.0 / 60);
    EXPECT_DOUBLE_EQ(ms->GraphMidY, 95.4);
    EXPECT_NEAR(ms->GraphPtsPerDecade, 191.6666666667, 1e-9);

    ms->DpiScale = 0.8;  // 120 dpi
    InitGraphConstants(*ms);
    EXPECT_NEAR(ms->GraphPxPerDb, 3.9791666667, 1e-9);
    EXPECT_DOUBLE_EQ(ms->GraphMidY, 119.25);
    EXPECT_NEAR(ms->GraphPtsPerDecade, 239.5833333333, 1e-9);

    ms->DpiScale = 0;  // no usable screen scale
    InitGraphConstants(*ms);
    EXPECT_EQ(ms->DpiScale, 1.0);
    EXPECT_DOUBLE_EQ(ms->GraphMidY, 95.4);

    EXPECT_NEAR(GraphTwPerDecade, 2885.0, 1e-9);
    EXPECT_EQ(GraphHalfHeightTw, 1447.5);
    // A marker dragged to the right edge stands for 20000 Hz.
    const double left = GraphWidthTw - GraphMarkerOffset;
    EXPECT_NEAR(20 * std::pow(10.0, (left + GraphMarkerOffset) / GraphTwPerDecade), 20000.0, 1e-6);
    EXPECT_NEAR(sys::Log10(1000), 3.0, 1e-15);
}

}  // namespace
