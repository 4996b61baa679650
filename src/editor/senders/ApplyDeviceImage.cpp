#include "editor/senders/ApplyDeviceImage.h"

#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/senders/ApplyImageDynamics.h"
#include "editor/senders/ApplyImageEqIn.h"
#include "editor/senders/ApplyImageInputs.h"
#include "editor/senders/ApplyImageRouting.h"
#include "editor/senders/LevelSenders.h"
#include "editor/senders/LinkSets.h"
#include "editor/senders/OutEqBand.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/PolarityMute.h"
#include "editor/senders/XoverSender.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

double BitOf(uint8_t byte, int k) {
    return (byte >> k & 1) != 0 ? 1.0 : 0.0;
}

// A value from the image, brought into the slider's range.
void LoadSlider(State& s, ui::Slider& slider, int32_t value) {
    s.UiUpdating = true;
    slider.SetValue(std::clamp(value, slider.Min(), slider.Max()));
    s.UiUpdating = false;
}

void LoadUpDown(State& s, ui::UpDown& arrows, int32_t value) {
    s.UiUpdating = true;
    arrows.SetValue(std::clamp(value, arrows.Min(), arrows.Max()));
    s.UiUpdating = false;
}

void LoadCheck(State& s, ui::CheckBox& box, double flag) {
    s.UiUpdating = true;
    box.SetValue(flag != 0 ? 1 : 0);
    s.UiUpdating = false;
}

// A frequency from two image bytes, high first, brought into 20..20000 Hz.
void LoadFrequency(State& s, ui::TextBox& box, uint8_t high, uint8_t low) {
    s.UiUpdating = true;
    box.SetText(sys::NumText(std::clamp(high * 256 + low, 20, 20000), s.DecimalComma != 0));
    s.UiUpdating = false;
}

// Level bypass, polarity and mute flags of all sixteen channels; the outputs' polarity
// captions on the overview.
void DecodeChannelFlags(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    const auto& img = s.DevImage[dev].ProgImage;
    auto& par = s.DevParam[dev];
    for (int16_t ch = 0; ch < 16; ++ch) {
        const int g = ch / 8;
        const int k = ch % 8;
        s.GainBypass[dev][ch] = static_cast<int16_t>(
            BitOf(img[g == 0 ? model::ChFlagAddrIn : model::ChFlagAddrOut], k));
        par.PolarityFlag()[ch] = BitOf(img[model::PolarityAddr[g]], k);
        par.MuteFlag()[ch] = BitOf(img[model::MuteAddr[g]], k);
        // Inputs have no polarity caption.
        if (g == 1) {
            f.Label100(static_cast<int16_t>(252 + ch))
                .SetCaption(PolarityCaption(par.PolarityFlag()[ch]));
        }
    }
}

// Each channel's mute, polarity and level into its controls, then the channel sent.
void ApplyChannels(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    for (int16_t ch = 0; ch < 16; ++ch) {
        const auto& img = s.DevImage[dev].ProgImage;
        auto& par = s.DevParam[dev];
        LoadCheck(s, f.Check1(ch), par.MuteFlag()[ch]);
        LoadCheck(s, f.Check2(ch), par.PolarityFlag()[ch]);
        const int32_t word = img[model::GainAddrHi[ch]] * 256 + img[model::GainAddrLo[ch]];
        LoadSlider(s, f.Slider1(ch), LevelPosition(ch, word));
        ApplyGain(s, ch);
        if (f.Finished()) return;
        SendMute(s, ch);
        if (f.Finished()) return;
        ConfigButtonGainByp(s, ch);
        StepProgressCtrl(s);
    }
}

// The master input gain is one byte, the second of its pair (the first is not part of it);
// the output volume is a 16-bit word, high byte first: 0 dB of the volume is 1270, whose low
// byte alone would read as -102.4 dB.
void ApplyMasterLevels(State& s, FrmCtrl& f) {
    for (int16_t index = 0; index < 2; ++index) {
        const auto& img = s.DevImage[s.CurDev].ProgImage;
        const int16_t addr = model::MasterLevelAddr[index];
        const int32_t high = index == 0 ? 0 : img[addr];
        LoadSlider(s, f.Slider100(index), high * 256 + img[addr + 1]);
        SendMasterLevel(s, index);
        if (f.Finished()) return;
        StepProgressCtrl(s);
    }
}

// Sends term index, then computes its response without drawing it, and steps the progress
// bar; false when the send closed the editor window.
bool SendThenCompute(State& s, FrmCtrl& f, int16_t index, void (*send)(State&, int16_t),
                     void (*compute)(State&, int16_t)) {
    send(s, index);
    if (f.Finished()) return false;
    s.GraphHold = 1;
    compute(s, index);
    s.GraphHold = 0;
    StepProgressCtrl(s);
    return true;
}

