#include "processing/ModEqIn.h"

#include <string>

#include "editor/GraphMarkers.h"
#include "editor/senders/EqBandRow.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "model/ValueBytes.h"
#include "processing/EqInGraph.h"
#include "processing/FrmEqIn.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace ModEqIn {

namespace {

bool ValidBand(int16_t band) {
    return band >= 0 && band < 3;
}

// The open dialog, when it shows a valid input.
FrmEqIn* Dialog(State& s) {
    return s.EqInWin != nullptr && s.CurInCh >= 0 && s.CurInCh < 8 ? s.EqInWin : nullptr;
}

// Image address of band b of the input shown, in the set the input uses, and of its flags.
int BandAddr(const State& s, int16_t b) {
    const int16_t i = s.CurInCh;
    return model::EqInBandAddr[3 * i + b] + s.EqInBankOfs[i];
}
int FlagAddr(const State& s) {
    return model::EqInFlagAddr[s.CurInCh] + s.EqInBankOfs[s.CurInCh];
}

// The frequency of band b as the image holds it.
double ImageFreq(State& s, int16_t b) {
    const auto& img = s.DevImage[s.CurDev].ProgImage;
    const int a = BandAddr(s, b);
    return img[a + 1] * 256 + img[a + 2];
}

// The band from its normalised row into the parameter record and its marker.
void StoreBand(State& s, FrmEqIn& f, int16_t b, double freq, double q) {
    auto& par = s.DevParam[s.CurDev];
    const double gain = ModFun::EqSliderGain(f.Slider2(b).Value());
    par.InEqFreq()[b] = freq;
    par.InEqGain()[b] = par.InEqBypass()[b] != 0 ? 0.0 : gain;
    par.InEqQ()[b] = q;
    editor::PlaceMarker(f.Label5(b), freq, gain);
}

// The band the image holds back into its row, bypass, record and marker, without running
// any handler, so the curve shows what the device has.
void RestoreBand(State& s, FrmEqIn& f, int16_t b) {
    auto& img = s.DevImage[s.CurDev].ProgImage;
    s.UiUpdating = true;
    s.EqInType[b] = ModFun::LoadEqBandRow(s, f.BandRow(b), &img[BandAddr(s, b)]);
    s.DevParam[s.CurDev].InEqBypass()[b] = (img[FlagAddr(s)] >> b & 1) != 0 ? 1.0 : 0.0;
    ConfigButtonEqInByp(s, b);
    double freq = 0;
    double q = 0;
    if (ModFun::NormaliseEqBandRow(s, f.BandRow(b), ImageFreq(s, b), freq, q)) {
        StoreBand(s, f, b, freq, q);
    }
    s.UiUpdating = false;
}

}  // namespace

void CalcSendEqInBand(State& s, int16_t band) {
    FrmEqIn* f = Dialog(s);
    if (f == nullptr || !ValidBand(band)) return;
    const int16_t dev = s.CurDev;
    const int16_t i = s.CurInCh;
    double freq = 0;
    double q = 0;
    if (!ModFun::NormaliseEqBandRow(s, f->BandRow(band), ImageFreq(s, band), freq, q)) return;
    const int16_t type = s.EqInType[band];
    if (type == 0 && !ModFun::EqBandAdmitted(freq, q)) {
        s.host.MsgBox("Error: Parameter Q non admited. Please change Q or Frequency",
                      ui::vbOKOnly + ui::vbExclamation, "EQ filter");
        RestoreBand(s, *f, band);
        return;
    }
    StoreBand(s, *f, band, freq, q);

    auto& par = s.DevParam[dev];
    auto& img = s.DevImage[dev].ProgImage;
    const int flags = FlagAddr(s);
    img[flags] = static_cast<uint8_t>((par.InEqBypass()[0] != 0 ? 1 : 0) +
                                      (par.InEqBypass()[1] != 0 ? 2 : 0) +
                                      (par.InEqBypass()[2] != 0 ? 4 : 0));
    const int a = BandAddr(s, band);
    model::SplitValueBytes(s, freq, 0);
    img[a] = static_cast<uint8_t>(type);
    img[a + 1] = s.ValBytes[2];
    img[a + 2] = s.ValBytes[3];
    img[a + 3] = static_cast<uint8_t>(f->UpDown3(band).Value());
    img[a + 4] = static_cast<uint8_t>(48 - f->Slider2(band).Value());
    if (ModRxTx::TxCommand(s, dev, CmdEqBand, static_cast<uint8_t>(i), static_cast<uint8_t>(band),
                           img[flags], img[a], img[a + 1], img[a + 2], img[a + 3], img[a + 4])) {
        return;
    }
    ConfigButtonEqInByp(s, band);
    ModFun::EnableEqBandRow(f->BandRow(band), par.InEqBypass()[band] != 0);
}

void ToggleBypassEqIn(State& s, int16_t band) {
    if (Dialog(s) == nullptr || !ValidBand(band)) return;
    double& bypass = s.DevParam[s.CurDev].InEqBypass()[band];
    bypass = bypass == 0.0 ? 1.0 : 0.0;
    ConfigButtonEqInByp(s, band);
}

void ConfigButtonEqInByp(State& s, int16_t band) {
    FrmEqIn* f = Dialog(s);
    if (f == nullptr || !ValidBand(band)) return;
    const bool bypassed = s.DevParam[s.CurDev].InEqBypass()[band] != 0.0;
    f->Command6(band).SetBackColor(bypassed ? ui::vbRed : ui::vbButtonFace);
}

void FlatEqIn(State& s) {
    FrmEqIn* f = Dialog(s);
    if (f == nullptr) return;
    for (int16_t b = 0; b < 3; ++b) {
        f->Slider2(b).SetValue(24);
        ConfigButtonEqInByp(s, b);
        CalcSendEqInBand(s, b);
        if (s.TxFailed) return;
        ModGraph::CalcGraphEqIn(s, b);
    }
}

void ApplyEqInType(State& s, int16_t band, int16_t type) {
    FrmEqIn* f = Dialog(s);
    if (f == nullptr || !ValidBand(band) || type < 0 || type > 2) return;
    s.EqInType[band] = type;
    f->Command3(band).SetCaption(std::string(model::EqTypeText[type]));
    CalcSendEqInBand(s, band);
    if (s.TxFailed) return;
    ModGraph::CalcGraphEqIn(s, band);
    CopyEqInToLinked(s, band);
}

}  // namespace ModEqIn
