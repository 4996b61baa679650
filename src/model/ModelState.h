// The process-wide data of the device model under the system's names: the per-slot images,
// parameter records and device list, the per-slot arrays the senders keep beside them, and
// the start-up values the model depends on. Part of the program's one state object.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/DevImageRecord.h"
#include "model/DevParamRecord.h"
#include "model/DeviceRecord.h"

namespace model {

inline constexpr int SlotCount = 65;

template <typename T>
using PerSlot = std::array<T, SlotCount>;

struct ModelState {
    ModelState();

    PerSlot<DevImageRecord> DevImage{};     // working image of each device
    PerSlot<DevImageRecord> StoredImage{};  // buffer of the device-image state file
    DevImageRecord ProgTemp{};              // buffer of a program file being loaded
    PerSlot<DevParamRecord> DevParam{};
    PerSlot<DeviceRecord> DevList{};
    PerSlot<int16_t> DevAddr{};  // frame address byte: 0 USB, RS485 ID, or the slot on TCP/IP

    // Switch states, 1 = bypassed: level per channel 0..15, delay, compressor, limiter per output.
    PerSlot<std::array<int16_t, 16>> GainBypass{};
    PerSlot<std::array<int16_t, 8>> DelayByp{};
    PerSlot<std::array<int16_t, 8>> CompByp{};
    PerSlot<std::array<int16_t, 8>> LimByp{};
    // Output delay in samples at 48 kHz for the phase curve: 0 while bypassed.
    PerSlot<std::array<int32_t, 8>> OutDelaySamples{};
    // Filter type 0..2 of each output equaliser band, output * 5 + band.
    PerSlot<std::array<int16_t, 40>> EqOutType{};
    // Input filter: type 0 bypass, 1 high-pass, 2 low-pass; frequency index into FreqTab31.
    PerSlot<std::array<int16_t, 8>> InFilterType{};
    PerSlot<std::array<int16_t, 8>> InFilterFreqIdx{};
    PerSlot<uint8_t> PhantomOn{};
    // Link sets (1 = member) and their bit masks; stereo input pairs 0..3.
    PerSlot<std::array<uint8_t, 8>> InLinkSet{};
    PerSlot<std::array<uint8_t, 8>> OutLinkSet{};
    PerSlot<uint8_t> InLinkMask{};
    PerSlot<uint8_t> OutLinkMask{};
    PerSlot<std::array<bool, 4>> InPairLink{};
    PerSlot<std::array<std::string, 16>> ChName{};

    // What the read-back at connect learns about each device.
    PerSlot<std::string> FwVersion{};
    PerSlot<std::string> DspVersion{};
    PerSlot<int16_t> DevModel{};
    PerSlot<std::string> DevInfoText{};  // MAC address text
    PerSlot<std::string> DevUid{};
    PerSlot<int16_t> DevNetMode{};
    PerSlot<std::array<int16_t, 4>> DevNetIp{};
    PerSlot<int16_t> DevNetId{};
    PerSlot<int16_t> RunningProgSlot{};

    // Output of SplitValueBytes.
    std::array<uint8_t, 31> ValBytes{};

    // 1 when the user's locale writes decimals with a comma.
    int32_t DecimalComma = 0;
    // 96 / screen dots per inch; the pixel constants below follow it (InitGraphConstants).
    double DpiScale = 1.0;
    double GraphPxPerDb = 0;
    double GraphWidthPx = 0;
    double GraphMidY = 0;
    double GraphPtsPerDecade = 0;
};

// Sets the pixel constants of the response graphs from DpiScale; a scale that is not a
// positive number counts as 1.
void InitGraphConstants(ModelState& ms);

}  // namespace model
