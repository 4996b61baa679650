#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <memory>

#include "model/ModelState.h"
#include "model/ValueBytes.h"

namespace {

using model::ModelState;
using model::SplitValueBytes;

std::array<uint8_t, 4> Split(ModelState& ms, double value) {
    EXPECT_TRUE(SplitValueBytes(ms, value, 0));
    return {ms.ValBytes[0], ms.ValBytes[1], ms.ValBytes[2], ms.ValBytes[3]};
}

using Bytes = std::array<uint8_t, 4>;

TEST(SplitValueBytes, GivesTheBigEndianDigitsModulo2To32) {
    auto ms = std::make_unique<ModelState>();
    EXPECT_EQ(Split(*ms, 911), (Bytes{0x00, 0x00, 0x03, 0x8F}));
    EXPECT_EQ(Split(*ms, 2.5), (Bytes{0, 0, 0, 2}));  // rounds half to even
    EXPECT_EQ(Split(*ms, 3.5), (Bytes{0, 0, 0, 4}));
    EXPECT_EQ(Split(*ms, -1), (Bytes{0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Split(*ms, -300), (Bytes{0xFF, 0xFF, 0xFE, 0xD4}));
    EXPECT_EQ(Split(*ms, 4294967301.0), (Bytes{0, 0, 0, 5}));
    EXPECT_EQ(Split(*ms, 20000), (Bytes{0, 0, 0x4E, 0x20}));
    EXPECT_EQ(Split(*ms, 0x12345678), (Bytes{0x12, 0x34, 0x56, 0x78}));
    // Huge values still wrap.
    EXPECT_EQ(Split(*ms, std::ldexp(1.0, 55)), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Split(*ms, -(std::ldexp(1.0, 56) + 256)), (Bytes{0xFF, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(Split(*ms, 1e300), (Bytes{0, 0, 0, 0}));
}

TEST(SplitValueBytes, WritesOnlyItsFourBytesOrRefuses) {
    auto ms = std::make_unique<ModelState>();
    ms->ValBytes.fill(0xAA);
    ASSERT_TRUE(SplitValueBytes(*ms, 911, 5));
    for (size_t k = 0; k < ms->ValBytes.size(); ++k) {
        const uint8_t expected = k == 7 ? 0x03 : k == 8 ? 0x8F : (k == 5 || k == 6) ? 0 : 0xAA;
        EXPECT_EQ(ms->ValBytes[k], expected) << k;
    }
    ASSERT_TRUE(SplitValueBytes(*ms, 1, 27));
    EXPECT_EQ(ms->ValBytes[30], 1);

    // What it cannot split leaves every byte alone.
    ms->ValBytes.fill(0xAA);
    EXPECT_FALSE(SplitValueBytes(*ms, std::numeric_limits<double>::quiet_NaN(), 0));
    EXPECT_FALSE(SplitValueBytes(*ms, std::numeric_limits<double>::infinity(), 0));
    EXPECT_FALSE(SplitValueBytes(*ms, 1, 28));
    EXPECT_FALSE(SplitValueBytes(*ms, 1, -1));
    for (uint8_t b : ms->ValBytes) EXPECT_EQ(b, 0xAA);
}

}  // namespace
