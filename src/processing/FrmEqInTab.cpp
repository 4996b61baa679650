// "Inputs EQ" on one input: its bands loaded from the image, sent and drawn, the magnitude or
// phase view, and "Flat Eq".
#include "model/AddressTables.h"
#include "processing/EqInGraph.h"
#include "processing/FrmEqIn.h"
#include "processing/ModEqIn.h"
#include "state/State.h"
#include "ui/Host.h"

void FrmEqIn::LoadEqInTab(int16_t i) {
    if (i < 0 || i > 7) return;
    const auto& img = s_.DevImage[s_.CurDev].ProgImage;
    auto& par = s_.DevParam[s_.CurDev];
    const uint8_t flags = img[model::EqInFlagAddr[i] + s_.EqInBankOfs[i]];
    for (int16_t b = 0; b < 3; ++b) par.InEqBypass()[b] = (flags >> b & 1) != 0 ? 1.0 : 0.0;
    for (int16_t b = 0; b < 3; ++b) {
        const int a = model::EqInBandAddr[3 * i + b] + s_.EqInBankOfs[i];
        s_.UiUpdating = true;
        s_.EqInType[b] = ModFun::LoadEqBandRow(s_, BandRow(b), &img[a]);
        ModEqIn::ConfigButtonEqInByp(s_, b);
        s_.UiUpdating = false;
        ModEqIn::CalcSendEqInBand(s_, b);
        if (s_.TxFailed) return;
        ModGraph::CalcGraphEqIn(s_, b);
    }
}

void FrmEqIn::Option3_Click() {
    ModGraph::CalcGraphEqIn(s_, 0);
    LoadLabelGraph_In(0);
}

void FrmEqIn::Command1_Click() {
    if (s_.host.MsgBox("               Are you sure ? ", ui::vbYesNo, "Flat Eq") != ui::vbYes) {
        return;
    }
    SetMousePointer(ui::vbArrowHourglass);
    s_.OpDone = false;
    ModEqIn::FlatEqIn(s_);
    if (!s_.TxFailed) ModEqIn::CopyAllEqInToLinked(s_);
    SetMousePointer(ui::vbDefault);
    s_.OpDone = true;
}
