#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/ModelState.h"
#include "model/Snapping.h"
#include "model/Tables.h"

namespace {

using namespace model;

TEST(Snapping, LevelGridsSnapToTenthsOfADb) {
    EXPECT_EQ(SnapGainDbIn(-126.96), -127.0);
    EXPECT_EQ(SnapGainDbIn(-126.95), -127.0);  // halfway: the lower point
    EXPECT_EQ(SnapGainDbIn(-126.94), 1 / 10.0 - 127);
    EXPECT_EQ(SnapGainDbIn(0.04), 0.0);
    EXPECT_EQ(SnapGainDbIn(-3.26), 1237 / 10.0 - 127);
    EXPECT_EQ(SnapGainDbIn(12.0), 12.0);
    EXPECT_EQ(SnapGainDbIn(-200), -127.0);
    EXPECT_EQ(SnapGainDbIn(12.04), 12.0);  // past the top: the top point
    EXPECT_EQ(SnapGainDbIn(50), 12.0);
    EXPECT_EQ(SnapGainDbOut(18.0), 18.0);
    EXPECT_EQ(SnapGainDbOut(12.06), 1391 / 10.0 - 127);
    EXPECT_EQ(SnapGainDbOut(30), 18.0);
    EXPECT_EQ(SnapGainDbOut(-127.5), -127.0);
}

TEST(Snapping, EqualiserGainSnapsToHalfDecibels) {
    EXPECT_EQ(SnapEqGain(0.25), 0.0);  // halfway: the lower entry
    EXPECT_EQ(SnapEqGain(0.26), 0.5);
    EXPECT_EQ(SnapEqGain(-0.25), -0.5);
    EXPECT_EQ(SnapEqGain(-13), -12.0);
    EXPECT_EQ(SnapEqGain(12), 12.0);
    EXPECT_EQ(SnapEqGain(13), 12.0);
}

TEST(Snapping, ThresholdGridsSnapToTheirSteps) {
    EXPECT_EQ(SnapThrDbu(-30), -30.0);
    EXPECT_EQ(SnapThrDbu(-29.91), -30.0);
    EXPECT_EQ(SnapThrDbu(-29.89), 1 / 5.0 - 30);
    EXPECT_EQ(SnapThrDbu(0.5), 152 / 5.0 - 30);
    EXPECT_EQ(SnapThrDbu(18), 18.0);
    EXPECT_EQ(SnapThrDbu(25), 18.0);
    EXPECT_EQ(SnapThrDbu(-40), -30.0);
    EXPECT_EQ(SnapNgThr(-79.5), -80.0);  // halfway
    EXPECT_EQ(SnapNgThr(-79.49), -79.0);
    EXPECT_EQ(SnapNgThr(0), 0.0);
    EXPECT_EQ(SnapNgThr(5), 0.0);
    EXPECT_EQ(SnapNgThr(-100), -80.0);
}

TEST(Snapping, FrequencyIndices) {
    EXPECT_EQ(SnapFeedbackFreq(2.0), 0);
    EXPECT_EQ(SnapFeedbackFreq(2.25), 0);  // halfway
    EXPECT_EQ(SnapFeedbackFreq(2.26), 1);
    EXPECT_EQ(SnapFeedbackFreq(8.0), 12);
    EXPECT_EQ(SnapFeedbackFreq(9), 12);
    EXPECT_EQ(SnapFeedbackFreq(1), 0);
    EXPECT_EQ(SnapInputFilterFreq(1100), 17);
    EXPECT_EQ(SnapInputFilterFreq(1125), 17);  // halfway between 1000 and 1250
    EXPECT_EQ(SnapInputFilterFreq(1126), 18);
    EXPECT_EQ(SnapInputFilterFreq(20), 0);
    EXPECT_EQ(SnapInputFilterFreq(5), 0);
    EXPECT_EQ(SnapInputFilterFreq(20000), 30);
    EXPECT_EQ(SnapInputFilterFreq(30000), 30);  // past the top: the top entry
}

// The time lists are read as numbers in the locale's format; both variants snap alike.
class TextSnapping : public ::testing::TestWithParam<int32_t> {
  protected:
    void SetUp() override { ms_->DecimalComma = GetParam(); }
    std::unique_ptr<ModelState> ms_ = std::make_unique<ModelState>();
};

TEST_P(TextSnapping, TimeLists) {
    EXPECT_EQ(SnapAttack(*ms_, 0.15), 0);  // halfway: the lower entry
    EXPECT_EQ(SnapAttack(*ms_, 0.16), 1);
    EXPECT_EQ(SnapAttack(*ms_, 0.01), 0);
    EXPECT_EQ(SnapAttack(*ms_, 1.1), 10);
    EXPECT_EQ(SnapAttack(*ms_, 3.0), 29);
    EXPECT_EQ(SnapAttack(*ms_, 5), 29);
    EXPECT_EQ(SnapRelease(*ms_, 22.5), 15);  // halfway between 20 and 25
    EXPECT_EQ(SnapRelease(*ms_, 23), 16);
    EXPECT_EQ(SnapRelease(*ms_, 1), 0);
    EXPECT_EQ(SnapRelease(*ms_, 110), 24);  // halfway between 100 and 120
    EXPECT_EQ(SnapRelease(*ms_, 200), 29);
    EXPECT_EQ(SnapRelease(*ms_, 1000), 29);
    EXPECT_EQ(SnapNgAttack(*ms_, 17.5), 0);  // halfway between 10 and 25
    EXPECT_EQ(SnapNgAttack(*ms_, 17.6), 1);
    EXPECT_EQ(SnapNgAttack(*ms_, 0), 0);
    EXPECT_EQ(SnapNgAttack(*ms_, 1000), 12);
    EXPECT_EQ(SnapNgAttack(*ms_, 5000), 12);
    EXPECT_EQ(SnapNgRelease(*ms_, 12.5), 9);  // halfway between 10 and 15
    EXPECT_EQ(SnapNgRelease(*ms_, 12.6), 10);
    EXPECT_EQ(SnapNgRelease(*ms_, 0.5), 0);
    EXPECT_EQ(SnapNgRelease(*ms_, 150), 19);
    EXPECT_EQ(SnapNgRelease(*ms_, 2000), 28);
}

INSTANTIATE_TEST_SUITE_P(DecimalPointAndComma, TextSnapping, ::testing::Values(0, 1));

TEST(Snapping, BandwidthSnapsToTheTable) {
    EXPECT_EQ(SnapQValue(5.0), 3.02271);
    EXPECT_EQ(SnapQIndex(5.0), 0);  // past the widest: the widest entry
    EXPECT_EQ(SnapQValue(3.02271), 3.02271);
    EXPECT_EQ(SnapQIndex(3.02271), 0);
    EXPECT_EQ(SnapQValue(2.6), 2.5431);
    EXPECT_EQ(SnapQIndex(2.6), 1);
    EXPECT_EQ(SnapQIndex(1.0), 10);
    EXPECT_EQ(SnapQValue(0.1442), 0.1442);
    EXPECT_EQ(SnapQIndex(0.1442), 96);
    EXPECT_EQ(SnapQValue(0.01), 0.1442);
    EXPECT_EQ(SnapQIndex(0.01), 96);
    // Just above the narrowest entry the value follows the table like the index does.
    EXPECT_EQ(SnapQValue(0.1443), 0.1442);
    EXPECT_EQ(SnapQIndex(0.1450), 95);
    EXPECT_EQ(SnapQValue(0.1450), 0.14566);
    EXPECT_EQ(SnapQValue(0.14566), 0.14566);
    // Halfway between two entries the smaller bandwidth wins.
    const double mid = EqBwTab[10] + (EqBwTab[9] - EqBwTab[10]) / 2;
    ASSERT_EQ(mid - EqBwTab[10], EqBwTab[9] - mid);
    EXPECT_EQ(SnapQIndex(mid), 10);
    EXPECT_EQ(SnapQIndex(std::nextafter(mid, 2.0)), 9);
    for (int i = 0; i < 97; ++i) {
        EXPECT_EQ(SnapQIndex(EqBwTab[i]), i);
        EXPECT_EQ(SnapQValue(EqBwTab[i]), EqBwTab[i]);
    }
}

TEST(Snapping, QToIndexRoundsHalfToEvenWithinTheRangeAndNaNGivesTheFirstEntry) {
    EXPECT_EQ(QToIndex(0.7), 3);
    EXPECT_EQ(QToIndex(2.8), 24);
    EXPECT_EQ(QToIndex(0.1), 0);
    EXPECT_EQ(QToIndex(12), 96);
    EXPECT_EQ(QToIndex(20), 96);
    EXPECT_EQ(QToIndex(0.65), 2);  // exactly 2.5 steps: to even
    EXPECT_EQ(QToIndex(1.05), 6);  // exactly 6.5 steps
    EXPECT_EQ(QToIndex(1.25), 8);  // exactly 8.5 steps
    EXPECT_EQ(QToIndex(1e300), 96);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(QToIndex(nan), 0);
    // Not a number gives the first entry.
    EXPECT_EQ(SnapGainDbIn(nan), -127.0);
    EXPECT_EQ(SnapInputFilterFreq(nan), 0);
    EXPECT_EQ(SnapQIndex(nan), 96);
}

}  // namespace
