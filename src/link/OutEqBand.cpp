#include "link/OutEqBand.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "editor/GraphMarkers.h"
#include "editor/RangeGuard.h"
#include "link/ChannelBlock.h"
#include "link/Commands.h"
#include "link/ModRxTx.h"
#include "link/OutEqUtilities.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "model/ValueBytes.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace ModFun {

namespace {

constexpr double kSampleRate = 48000;
constexpr double kPi = 3.1415926535;

// The gain of gain slider position v: 0 is +12 dB, 24 is 0 dB, 48 is -12 dB.
double SliderGain(int32_t v) {
    return (48 - v) / 2.0 - 12;
}

std::string Text(const State& s, double x) {
    return sys::NumText(x, s.DecimalComma != 0);
}

// Clamps the frequency box and rewrites the gain, Q, bandwidth and frequency boxes from the
// controls; the frequency in whole hertz and the Q the boxes show. A frequency box that
// holds no number (a refused key leaves a "?") gets the band's stored frequency back, so an
// edit of another of the band's controls is not lost.
bool Normalise(State& s, FrmCtrl& f, int16_t b, double& freq, double& q) {
    ui::TextBox& box = f.Text4(b);
    if (!sys::ParseNumber(box.Text(), s.DecimalComma != 0, freq)) {
        freq = editor::KeepInRange(s.DevParam[s.CurDev].OutEqFreq()[b], 20, 20000);
    }
    if (freq > 20000) {
        box.SetText("20000");
        freq = 20000;
    }
    if (freq < 20) {
        box.SetText("20");
        freq = 20;
    }
    const int32_t index = f.UpDown3(b).Value();
    f.Text12(b).SetText(Text(s, SliderGain(f.Slider2(b).Value())));
    f.Text5(b).SetText(Text(s, index * 0.1 + 0.4));
    f.Text50(b).SetText(Text(s, model::EqBwTab[std::clamp(index, 0, 96)]));
    freq = sys::Int(freq);
    box.SetText(Text(s, freq));
    return sys::ParseNumber(f.Text5(b).Text(), s.DecimalComma != 0, q);
}

// The band from its normalised controls into the parameter record, its marker and the
// output's overview tip.
void StoreBand(State& s, FrmCtrl& f, int16_t b, double freq, double q) {
    auto& par = s.DevParam[s.CurDev];
    const double gain = SliderGain(f.Slider2(b).Value());
    par.OutEqFreq()[b] = freq;
    par.OutEqGain()[b] = par.OutEqBypass()[b] != 0 ? 0.0 : gain;
    par.OutEqQ()[b] = q;
    ui::Label& marker = f.Label5(b);
    marker.Move(sys::CLng(editor::MarkerLeft(freq)), sys::CLng(editor::MarkerTop(gain)),
                marker.Width(), marker.Height());
    const int k = b / 5;
    const auto gains = par.OutEqGain().subspan(static_cast<size_t>(5 * k), 5);
    const bool flat = std::all_of(gains.begin(), gains.end(), [](double g) { return g == 0; });
    f.Label100(static_cast<int16_t>(200 + k)).SetToolTipText(flat ? "Flat" : "~~~~~~");
}

// The band the image holds back into its controls, the record and the marker, without
// running any handler.
void RestoreBand(State& s, FrmCtrl& f, int16_t b) {
    const int16_t dev = s.CurDev;
    const auto& img = s.DevImage[dev].ProgImage;
    const int a = model::EqOutBandAddr[b];
    s.UiUpdating = true;
    f.Slider2(b).SetValue(48 - img[a + 4]);
    f.Text4(b).SetText(Text(s, img[a + 1] * 256 + img[a + 2]));
    f.UpDown3(b).SetValue(img[a + 3]);
    s.EqOutType[dev][b] = std::min<int16_t>(img[a], 2);
    f.Command3(b).SetCaption(std::string(model::EqTypeText[s.EqOutType[dev][b]]));
    double freq = 0;
    double q = 0;
    if (Normalise(s, f, b, freq, q)) StoreBand(s, f, b, freq, q);
    s.UiUpdating = false;
}

// The band's controls usable while it is active, locked while it is bypassed.
void EnableBandControls(FrmCtrl& f, int16_t b, bool bypassed) {
    for (ui::Control* c : std::initializer_list<ui::Control*>{
             &f.Command3(b), &f.Text12(b), &f.Label5(b), &f.Text4(b), &f.Slider2(b), &f.Text5(b),
             &f.Text50(b), &f.UpDown3(b)}) {
        c->SetEnabled(!bypassed);
    }
}

}  // namespace

bool EqBandAdmitted(double freq, double q) {
    const double w = freq * kPi / q / kSampleRate;
    return freq / q < kSampleRate / 2 && std::tan(w) - 1 < 0 && std::tan(w) + 1 > 0;
}

void CalcSendEqOutBand(State& s, int16_t b) {
    if (b < 0 || b > 39) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    double freq = 0;
    double q = 0;
    if (!Normalise(s, f, b, freq, q)) return;
    const int16_t type = s.EqOutType[dev][b];
    if (type == 0 && !EqBandAdmitted(freq, q)) {
        s.host.MsgBox("Error: Parameter Q non admited. Please change Q or Frequency",
                      ui::vbOKOnly + ui::vbExclamation, "EQ filter");
        RestoreBand(s, f, b);
        return;
    }
    StoreBand(s, f, b, freq, q);

    const int k = b / 5;
    auto& par = s.DevParam[dev];
    auto& img = s.DevImage[dev].ProgImage;
    const int16_t flagAddr = model::EqOutFlagAddr[k];
    img[flagAddr] = PackBits([&](int j) { return j < 5 ? par.OutEqBypass()[5 * k + j] : 0.0; });
    const int a = model::EqOutBandAddr[b];
    model::SplitValueBytes(s, freq, 0);
    img[a] = static_cast<uint8_t>(type);
    img[a + 1] = s.ValBytes[2];
    img[a + 2] = s.ValBytes[3];
    img[a + 3] = static_cast<uint8_t>(f.UpDown3(b).Value());
    img[a + 4] = static_cast<uint8_t>(48 - f.Slider2(b).Value());
    if (ModRxTx::TxCommand(s, dev, CmdEqBand, static_cast<uint8_t>(k + 8),
                           static_cast<uint8_t>(b % 5), img[flagAddr], img[a], img[a + 1],
                           img[a + 2], img[a + 3], img[a + 4])) {
        return;
    }
    ConfigButtonEqByp(s, b);
    EnableBandControls(f, b, par.OutEqBypass()[b] != 0);
}

}  // namespace ModFun
