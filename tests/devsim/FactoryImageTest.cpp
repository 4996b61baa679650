#include <gtest/gtest.h>

#include <string>

#include "devsim/Device.h"
#include "devsim/FactoryImage.h"
#include "model/DefaultImage.h"

namespace devsim {
namespace {

std::string Text(const Image& img, int addr, int length) {
    return std::string(img.begin() + addr, img.begin() + addr + length);
}

// The program's default image is checked byte for byte against the documented factory memory
// by its own test; the simulator's image must equal it, and its address helpers find the
// documented bytes in it.
TEST(FactoryImage, IsTheDocumentedFactoryMemory) {
    const Image img = FactoryImage();
    ASSERT_EQ(img.size(), model::DefaultImage.size());
    for (size_t a = 0; a < img.size(); ++a) EXPECT_EQ(img[a], model::DefaultImage[a]) << a;
    for (int ch = 0; ch < 16; ++ch) {
        EXPECT_EQ(img[image::LevelHigh(ch)] * 256 + img[image::LevelLow(ch)], 1270) << ch;
    }
    for (int o = 0; o < 8; ++o) {
        for (int i = 0; i < 8; ++i) EXPECT_EQ(img[image::Route(o, i)], i == o ? 30 : 158);
        EXPECT_EQ(image::OutBlock(o), 8 + 52 * o);
    }
    EXPECT_EQ(Text(img, image::ProgName, 16), "Program default ");
    EXPECT_EQ(img[image::ProgMark], 85);
    EXPECT_EQ(Text(img, image::ChannelName(7), 7), "Inp8   ");
    EXPECT_EQ(Text(img, image::ChannelName(15), 8), "Out8    ");
    EXPECT_EQ(img[image::InFilter(0)], 17);
    EXPECT_EQ(image::InFilter(7), 799);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(img[image::NoiseGate(i)], 4);
        EXPECT_EQ(img[image::InEqBand(i, 1, 2) + 2], 232);
        EXPECT_EQ(img[image::InEqFlags(i, 0)], 0);
    }
}

TEST(FactoryImage, FreshDeviceHoldsItAsWorkingProgramAndNoStoredProgram) {
    Device device;
    const Image img = FactoryImage();
    EXPECT_EQ(device.Read(kWorkingProgramAddr, kImageSize),
              std::vector<uint8_t>(img.begin(), img.end()));
    EXPECT_EQ(WorkingAddr(911), 975);
    EXPECT_EQ(SlotAddr(9) + kImageSize - 1, 10143);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_NE(device.Peek(SlotAddr(slot) + image::ProgMark), kStoredMark);
    }
    const auto name = device.Read(kDeviceNameAddr, kNameLength);
    EXPECT_EQ(std::string(name.begin(), name.end()), "Velotrix        ");
}

}  // namespace
}  // namespace devsim
