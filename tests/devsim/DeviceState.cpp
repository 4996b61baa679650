#include "devsim/DeviceState.h"

#include <algorithm>
#include <cstring>

#include "devsim/FactoryImage.h"

namespace devsim {

namespace {

// Contacts (0 = S1 .. 3 = S4) in the order each priority 0..7 tries them.
constexpr uint8_t kPriorityOrder[8][4] = {
    {3, 2, 1, 0}, {2, 1, 0, 3}, {1, 0, 3, 2}, {0, 3, 2, 1},
    {0, 3, 2, 1}, {1, 2, 3, 0}, {2, 3, 0, 1}, {3, 0, 1, 2},
};

}  // namespace

DeviceState::DeviceState() : memory(kMemorySize, 0) {
    const Image factory = FactoryImage();
    std::copy(factory.begin(), factory.end(), memory.begin() + kWorkingProgramAddr);
    std::memcpy(&memory[kDeviceNameAddr], "Velotrix        ", kNameLength);
}

uint8_t ExternalSignalIndex(const DeviceState& state) {
    const uint8_t enabled = state.memory[kExtEnableAddr];
    const bool activeLow = state.memory[kExtActiveLowAddr] != 0;
    const uint8_t active = (activeLow ? ~state.externalLines : state.externalLines) & enabled;
    const auto& order = kPriorityOrder[state.memory[kExtPriorityAddr] & 7];
    for (uint8_t contact : order) {
        if (active & (1 << contact)) return contact;
    }
    return 0xFF;
}

}  // namespace devsim
