#include "devsim/FactoryImage.h"

#include <cstring>

namespace devsim {

namespace {

constexpr uint8_t kZeroDbHigh = 4;  // level word 1270 = 0 dB
constexpr uint8_t kZeroDbLow = 246;
constexpr uint8_t kRouteOn = 30;                       // on, 0 dB
constexpr uint8_t kRouteOff = 158;                     // off, 0 dB
constexpr uint8_t kFlatBand[5] = {0, 3, 232, 24, 24};  // peaking, 1000 Hz, Q 2.8, 0 dB

void Put(Image& img, int addr, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) img[addr++] = b;
}

void PutText(Image& img, int addr, const char* text) {
    std::memcpy(&img[addr], text, std::strlen(text));
}

void PutBand(Image& img, int addr) {
    std::memcpy(&img[addr], kFlatBand, sizeof kFlatBand);
}

}  // namespace

Image FactoryImage() {
    Image img{};
    for (int o = 0; o < 8; ++o) {
        for (int i = 0; i < 8; ++i) img[image::Route(o, i)] = i == o ? kRouteOn : kRouteOff;
        for (int b = 0; b < 5; ++b) PutBand(img, image::OutEqBand(o, b));
        Put(img, image::OutXover(o, 0), {0, 20, 0});   // 20 Hz
        Put(img, image::OutXover(o, 1), {78, 32, 0});  // 20000 Hz
        Put(img, image::OutComp(o), {240, 0, 0, 10, 5});
        Put(img, image::OutLim(o), {5, 29, 240});
    }
    for (int ch = 0; ch < 16; ++ch) {
        img[image::LevelHigh(ch)] = kZeroDbHigh;
        img[image::LevelLow(ch)] = kZeroDbLow;
    }
    Put(img, image::InPolarity, {0, 255, 0, 0, 0, 0, 0, 5});
    PutText(img, image::ProgName, "Program default ");
    img[image::ProgMark] = kStoredMark;
    Put(img, image::MasterIn, {100, 100, kZeroDbHigh, kZeroDbLow, 15});
    img[image::Balanced] = 255;
    for (int i = 0; i < 8; ++i) {
        for (int bank = 0; bank < 2; ++bank) {
            for (int b = 0; b < 3; ++b) PutBand(img, image::InEqBand(i, bank, b));
        }
        const char in[] = {'I', 'n', 'p', char('1' + i), ' ', ' ', ' ', 0};
        const char out[] = {'O', 'u', 't', char('1' + i), ' ', ' ', ' ', ' ', 0};
        PutText(img, image::ChannelName(i), in);
        PutText(img, image::ChannelName(8 + i), out);
        img[image::InFilter(i)] = 17;
        Put(img, image::NoiseGate(i), {4, 0, 0});
    }
    Put(img, image::GateEnable, {0, 0, 0, 10, 2, 10, 2, 49, 4, 0, 0, 2, 10, 2, 4, 0, 6});
    return img;
}

}  // namespace devsim
