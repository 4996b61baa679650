// Image addresses of every device parameter in ProgImage (0..911). Output k's parameters lie in
// a 52-byte block from 8 + 52k; input i's equalisers in a 32-byte block from 480 + 32i, whose
// second set (16 bytes higher) the users select by adding the input's bank offset.
#pragma once

#include <array>
#include <cstdint>

namespace model {

namespace detail {
// Table of count entries, entry n = first + step * (n / group) + inner * (n % group).
template <int Count>
constexpr std::array<int16_t, Count> AddrTable(int first, int step, int group, int inner) {
    std::array<int16_t, Count> a{};
    for (int n = 0; n < Count; ++n) {
        a[n] = static_cast<int16_t>(first + step * (n / group) + inner * (n % group));
    }
    return a;
}
}  // namespace detail

// High and low byte of the channel's level word, channel 0..15 (inputs, then outputs).
inline constexpr std::array<int16_t, 16> GainAddrHi = [] {
    std::array<int16_t, 16> a{};
    for (int c = 0; c < 8; ++c) {
        a[c] = static_cast<int16_t>(c);
        a[8 + c] = static_cast<int16_t>(59 + 52 * c);
    }
    return a;
}();
inline constexpr std::array<int16_t, 16> GainAddrLo = [] {
    std::array<int16_t, 16> a{};
    for (int c = 0; c < 8; ++c) {
        a[c] = static_cast<int16_t>(472 + c);
        a[8 + c] = static_cast<int16_t>(455 + c);
    }
    return a;
}();

// Index 0 master input gain, 1 master output volume: the first (high) of two bytes.
inline constexpr std::array<int16_t, 2> MasterLevelAddr = {464, 466};
// Index 0 inputs, 1 outputs: one bit per channel.
inline constexpr std::array<int16_t, 2> PolarityAddr = {424, 429};
inline constexpr std::array<int16_t, 2> MuteAddr = {427, 428};

// Output k, band b at index 5k + b: first byte of the band's 5-byte record.
inline constexpr auto EqOutBandAddr = detail::AddrTable<40>(19, 52, 5, 5);
// Output k: band-bypass bits.
inline constexpr auto EqOutFlagAddr = detail::AddrTable<8>(58, 52, 1, 0);
// Index 2k high-pass, 2k + 1 low-pass of output k: frequency high, low, type.
inline constexpr auto XoverAddr = detail::AddrTable<16>(44, 52, 2, 3);
// Output k: coarse delay high, low, fine delay.
inline constexpr auto DelayAddr = detail::AddrTable<8>(16, 52, 1, 0);
// Output k: compressor threshold, ratio, knee, attack, release.
inline constexpr auto CompAddr = detail::AddrTable<8>(50, 52, 1, 0);
// Output k: limiter release, attack, threshold.
inline constexpr auto LimAddr = detail::AddrTable<8>(55, 52, 1, 0);
// Input i, band b at index 3i + b (first set).
inline constexpr auto EqInBandAddr = detail::AddrTable<24>(480, 32, 3, 5);
// Input i: band-bypass bits of the first set.
inline constexpr auto EqInFlagAddr = detail::AddrTable<8>(495, 32, 1, 0);
// Crosspoint of input i into output o at index 8o + i.
inline constexpr auto RouteAddr = detail::AddrTable<64>(8, 52, 8, 1);
// Channel 0..15: the channel's 8-byte name slot.
inline constexpr auto ChNameAddr = detail::AddrTable<16>(736, 8, 1, 0);
// Input i: the filter byte, the last byte of the input's name slot.
inline constexpr auto InFilterAddr = detail::AddrTable<8>(743, 8, 1, 0);
// Input i: noise-gate threshold, attack, release.
inline constexpr auto NgAddr = detail::AddrTable<8>(864, 3, 1, 0);

inline constexpr int16_t InSourceAddr = 425;  // Mic/Line bits, set = Line
inline constexpr int16_t InModeAddr = 426;    // feedback suppressor on bits
inline constexpr int16_t PhantomAddr = 430;
inline constexpr int16_t FeedbackFreqAddr = 431;
inline constexpr int16_t ProgNameAddr = 432;  // 16 characters
inline constexpr int16_t ChFlagAddrIn = 448;  // level-bypass bits of the inputs
inline constexpr int16_t ChFlagAddrOut = 449;
inline constexpr int16_t DelayBypAddr = 450;  // bit k set = output k bypassed
inline constexpr int16_t CompBypAddr = 451;
inline constexpr int16_t LimBypAddr = 452;
inline constexpr int16_t ProgMarkAddr = 463;  // 85 = stored program
inline constexpr int16_t InProcAddr = 468;    // bit set = equaliser, clear = feedback suppressor
inline constexpr int16_t BalancedAddr = 471;
inline constexpr int16_t NgEnableAddr = 888;
inline constexpr int16_t AmActiveAddr = 889;
inline constexpr int16_t AmModeAddr = 890;
inline constexpr int16_t AmByteAddr = 893;
inline constexpr int16_t DuckPrioAddr = 898;
inline constexpr int16_t DuckAddrA = 899;
inline constexpr int16_t DuckAddrB = 900;
inline constexpr int16_t DuckAddrC = 902;
inline constexpr int16_t StereoModeAddr = 911;

// The same bytes under the names the editors and dialogs use.
inline constexpr int16_t InMicLineAddr = InSourceAddr;
inline constexpr int16_t DelayOnAddr = DelayBypAddr;
inline constexpr int16_t CompOnAddr = CompBypAddr;
inline constexpr int16_t LimOnAddr = LimBypAddr;

}  // namespace model
