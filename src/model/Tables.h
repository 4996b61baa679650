// The fixed value lists that the editors show by slider position or list index and that typed
// values are snapped to. Built once; never changed. Text entries are byte strings as shown.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace model {

// Third-octave frequencies of the input filter, Hz.
inline constexpr std::array<int16_t, 31> FreqTab31 = {
    20,  25,   31,   40,   50,   63,   80,   100,  125,  160,  200,  250,   315,   400,   500,  630,
    800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000, 20000};

// Equaliser gain grid, -12.0 to +12.0 dB in 0.5 dB steps (0.0 at index 24).
inline constexpr std::array<double, 49> EqGainTab = [] {
    std::array<double, 49> a{};
    for (int k = 0; k < 49; ++k) a[k] = -12.0 + 0.5 * k;
    return a;
}();

// Bandwidth in octaves of the peaking filter for Q = 0.4 + 0.1 * i, cut to 5 decimals:
// 3.02271 at 0 falling to 0.1442 at 96. Computed at start-up; don't use it from other
// static initialisers.
extern const std::array<double, 97> EqBwTab;

// Captions of the equaliser band types 0 peaking, 1 high shelf, 2 low shelf.
inline constexpr std::array<std::string_view, 3> EqTypeText = {"PEAK EQ", "HiSHF Q", "LoSHF Q"};

// Compressor ratios "1:1" to "32:1".
inline constexpr std::array<std::string_view, 32> RatioText = {
    "1:1",  "2:1",  "3:1",  "4:1",  "5:1",  "6:1",  "7:1",  "8:1",  "9:1",  "10:1", "11:1",
    "12:1", "13:1", "14:1", "15:1", "16:1", "17:1", "18:1", "19:1", "20:1", "21:1", "22:1",
    "23:1", "24:1", "25:1", "26:1", "27:1", "28:1", "29:1", "30:1", "31:1", "32:1"};

// Compressor and limiter attack times, ms, with a decimal point and with a decimal comma.
inline constexpr std::array<std::string_view, 30> AttackText = {
    "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1.0",
    "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2.0",
    "2.1", "2.2", "2.3", "2.4", "2.5", "2.6", "2.7", "2.8", "2.9", "3.0"};
inline constexpr std::array<std::string_view, 30> AttackTextComma = {
    "0,1", "0,2", "0,3", "0,4", "0,5", "0,6", "0,7", "0,8", "0,9", "1,0",
    "1,1", "1,2", "1,3", "1,4", "1,5", "1,6", "1,7", "1,8", "1,9", "2,0",
    "2,1", "2,2", "2,3", "2,4", "2,5", "2,6", "2,7", "2,8", "2,9", "3,0"};

// Compressor and limiter release times.
inline constexpr std::array<std::string_view, 30> ReleaseText = {
    "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14",  "15",  "16",  "17",  "18",  "19",
    "20", "25", "30", "40", "50", "60", "70", "80", "90", "100", "120", "140", "160", "180", "200"};

// Noise-gate attack and release times.
inline constexpr std::array<std::string_view, 13> NgAttackText = {
    "10", "25", "50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"};
inline constexpr std::array<std::string_view, 29> NgReleaseText = {
    "1",   "2",   "3",   "4",   "5",   "6",   "7",   "8",   "9",   "10",
    "15",  "20",  "30",  "40",  "50",  "60",  "70",  "80",  "90",  "100",
    "200", "300", "400", "500", "600", "700", "800", "900", "1000"};

// Routing mix levels "-30dB" to "0dB" (entry L = L - 30 dB).
inline constexpr std::array<std::string_view, 31> LevelDbText = {
    "-30dB", "-29dB", "-28dB", "-27dB", "-26dB", "-25dB", "-24dB", "-23dB",
    "-22dB", "-21dB", "-20dB", "-19dB", "-18dB", "-17dB", "-16dB", "-15dB",
    "-14dB", "-13dB", "-12dB", "-11dB", "-10dB", "-9dB",  "-8dB",  "-7dB",
    "-6dB",  "-5dB",  "-4dB",  "-3dB",  "-2dB",  "-1dB",  "0dB"};

// Delay display units: 0 time, 1 distance.
inline constexpr std::array<std::string_view, 2> DelayUnitText = {" ms", " m"};

// The name of an empty program slot, one character an entry.
inline constexpr std::array<std::string_view, 16> EmptyProgName = {
    " ", "P", "r", "o", "g", "r", "a", "m", " ", "E", "m", "p", "t", "y", " ", " "};

// Ducker time parameters.
inline constexpr std::array<int16_t, 48> DuckTimeTab = {
    1,  2,  3,  4,  5,  6,  7,   8,   9,   10,  11,  12,  13,  14,   15,   16,
    17, 18, 19, 20, 22, 24, 26,  28,  30,  32,  34,  36,  38,  40,   45,   50,
    55, 60, 65, 70, 75, 80, 100, 120, 140, 160, 220, 350, 700, 1000, 1500, 2000};

// Output channel 0..7 of output equaliser band b.
inline constexpr std::array<int16_t, 40> BandToOutCh = [] {
    std::array<int16_t, 40> a{};
    for (int b = 0; b < 40; ++b) a[b] = static_cast<int16_t>(b / 5);
    return a;
}();

// Device address of switch preset k's output mask.
inline constexpr std::array<int16_t, 10> SwitchStoreCode = {54, 55, 56, 57, 58, 59, 60, 61, 62, 63};

inline constexpr std::array<int16_t, 8> BitMask8 = {1, 2, 4, 8, 16, 32, 64, 128};

// The attack texts written with the locale's decimal separator.
inline const std::array<std::string_view, 30>& AttackTextFor(int32_t decimalComma) {
    return decimalComma != 0 ? AttackTextComma : AttackText;
}

// The entries of EmptyProgName joined: " Program Empty  ".
std::string EmptyProgNameText();

}  // namespace model
