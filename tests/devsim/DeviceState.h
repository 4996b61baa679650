// Everything a simulated processor holds: its memory, its identity, what its meters read and
// the state of its external contacts and switch outputs.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "devsim/MemoryMap.h"

namespace devsim {

struct Identity {
    std::array<uint8_t, 3> firmware{1, 1, 3};  // shown as "11.3"
    std::array<uint8_t, 3> dsp{1, 0, 0};       // shown as "1.0.0"
    uint8_t model = 0;                         // 0 Velotra, 1 Velomatic
    std::array<uint8_t, 6> mac{0x02, 0x56, 0x58, 0x00, 0x00, 0x01};
    std::array<uint8_t, 12> uid{0x56, 0x58, 0x53, 0x49, 0x4D, 0x00,
                                0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
    std::array<uint8_t, 4> ip{127, 0, 0, 2};
    uint8_t rs485Id = 1;
};

struct Meters {
    std::array<uint8_t, 8> inputLevels{};  // half dB, shown as byte / 2 - 42 dB
    std::array<uint8_t, 8> outputLevels{};
    std::array<uint8_t, 8> limiterMeter{120, 120, 120, 120, 120, 120, 120, 120};  // 120 = none
    std::array<uint8_t, 8> gainReduction{120, 120, 120, 120, 120, 120, 120, 120};
    // Status poll bytes, one bit per channel: input present, limit, signal, clip.
    std::array<uint8_t, 4> status{};
};

struct DeviceState {
    DeviceState();  // a factory-fresh device

    std::vector<uint8_t> memory;  // kMemorySize bytes
    Identity identity;
    Meters meters;
    uint8_t externalLines = 0;  // contacts S1..S4 as bits 0..3, as the input port reads them
    uint8_t switchOutputs = 0;  // switch outputs 1..4 as bits 0..3

    uint8_t& Mem(int addr) { return memory[static_cast<size_t>(addr)]; }
    uint8_t& Prog(int imageAddr) { return Mem(WorkingAddr(imageAddr)); }
};

// Index 0..3 of the external signal (extra program E1..E4) that wins by the priority order,
// or 0xFF when no enabled contact is active.
uint8_t ExternalSignalIndex(const DeviceState& state);

}  // namespace devsim
