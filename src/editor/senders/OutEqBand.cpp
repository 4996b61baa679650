#include "editor/senders/OutEqBand.h"

#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/GraphMarkers.h"
#include "editor/senders/ChannelBlock.h"
#include "editor/senders/EqBandRow.h"
#include "model/AddressTables.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace ModFun {

namespace {

bool Normalise(State& s, FrmCtrl& f, int16_t b, double& freq, double& q) {
    return NormaliseEqBandRow(s, EqOutBandRow(f, b), s.DevParam[s.CurDev].OutEqFreq()[b], freq, q);
}

// The band from its normalised controls into the parameter record, its marker and the
// output's overview tip.
void StoreBand(State& s, FrmCtrl& f, int16_t b, double freq, double q) {
    auto& par = s.DevParam[s.CurDev];
    const double gain = EqSliderGain(f.Slider2(b).Value());
    par.OutEqFreq()[b] = freq;
    par.OutEqGain()[b] = par.OutEqBypass()[b] != 0 ? 0.0 : gain;
    par.OutEqQ()[b] = q;
    editor::PlaceMarker(f.Label5(b), freq, gain);
    const int k = b / 5;
    const auto gains = par.OutEqGain().subspan(static_cast<size_t>(5 * k), 5);
    const bool flat = std::all_of(gains.begin(), gains.end(), [](double g) { return g == 0; });
    f.Label100(static_cast<int16_t>(200 + k)).SetToolTipText(flat ? "Flat" : "~~~~~~");
}

// The band the image holds back into its controls, bypass, button colour and enabled state,
// the record and the marker, without running any handler, so the curve shows what the device
// has.
void RestoreBand(State& s, FrmCtrl& f, int16_t b) {
    const int16_t dev = s.CurDev;
    const auto& img = s.DevImage[dev].ProgImage;
    s.UiUpdating = true;
    s.EqOutType[dev][b] = LoadEqBandRow(s, EqOutBandRow(f, b), &img[model::EqOutBandAddr[b]]);
    const bool bypassed = (img[model::EqOutFlagAddr[b / 5]] >> (b % 5) & 1) != 0;
    s.DevParam[dev].OutEqBypass()[b] = bypassed ? 1.0 : 0.0;
    ConfigButtonEqByp(s, b);
    EnableEqBandRow(EqOutBandRow(f, b), bypassed);
    double freq = 0;
    double q = 0;
    if (Normalise(s, f, b, freq, q)) StoreBand(s, f, b, freq, q);
    s.UiUpdating = false;
}

}  // namespace

void ConfigButtonEqByp(State& s, int16_t b) {
    if (b < 0 || b >= 40) return;
    const bool bypassed = s.DevParam[s.CurDev].OutEqBypass()[b] != 0.0;
    FrmCtrlOf(s, s.CurDev).Command6(b).SetBackColor(bypassed ? ui::vbRed : ui::vbButtonFace);
}

EqBandRow EqOutBandRow(FrmCtrl& f, int16_t b) {
    return {f.Command3(b), f.Text4(b), f.Slider2(b), f.Text12(b),
            f.UpDown3(b),  f.Text5(b), f.Text50(b),  f.Label5(b)};
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
    EnableEqBandRow(EqOutBandRow(f, b), par.OutEqBypass()[b] != 0);
}

}  // namespace ModFun
