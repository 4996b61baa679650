// The 13-byte frame of the device link: F0 46 <address> <code> d0..d7 F7, requests and replies
// alike, without length field or checksum.
#pragma once

#include <array>
#include <cstdint>

namespace devsim {

constexpr int kFrameSize = 13;
constexpr uint8_t kFrameStart = 0xF0;
constexpr uint8_t kFrameTag = 0x46;  // 'F'
constexpr uint8_t kFrameEnd = 0xF7;

// Positions inside a frame.
constexpr int kAddressPos = 2;
constexpr int kCodePos = 3;
constexpr int kDataPos = 4;  // d0; d7 is at 11

using Frame = std::array<uint8_t, kFrameSize>;
using FrameData = std::array<uint8_t, 8>;

Frame MakeFrame(uint8_t address, uint8_t code, const FrameData& data = {});

// True when the start, tag and end bytes are in place.
bool HasFrameMarkers(const Frame& frame);

}  // namespace devsim