// The output equaliser bands: bypass flags, then each band into its controls, sent and
// computed without drawing, then each output recomputed and drawn band by band.
void ApplyEqBands(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    for (int k = 0; k < 8; ++k) {
        const uint8_t bits = s.DevImage[dev].ProgImage[model::EqOutFlagAddr[k]];
        for (int j = 0; j < 5; ++j) s.DevParam[dev].OutEqBypass()[5 * k + j] = BitOf(bits, j);
    }
    for (int16_t b = 0; b < 40; ++b) {
        const auto& img = s.DevImage[dev].ProgImage;
        const int a = model::EqOutBandAddr[b];
        LoadSlider(s, f.Slider2(b), 48 - img[a + 4]);
        LoadFrequency(s, f.Text4(b), img[a + 1], img[a + 2]);
        LoadUpDown(s, f.UpDown3(b), img[a + 3]);
        s.EqOutType[dev][b] = std::min<int16_t>(img[a], 2);
        f.Command3(b).SetCaption(std::string(model::EqTypeText[s.EqOutType[dev][b]]));
        ConfigButtonEqByp(s, b);
        if (!SendThenCompute(s, f, b, CalcSendEqOutBand, ModGraph::CalcGraphEqOut)) return;
    }
    for (int16_t o = 0; o < 8; ++o) CalcGraphEqAllBands(s, o);
}

// The crossover filters into their boxes and lists, sent and computed.
void ApplyXovers(State& s, FrmCtrl& f) {
    for (int16_t n = 0; n < 16; ++n) {
        const auto& img = s.DevImage[s.CurDev].ProgImage;
        const int a = model::XoverAddr[n];
        LoadFrequency(s, f.Text8(n), img[a], img[a + 1]);
        s.UiUpdating = true;
        f.Combo2(n).SetListIndex(std::min<int16_t>(img[a + 2], 8));
        s.UiUpdating = false;
        if (!SendThenCompute(s, f, n, SendXover, ModGraph::CalcGraphXover)) return;
    }
}

// The band markers of each output shown as the image's panel state keeps them.
void ApplyGraphCursors(State& s, FrmCtrl& f) {
    for (int16_t o = 0; o < 8; ++o) {
        LoadCheck(s, f.Check3(o), s.DevImage[s.CurDev].PanelState[30 + o]);
        ShowGraphCursor(s, o);
    }
}

// Applying an image leaves every channel unlinked.
void ClearLinkBoxes(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    for (int16_t k = 0; k < 8; ++k) {
        s.InLinkSet[dev][k] = BitOf(s.InLinkMask[dev], k) != 0 ? 1 : 0;
        s.OutLinkSet[dev][k] = BitOf(s.OutLinkMask[dev], k) != 0 ? 1 : 0;
        LoadCheck(s, f.Check13(k), s.InLinkSet[dev][k]);
        LoadCheck(s, f.Check13(static_cast<int16_t>(k + 8)), s.OutLinkSet[dev][k]);
    }
    for (int16_t k = 0; k < 8; ++k) {
        StoreLinkIn(s, k);
        StoreLinkOut(s, k);
    }
}

}  // namespace

void ApplyDeviceImage(State& s) {
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    const int16_t tab = f.SSTab1.Tab();
    s.InLinkMask[dev] = 0;
    s.OutLinkMask[dev] = 0;
    s.InPairLink[dev].fill(false);

    ApplyInputOptions(s, f);
    if (f.Finished()) return;
    ApplyAutoMixer(s, f);
    if (f.Finished()) return;
    ApplyDucker(s, f);
    if (f.Finished()) return;
    ApplyProcessingTypes(s, f);
    if (f.Finished()) return;
    DecodeChannelFlags(s, f);
    ApplyChannels(s, f);
    if (f.Finished()) return;
    ApplyInputSources(s, f);
    if (f.Finished()) return;
    ApplyMasterLevels(s, f);
    if (f.Finished()) return;
    if (!SendInEqMemory(s) || !SendInEqBands(s)) return;
    ApplyEqBands(s, f);
    if (f.Finished()) return;
    ApplyXovers(s, f);
    if (f.Finished()) return;
    ApplyDelays(s, f);
    if (f.Finished()) return;
    ApplyDynamics(s, f);
    if (f.Finished()) return;
    ApplyRouting(s, f);
    if (f.Finished()) return;
    ApplyPhantomPower(s, f);
    if (f.Finished()) return;
    ClearLinkBoxes(s, f);
    s.GraphHold = 0;
    // The bands were worked out before the delays were loaded: every output's response again,
    // from all it now holds.
    for (int16_t o = 0; o < 8; ++o) CalcGraphEqCh(s, o);
    ApplyChannelNames(s, f);
    if (f.Finished()) return;
    ApplyGraphCursors(s, f);
    ApplyLockAndStereoPairs(s, f);
    if (f.Finished()) return;
    f.SSTab1.SetTab(tab);
}

}  // namespace ModFun
