#include <gtest/gtest.h>

#include <string>

#include "devsim/Device.h"
#include "devsim/FactoryImage.h"

namespace devsim {
namespace {

int Word(const Image& img, int high, int low) {
    return img[high] * 256 + img[low];
}

std::string Text(const Image& img, int addr, int length) {
    return std::string(img.begin() + addr, img.begin() + addr + length);
}

TEST(FactoryImage, EveryLevelWordIsZeroDb) {
    const Image img = FactoryImage();
    for (int ch = 0; ch < 16; ++ch) {
        EXPECT_EQ(Word(img, image::LevelHigh(ch), image::LevelLow(ch)), 1270) << "channel " << ch;
    }
    EXPECT_EQ(Word(img, 466, 467), 1270);  // master output volume
    EXPECT_EQ(img[3], 4);                  // input 3 uses 3 and 475
    EXPECT_EQ(img[475], 246);
    EXPECT_EQ(img[59], 4);  // output 0 uses 59 and 455
    EXPECT_EQ(img[455], 246);
}

TEST(FactoryImage, OutputBlocksDifferOnlyInRouting) {
    const Image img = FactoryImage();
    for (int o = 0; o < 8; ++o) {
        for (int i = 0; i < 8; ++i) EXPECT_EQ(img[image::Route(o, i)], i == o ? 30 : 158);
        for (int k = 8; k < 52; ++k)
            EXPECT_EQ(img[image::OutBlock(o) + k], img[image::OutBlock(0) + k]);
    }
    const uint8_t block0[] = {0,   0,  0,  // delay
                              0,   3,  232, 24, 24,  0,  3,  232, 24, 24,  0,  3,  232,
                              24,  24, 0,   3,  232, 24, 24, 0,   3,  232, 24, 24,  // five bands
                              0,   20, 0,   78, 32,  0,                             // crossovers
                              240, 0,  0,   10, 5,   5,  29, 240, 0,  4};           // dynamics
    for (size_t k = 0; k < sizeof block0; ++k) EXPECT_EQ(img[16 + k], block0[k]) << 16 + k;
    EXPECT_EQ(img[379], 30);  // last routing byte: input 8 into output 8
}

TEST(FactoryImage, SettingsNamesAndTail) {
    const Image img = FactoryImage();
    const uint8_t settings[] = {0, 255, 0, 0, 0, 0, 0, 5};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(img[424 + k], settings[k]);
    EXPECT_EQ(Text(img, image::ProgName, 16), "Program default ");
    EXPECT_EQ(img[image::ProgMark], 85);
    EXPECT_EQ(img[464], 100);
    EXPECT_EQ(img[465], 100);
    EXPECT_EQ(img[468], 15);
    EXPECT_EQ(img[471], 255);
    EXPECT_EQ(Text(img, image::ChannelName(0), 7), "Inp1   ");
    EXPECT_EQ(Text(img, image::ChannelName(7), 7), "Inp8   ");
    EXPECT_EQ(Text(img, image::ChannelName(8), 8), "Out1    ");
    EXPECT_EQ(Text(img, image::ChannelName(15), 8), "Out8    ");
    EXPECT_EQ(img[image::InFilter(0)], 17);
    EXPECT_EQ(image::InFilter(7), 799);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(img[image::NoiseGate(i)], 4);
        EXPECT_EQ(img[image::InEqBand(i, 1, 2) + 2], 232);
        EXPECT_EQ(img[image::InEqFlags(i, 0)], 0);
    }
    const uint8_t tail[] = {0,  0, 0, 10, 2, 10, 2, 49, 4, 0, 0, 2,
                            10, 2, 4, 0,  6, 0,  0, 0,  0, 0, 0, 0};
    for (int k = 0; k < 24; ++k) EXPECT_EQ(img[888 + k], tail[k]) << 888 + k;
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
