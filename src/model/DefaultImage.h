// The factory parameter memory of a device: the default value of each ProgImage byte 0..911,
// copied into a slot's image when a new device is added.
#pragma once

#include <array>
#include <cstdint>

namespace model {

extern const std::array<uint8_t, 912> DefaultImage;

}  // namespace model
