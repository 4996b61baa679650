// One device's memory image: the working program, device settings outside the program and
// the state of the device's editor window. Files hold it as 1763 raw bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/RecordIO.h"

namespace model {

struct DevImageRecord {
    // Bytes 0..911 are the device's parameter memory; byte 912 is carried only.
    std::array<uint8_t, 913> ProgImage{};
    // DevExtra[a] holds the byte at device address a for a = 16..31 (record bytes 929..944).
    std::array<uint8_t, 769> DevExtra{};
    // PanelState[30 + o]: "Show cursor" of output o's response graph.
    std::array<uint8_t, 81> PanelState{};

    static constexpr size_t Size = 1763;
    static constexpr size_t DevExtraOffset = 913;
    static constexpr size_t PanelStateOffset = 1682;

    bool operator==(const DevImageRecord&) const = default;
};

static_assert(std::tuple_size_v<decltype(DevImageRecord::ProgImage)> +
                      std::tuple_size_v<decltype(DevImageRecord::DevExtra)> +
                      std::tuple_size_v<decltype(DevImageRecord::PanelState)> ==
                  DevImageRecord::Size,
              "a device image record is 1763 bytes in files");

// DevExtra index of record byte 930: the unit the device's delays are shown in (0 time,
// 1 distance).
inline constexpr size_t DelayUnitExtra = 930 - DevImageRecord::DevExtraOffset;

void WriteDevImageRecord(RecordWriter& w, const DevImageRecord& rec);
void ReadDevImageRecord(RecordReader& r, DevImageRecord& rec);

}  // namespace model
