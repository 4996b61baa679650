#include "model/DefaultImage.h"

#include <string_view>

#include "model/AddressTables.h"

namespace model {

namespace {

// Peaking band at 1000 Hz, Q index 24 (Q 2.8), gain index 24 (0 dB).
constexpr std::array<uint8_t, 5> DefaultBand = {0, 3, 232, 24, 24};

constexpr void Put(std::array<uint8_t, 912>& img, int at, std::initializer_list<uint8_t> bytes) {
    for (uint8_t b : bytes) img[at++] = b;
}

constexpr void PutText(std::array<uint8_t, 912>& img, int at, std::string_view text) {
    for (char c : text) img[at++] = static_cast<uint8_t>(c);
}

constexpr void PutBand(std::array<uint8_t, 912>& img, int at) {
    for (uint8_t b : DefaultBand) img[at++] = b;
}

constexpr std::array<uint8_t, 912> BuildDefaultImage() {
    std::array<uint8_t, 912> img{};
    // Every level word 4 * 256 + 246 = 1270, 0 dB.
    for (int ch = 0; ch < 16; ++ch) {
        img[GainAddrHi[ch]] = 4;
        img[GainAddrLo[ch]] = 246;
    }
    for (int o = 0; o < 8; ++o) {
        // Input o feeds output o at 0 dB; every other crosspoint is off at 0 dB.
        for (int i = 0; i < 8; ++i) img[RouteAddr[8 * o + i]] = i == o ? 30 : 158;
        for (int b = 0; b < 5; ++b) PutBand(img, EqOutBandAddr[5 * o + b]);
        Put(img, XoverAddr[2 * o], {0, 20, 0});       // high-pass 20 Hz, bypass
        Put(img, XoverAddr[2 * o + 1], {78, 32, 0});  // low-pass 20000 Hz, bypass
        Put(img, CompAddr[o], {240, 0, 0, 10, 5});
        Put(img, LimAddr[o], {5, 29, 240});
    }
    img[InSourceAddr] = 255;
    img[FeedbackFreqAddr] = 5;
    PutText(img, ProgNameAddr, "Program default ");
    img[ProgMarkAddr] = 85;
    Put(img, MasterLevelAddr[0], {100, 100});
    Put(img, MasterLevelAddr[1], {4, 246});
    img[InProcAddr] = 15;
    img[BalancedAddr] = 255;
    for (int i = 0; i < 8; ++i) {
        for (int bank : {0, 16}) {
            for (int b = 0; b < 3; ++b) PutBand(img, EqInBandAddr[3 * i + b] + bank);
        }
        // Names "Inp1   " and "Out1    " ... blank padded to fill the name slots.
        const auto digit = static_cast<uint8_t>('1' + i);
        PutText(img, ChNameAddr[i], "Inp");
        img[ChNameAddr[i] + 3] = digit;
        PutText(img, ChNameAddr[i] + 4, "   ");
        img[InFilterAddr[i]] = 17;
        PutText(img, ChNameAddr[8 + i], "Out");
        img[ChNameAddr[8 + i] + 3] = digit;
        PutText(img, ChNameAddr[8 + i] + 4, "    ");
        Put(img, NgAddr[i], {4, 0, 0});
    }
    // Automatic mixer and ducker bytes 891..904.
    Put(img, 891, {10, 2, 10, 2, 49, 4, 0, 0, 2, 10, 2, 4, 0, 6});
    return img;
}

}  // namespace

constinit const std::array<uint8_t, 912> DefaultImage = BuildDefaultImage();

}  // namespace model
