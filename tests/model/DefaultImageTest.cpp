#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/DefaultImage.h"

namespace {

// The factory image written out row by row from the device's documented default memory,
// with its own address arithmetic. Each row marks the bytes it sets, so the rows must cover
// 0..911 exactly once.
class ExpectedImage {
  public:
    void Row(int first, const std::vector<int>& bytes) {
        for (size_t n = 0; n < bytes.size(); ++n) {
            const int a = first + static_cast<int>(n);
            ASSERT_LT(a, 912);
            ASSERT_FALSE(set_[a]) << "address " << a << " set twice";
            set_[a] = true;
            img_[a] = static_cast<uint8_t>(bytes[n]);
        }
    }
    void Text(int first, const std::string& text) {
        Row(first, std::vector<int>(text.begin(), text.end()));
    }
    void Fill(int first, int last, int value) {
        Row(first, std::vector<int>(static_cast<size_t>(last - first + 1), value));
    }
    const std::array<uint8_t, 912>& Bytes() const { return img_; }
    bool Complete() const {
        for (bool s : set_) {
            if (!s) return false;
        }
        return true;
    }

  private:
    std::array<uint8_t, 912> img_{};
    std::array<bool, 912> set_{};
};

ExpectedImage FactoryImage() {
    ExpectedImage e;
    e.Fill(0, 7, 4);
    for (int k = 0; k < 8; ++k) {
        const int b = 52 * k;
        for (int i = 0; i < 8; ++i) e.Row(b + 8 + i, {i == k ? 30 : 158});
        e.Row(b + 16, {0, 0, 0});
        for (int band = 0; band < 5; ++band) e.Row(b + 19 + 5 * band, {0, 3, 232, 24, 24});
        e.Row(b + 44, {0, 20, 0});
        e.Row(b + 47, {78, 32, 0});
        e.Row(b + 50, {240, 0, 0, 10, 5});
        e.Row(b + 55, {5, 29, 240});
        e.Row(b + 58, {0});
        e.Row(b + 59, {4});
    }
    e.Row(424, {0, 255, 0, 0, 0, 0, 0, 5});
    e.Row(432, {80, 114, 111, 103, 114, 97, 109, 32, 100, 101, 102, 97, 117, 108, 116, 32});
    e.Row(448, {0, 0, 0, 0, 0, 0, 0});
    e.Fill(455, 462, 246);
    e.Row(463, {85, 100, 100, 4, 246, 15, 0, 0, 255});
    e.Fill(472, 479, 246);
    for (int i = 0; i < 8; ++i) {
        const int b = 480 + 32 * i;
        for (int set : {0, 16}) {
            for (int band = 0; band < 3; ++band) e.Row(b + set + 5 * band, {0, 3, 232, 24, 24});
            e.Row(b + set + 15, {0});
        }
    }
    for (int i = 0; i < 8; ++i) {
        e.Text(736 + 8 * i, "Inp" + std::to_string(i + 1) + "   ");
        e.Row(743 + 8 * i, {17});
        e.Text(800 + 8 * i, "Out" + std::to_string(i + 1) + "    ");
    }
    for (int i = 0; i < 8; ++i) e.Row(864 + 3 * i, {4, 0, 0});
    e.Row(888, {0, 0, 0, 10, 2, 10, 2, 49, 4, 0, 0, 2, 10, 2, 4, 0, 6});
    e.Fill(905, 911, 0);
    return e;
}

TEST(DefaultImage, MatchesTheFactoryMemoryByteForByte) {
    const ExpectedImage expected = FactoryImage();
    ASSERT_TRUE(expected.Complete());
    for (int a = 0; a < 912; ++a) {
        EXPECT_EQ(model::DefaultImage[a], expected.Bytes()[a]) << "image address " << a;
    }
}

}  // namespace
