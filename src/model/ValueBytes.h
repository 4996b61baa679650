// The base-256 split that the senders use for 16-bit device addresses and values.
#pragma once

#include <cstdint>

namespace model {

struct ModelState;

// Rounds value half to even and writes its four big-endian base-256 digits, taken modulo
// 2^32 (negative values as 32-bit two's complement), into ValBytes[start..start + 3].
// A 16-bit value split with start 0 lands in ValBytes[2] (high) and ValBytes[3] (low).
// Returns false and leaves ValBytes alone when value is not a finite number or start
// leaves no room for four bytes.
bool SplitValueBytes(ModelState& ms, double value, int16_t start);

}  // namespace model
