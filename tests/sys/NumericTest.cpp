#include <gtest/gtest.h>

#include <cmath>

#include "sys/Numeric.h"

namespace {

TEST(Numeric, RoundGoesHalfToEvenIntFloorsFixTruncates) {
    EXPECT_EQ(sys::Round(2.5), 2.0);
    EXPECT_EQ(sys::Round(3.5), 4.0);
    EXPECT_EQ(sys::Round(-2.5), -2.0);
    EXPECT_EQ(sys::Round(0.5), 0.0);
    EXPECT_EQ(sys::Round(1.5000001), 2.0);
    EXPECT_EQ(sys::CInt(1447.5), 1448);
    EXPECT_EQ(sys::CInt(1446.5), 1446);
    EXPECT_EQ(sys::CInt(1e9), 32767);
    EXPECT_EQ(sys::CInt(-1e9), -32768);
    EXPECT_EQ(sys::CLng(-2147483649.0), INT32_MIN);
    // Int floors and Fix truncates.
    EXPECT_EQ(sys::Int(-2.5), -3.0);
    EXPECT_EQ(sys::Fix(-2.5), -2.0);
    EXPECT_EQ(sys::Int(2.9), 2.0);
    EXPECT_EQ(sys::Fix(2.9), 2.0);
}

TEST(Numeric, ValReadsTheLeadingNumber) {
    EXPECT_EQ(sys::Val("12abc"), 12.0);
    EXPECT_EQ(sys::Val(" 1 2 3"), 123.0);
    EXPECT_EQ(sys::Val("-3.25x"), -3.25);
    EXPECT_EQ(sys::Val("1,5"), 1.0);
    EXPECT_EQ(sys::Val("abc"), 0.0);
    EXPECT_EQ(sys::Val(""), 0.0);
    EXPECT_EQ(sys::Val("&HFF"), 255.0);
    EXPECT_EQ(sys::Val("&O17"), 15.0);
    EXPECT_EQ(sys::Val("2E3"), 2000.0);
    EXPECT_EQ(sys::Val("2E"), 2.0);
    EXPECT_EQ(sys::Val(".5"), 0.5);
}

TEST(Numeric, NumTextWritesLikeTheLocale) {
    EXPECT_EQ(sys::NumText(1.5, false), "1.5");
    EXPECT_EQ(sys::NumText(1.5, true), "1,5");
    EXPECT_EQ(sys::NumText(-127, false), "-127");
    EXPECT_EQ(sys::NumText(0.5, false), "0.5");
    EXPECT_EQ(sys::NumText(-0.25, true), "-0,25");
    EXPECT_EQ(sys::NumText(0, false), "0");
    EXPECT_EQ(sys::NumText(20000, false), "20000");
    EXPECT_EQ(sys::NumText(0.1 + 0.2, false), "0.3");
    EXPECT_EQ(sys::NumText(1.0 / 3.0, false), "0.333333333333333");
    EXPECT_EQ(sys::NumText(3.02271, false), "3.02271");
    EXPECT_EQ(sys::NumText(1e-10, false), "1E-10");
    EXPECT_EQ(sys::NumText(1e20, false), "1E+20");
    EXPECT_EQ(sys::SingleText(10.0f * 0.5f, false), "5");
    EXPECT_EQ(sys::SingleText(0.1f, false), "0.1");
}

TEST(Numeric, ParseNumberAcceptsOnlyTheLocaleSeparator) {
    double v = 99;
    EXPECT_TRUE(sys::ParseNumber("1.5", false, v));
    EXPECT_EQ(v, 1.5);
    EXPECT_TRUE(sys::ParseNumber(" -6,25 ", true, v));
    EXPECT_EQ(v, -6.25);
    EXPECT_TRUE(sys::ParseNumber("+18", false, v));
    EXPECT_EQ(v, 18.0);
    EXPECT_TRUE(sys::ParseNumber("1e3", false, v));
    EXPECT_EQ(v, 1000.0);
    v = 99;
    EXPECT_FALSE(sys::ParseNumber("1,5", false, v));
    EXPECT_FALSE(sys::ParseNumber("1.5", true, v));
    EXPECT_FALSE(sys::ParseNumber("12?", false, v));
    EXPECT_FALSE(sys::ParseNumber("?", false, v));
    EXPECT_FALSE(sys::ParseNumber("", false, v));
    EXPECT_FALSE(sys::ParseNumber("-", false, v));
    EXPECT_FALSE(sys::ParseNumber("1e", false, v));
    EXPECT_FALSE(sys::ParseNumber("1e999", false, v));
    EXPECT_EQ(v, 99.0);
}

TEST(Numeric, EveryTenthOfADecibelReadsWithOneDecimal) {
    for (int i = 0; i <= 1450; ++i) {
        const double db = (i - 1270) / 10.0;
        for (bool comma : {false, true}) {
            const std::string text = sys::NumText(db, comma);
            const size_t sep = text.find(comma ? ',' : '.');
            EXPECT_TRUE(sep == std::string::npos || sep + 2 == text.size()) << text;
            double back = 0;
            ASSERT_TRUE(sys::ParseNumber(text, comma, back));
            EXPECT_NEAR(back, db, 1e-12);
        }
    }
}

}  // namespace
