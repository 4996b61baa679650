// The parameter memory of a device as it leaves the factory.
#pragma once

#include <array>
#include <cstdint>

#include "devsim/MemoryMap.h"

namespace devsim {

using Image = std::array<uint8_t, kImageSize>;

Image FactoryImage();

}  // namespace devsim
