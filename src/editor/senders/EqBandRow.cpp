#include "editor/senders/EqBandRow.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "editor/RangeGuard.h"
#include "model/Tables.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

constexpr double kSampleRate = 48000;
constexpr double kPi = 3.1415926535;

std::string Text(const State& s, double x) {
    return sys::NumText(x, s.DecimalComma != 0);
}

}  // namespace

double EqSliderGain(int32_t v) {
    return (48 - v) / 2.0 - 12;
}

bool NormaliseEqBandRow(State& s, const EqBandRow& row, double storedFreq, double& freq,
                        double& q) {
    ui::TextBox& box = row.freq;
    if (!sys::ParseNumber(box.Text(), s.DecimalComma != 0, freq)) {
        freq = editor::KeepInRange(storedFreq, 20, 20000);
    }
    if (freq > 20000) {
        box.SetText("20000");
        freq = 20000;
    }
    if (freq < 20) {
        box.SetText("20");
        freq = 20;
    }
    const int32_t index = row.qIndex.Value();
    row.gainText.SetText(Text(s, EqSliderGain(row.gain.Value())));
    row.qText.SetText(Text(s, index * 0.1 + 0.4));
    row.bwText.SetText(Text(s, model::EqBwTab[std::clamp(index, 0, 96)]));
    freq = sys::Int(freq);
    box.SetText(Text(s, freq));
    return sys::ParseNumber(row.qText.Text(), s.DecimalComma != 0, q);
}

int16_t LoadEqBandRow(State& s, const EqBandRow& row, const uint8_t* record) {
    const bool updating = s.UiUpdating;
    s.UiUpdating = true;
    row.gain.SetValue(48 - record[4]);
    row.freq.SetText(Text(s, std::clamp(record[1] * 256 + record[2], 20, 20000)));
    row.qIndex.SetValue(record[3]);
    const auto type = std::min<int16_t>(record[0], 2);
    row.type.SetCaption(std::string(model::EqTypeText[type]));
    s.UiUpdating = updating;
    return type;
}

editor::MarkerPoint DragEqBandMarker(State& s, const EqBandRow& row, float x, float y) {
    const editor::MarkerPoint point = editor::DragMarker(row.marker, x, y);
    row.gainText.SetText(Text(s, point.gain));
    row.gain.SetValue(sys::CInt(24 - 2 * point.gain));
    row.freq.SetText(Text(s, point.freq));
    return point;
}

void EnableEqBandRow(const EqBandRow& row, bool bypassed) {
    for (ui::Control* c :
         std::initializer_list<ui::Control*>{&row.type, &row.gainText, &row.marker, &row.freq,
                                             &row.gain, &row.qText, &row.bwText, &row.qIndex}) {
        c->SetEnabled(!bypassed);
    }
}

bool EqBandAdmitted(double freq, double q) {
    const double w = freq * kPi / q / kSampleRate;
    return freq / q < kSampleRate / 2 && std::tan(w) - 1 < 0 && std::tan(w) + 1 > 0;
}

}  // namespace ModFun
