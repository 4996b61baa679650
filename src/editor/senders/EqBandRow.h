// The controls of one equaliser band, output or input alike, and what the band senders do
// with them: normalise their texts, load them from a band record and lock them while the band
// is bypassed.
#pragma once

#include <cstdint>

#include "editor/GraphMarkers.h"
#include "ui/Controls.h"

struct State;

namespace ModFun {

struct EqBandRow {
    ui::CommandButton& type;  // caption: the type's name
    ui::TextBox& freq;        // Hz
    ui::Slider& gain;         // 0 is +12 dB, 24 is 0 dB, 48 is -12 dB
    ui::TextBox& gainText;    // dB
    ui::UpDown& qIndex;       // Q = 0.4 + 0.1 * index
    ui::TextBox& qText;
    ui::TextBox& bwText;  // bandwidth in octaves
    ui::Label& marker;    // on the response picture
};

// The gain of gain slider position v.
double EqSliderGain(int32_t v);

// Clamps the frequency box to 20..20000 Hz and cuts it to whole hertz, and rewrites the gain,
// Q and bandwidth boxes from the slider and the Q index; freq and q are what the boxes then
// show. A frequency box that holds no number (a refused key leaves "?") gets storedFreq back,
// so an edit of another of the band's controls is neither lost nor sent with a made-up value.
bool NormaliseEqBandRow(State& s, const EqBandRow& row, double storedFreq, double& freq, double& q);

// A band record (type, frequency high and low byte, Q index, gain index) into the row without
// running any handler; returns its type (0..2), already shown on the type button.
int16_t LoadEqBandRow(State& s, const EqBandRow& row, const uint8_t* record);

// The band's marker dragged by the pointer held on it to (x, y) twips relative to it: the
// marker follows, the gain and frequency boxes and the slider show what it now marks.
editor::MarkerPoint DragEqBandMarker(State& s, const EqBandRow& row, float x, float y);

// The row's controls usable while the band is active, locked while it is bypassed.
void EnableEqBandRow(const EqBandRow& row, bool bypassed);

// Whether the device takes a peaking band of freq Hz and quality q: freq / q up to a quarter
// of the 48 kHz sample rate.
bool EqBandAdmitted(double freq, double q);

}  // namespace ModFun
