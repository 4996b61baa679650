// The programs the tests send through the program slots, program files and the application of
// a whole image: every value of its own, so that a byte taken from its neighbour shows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace testsupport {

// A program that sets every byte: v = 0 and v = 1 give two programs that differ in each of
// their 912 bytes, each within the ranges the editor keeps (so applying it changes nothing).
// Every byte of Program(1) differs from the factory program too. Each channel, band and
// crosspoint holds values of its own, and the bits of each flag byte differ from channel to
// channel, so that a value taken from its neighbour shows; the Mic/Line choice, the processing
// type and the feedback suppressor agree within each stereo pair.
inline std::vector<uint8_t> Program(int v) {
    std::vector<uint8_t> p(912);
    const auto pick = [v](int first, int second) {
        return static_cast<uint8_t>(v ? second : first);
    };
    const auto word = [&](int hi, int lo, int first, int second) {
        p[hi] = pick(first >> 8, second >> 8);
        p[lo] = pick(first & 0xFF, second & 0xFF);
    };
    // Equaliser band number salt: its type, frequency, Q and gain.
    const auto band = [&](int a, int salt) {
        p[a] = pick(2 - salt % 2, 1 + salt % 2);
        word(a + 1, a + 2, 1000 + 10 * salt, 2570 + 10 * salt);
        p[a + 3] = pick(10 + salt % 40, 60 + salt % 30);
        p[a + 4] = pick(salt % 24, 25 + salt % 24);
    };
    // A flag byte: the pattern's bits, and their opposites.
    const auto bits = [&](int a, int pattern) { p[a] = pick(pattern, pattern ^ 0xFF); };
    for (int i = 0; i < 8; ++i) word(i, 472 + i, 1270 - 10 * i, 1000 - 10 * i);
    for (int o = 0; o < 8; ++o) {
        const int b = 8 + 52 * o;
        for (int i = 0; i < 8; ++i) {
            p[b + i] = pick((i + 8 * o) % 31, 0x80 | (i + 8 * o + 7) % 30);
        }
        word(b + 8, b + 9, 1 + o, 258 + o);
        p[b + 10] = pick(5 + o, 20 + o);
        for (int k = 0; k < 5; ++k) band(b + 11 + 5 * k, 5 * o + k);
        word(b + 36, b + 37, 20 + o, 300 + o);
        p[b + 38] = pick(o % 3, 3 + o % 3);
        word(b + 39, b + 40, 20000 - o, 5000 - o);
        p[b + 41] = pick((o + 1) % 3, 3 + (o + 1) % 3);
        const int dynamics[2][8] = {
            {240 - o, o % 3, o, 10 + o, 5 + o, 5 + o, 29 - o, 240 - 2 * o},
            {200 - o, 3 + o % 3, 50 + o, 20 + o, 15 + o, 15 + o, 10 - o, 200 - 2 * o}};
        for (int k = 0; k < 8; ++k) p[b + 42 + k] = static_cast<uint8_t>(dynamics[v][k]);
        p[b + 50] = pick(o, 0x1F ^ o);
        word(b + 51, 455 + o, 1270 - 10 * o, 1000 - 10 * o);
    }
    const std::pair<int, int> flags[] = {{424, 0x96}, {427, 0x3C}, {428, 0xC3}, {429, 0x69},
                                         {448, 0x0F}, {449, 0xF0}, {450, 0x5A}, {451, 0xA5},
                                         {452, 0x99}, {471, 0x66}, {888, 0x1E}};
    for (const auto& [a, pattern] : flags) bits(a, pattern);
    // Line inputs with the equaliser, Mic inputs with the feedback suppressor on.
    bits(425, 0x33);
    bits(468, 0x33);
    bits(426, 0xCC);
    p[430] = pick(0, 1);
    p[431] = pick(5, 9);
    for (int j = 0; j < 16; ++j) p[432 + j] = pick('A' + j, 'a' + j);
    p[463] = pick(85, 0);
    word(464, 465, 100 * 256 + 100, 7 * 256 + 40);
    word(466, 467, 1270, 1000);
    for (int i = 0; i < 8; ++i) {
        for (int bank = 0; bank < 2; ++bank) {
            const int a = 480 + 32 * i + 16 * bank;
            for (int k = 0; k < 3; ++k) band(a + 5 * k, 40 + 6 * i + 3 * bank + k);
            p[a + 15] = pick((i + bank) % 7, 7 ^ (i + bank) % 7);
        }
    }
    for (int ch = 0; ch < 16; ++ch) {
        const int a = 736 + 8 * ch;
        for (int k = 0; k < 6; ++k) p[a + k] = pick('A' + (ch + k) % 26, 'a' + (ch + k) % 26);
        p[a + 6] = pick(1 + ch, 100 + ch);
        // An input's filter: type and frequency; an output's unused byte.
        p[a + 7] = ch < 8 ? pick(ch % 3 * 64 + 10 + ch, (ch + 1) % 3 * 64 + 20 + ch)
                          : pick(1 + ch, 100 + ch);
    }
    for (int i = 0; i < 8; ++i) {
        p[864 + 3 * i] = pick(4 + i, 40 + i);
        p[865 + 3 * i] = pick(i, (i + 5) % 13);
        p[866 + 3 * i] = pick(i, 9 + i);
    }
    const uint8_t mixerAndDucker[2][23] = {
        {0, 0, 1, 1, 10, 2, 49, 1, 1, 0x0F, 2, 10, 2, 4, 0, 6, 1, 1, 1, 1, 1, 1, 0},
        {1, 1, 2, 3, 11, 3, 50, 2, 2, 0xF0, 50, 20, 5, 20, 1, 30, 2, 2, 2, 2, 2, 2, 0x0F}};
    std::copy_n(mixerAndDucker[v], 23, p.begin() + 889);
    for (int a : {453, 454, 469, 470}) p[a] = pick(1, 2);
    return p;
}

}  // namespace testsupport
