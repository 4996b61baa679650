// The starting content of a device slot when a device is added to the project.
#pragma once

#include <cstdint>

namespace model {

struct ModelState;

// Gives the slot the default device image and the matching parameter record defaults.
// Sends nothing. A slot outside 0..64 is ignored.
void InitDeviceDefault(ModelState& ms, uint8_t slot);

}  // namespace model
