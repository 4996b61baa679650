// The curve store of the response graphs: the last computed curve of every equaliser band,
// crossover filter and delay of each device slot's outputs, the outputs' totals, and the
// curves of the input shown in the input equaliser editor. Part of the program's state.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "model/ResponseGrid.h"

namespace editor {

using Curve = std::array<double, model::GraphPoints>;

// The curves of one device slot; magnitudes in dB, phases in degrees, each [index][point].
// A device's curves are zero until they are first computed.
struct DeviceCurves {
    std::array<Curve, 40> EqOutBandMag{};  // band output * 5 + band of the output
    std::array<Curve, 40> EqOutBandPhase{};
    std::array<Curve, 16> XoverMag{};  // filter output * 2 + 0 high-pass / 1 low-pass
    std::array<Curve, 16> XoverPhase{};
    std::array<Curve, 8> DelayPhase{};  // output
    std::array<Curve, 8> OutMagTotal{};
    std::array<Curve, 8> OutPhaseTotal{};
};

// The bands of the input shown in the input equaliser editor and their totals.
struct InputCurves {
    std::array<Curve, 3> EqInBandMag{};
    std::array<Curve, 3> EqInBandPhase{};
    Curve EqInMagTotal{};
    Curve EqInPhaseTotal{};
};

inline constexpr int GraphSlots = 65;

struct GraphState {
    InputCurves EqIn;

    // The curves of slot dev; all zero for a slot whose curves were never computed and for a
    // number outside 0..64.
    const DeviceCurves& Curves(int16_t dev) const;
    // The curves of slot dev for writing, created all zero at the first use; nullptr for a
    // number outside 0..64.
    DeviceCurves* MutableCurves(int16_t dev);

  private:
    // About 0.6 MB a slot, so a slot gets its curves when the first of them is computed.
    std::array<std::unique_ptr<DeviceCurves>, GraphSlots> devices_;
};

}  // namespace editor
