// The data of the device editor window and its response graphs under the system's names: the
// curve store, the magnitude scale of every output's picture, the band-marker drag and the
// hand-over to the filter-type dialog. Part of the program's one state object.
#pragma once

#include <array>
#include <cstdint>

#include "model/ModelState.h"
#include "state/GraphState.h"

namespace editor {

struct EditorState {
    // The last computed curves of every device slot and of the input equaliser editor.
    GraphState Graph;

    // Magnitude scale of output o's picture, per slot, written by FrmCtrl::SetOffset: the
    // offset A in dB, the step factor B and the scale C in pixels per dB.
    model::PerSlot<std::array<int16_t, 8>> GraphScaleA{};
    model::PerSlot<std::array<float, 8>> GraphScaleB{};
    model::PerSlot<std::array<double, 8>> GraphScaleC{};

    // A band marker is held down (GraphDrag) and has been moved since (GraphMoved).
    bool GraphDrag = false;
    bool GraphMoved = false;

    // What the meter poll last read from each device: the level byte of every channel
    // (255 = no reading yet since the editor was loaded) and the four status bit masks.
    model::PerSlot<std::array<double, 16>> MeterLevel{};
    model::PerSlot<uint8_t> PollByte5{};
    model::PerSlot<uint8_t> PollByte6{};
    model::PerSlot<uint8_t> PollByte7{};
    model::PerSlot<uint8_t> PollByte8{};

    // What the filter-type dialog works on: band 0..39 of an output (mode 0) or 0..2 of the
    // input equaliser editor's input (mode 1).
    int16_t SelFilterBand = 0;
    int16_t SelFilterMode = 0;

    // The input (0..7) the noise gate and input equaliser editors work on, set by the button
    // that opens them.
    int16_t CurInCh = 0;

    // The output 0..7 whose compressor and limiter the dynamics dialog edits.
    int16_t LimOutCh = 0;
};

}  // namespace editor
