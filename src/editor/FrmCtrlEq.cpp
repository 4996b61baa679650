// The five equaliser bands of each output tab: type dialog, bypass, gain slider and box,
// frequency box, Q arrows and the Q and bandwidth boxes, the band markers dragged on the
// output's graph and "Flat Eq".
#include <algorithm>
#include <string>

#include "editor/EqEntry.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmSelFilter.h"
#include "editor/GraphMarkers.h"
#include "editor/LinkedOutputs.h"
#include "editor/ModGraph.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqBand.h"
#include "editor/senders/OutEqUtilities.h"
#include "model/GraphConstants.h"
#include "model/Snapping.h"
#include "model/Tables.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

constexpr const char* kIncorrectFrequency = "  Incorrect frequency value";
constexpr const char* kIncorrectQ = "  Incorrect Q value";

}  // namespace

void FrmCtrl::EqBandFollowUp(int16_t b) {
    if (s_.TxFailed) return;
    ModGraph::CalcGraphEqOut(s_, b);
    ModLink::LinkEqBand(s_, b);
}

void FrmCtrl::Command3_Click(int16_t b) {
    s_.EditBusy = true;
    LoadCorrectWindow();
    s_.SelFilterBand = b;
    FrmSelFilter dialog(s_);
    dialog.ShowModal();
    s_.EditBusy = false;
}

void FrmCtrl::Command6_Click(int16_t b) {
    RunChange(
        [&] {
            ModFun::ToggleEqBandByp(s_, b);
            ModFun::CalcSendEqOutBand(s_, b);
        },
        [&] { EqBandFollowUp(b); });
}

void FrmCtrl::Slider2_Scroll(int16_t b) {
    RunChange([&] { ModFun::CalcSendEqOutBand(s_, b); }, [&] { EqBandFollowUp(b); });
}

void FrmCtrl::UpDown3_Change(int16_t b) {
    RunChange(
        [&] {
            ModFun::CalcSendEqOutBand(s_, b);
            s_.host.Sleep(20);
        },
        [&] { EqBandFollowUp(b); });
}

void FrmCtrl::Text12_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (!KeyConfirms(key, {.minus = true, .plus = true, .decimals = true, .clipboard = true})) {
        return;
    }
    BeginEntry();
    ui::TextBox& box = Text12(b);
    double gain = 0;
    if (!ReadNumber(box, gain)) {
        RejectEntry(key);
        return;
    }
    if (gain > 12) {
        box.SetText("12");
        gain = 12;
    }
    if (gain < -12) {
        box.SetText("-12");
        gain = -12;
    }
    gain = model::SnapEqGain(gain);
    box.SetText(sys::NumText(gain, s_.DecimalComma != 0));
    Slider2(b).SetValue(sys::CInt(24 - 2 * gain));
    ModFun::CalcSendEqOutBand(s_, b);
    EqBandFollowUp(b);
    EndEntry();
}

void FrmCtrl::Text4_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (!KeyConfirms(key, {}, kIncorrectFrequency)) return;
    BeginEntry();
    ui::TextBox& box = Text4(b);
    double freq = 0;
    if (!ReadNumber(box, freq)) {
        RejectEntry(key, kIncorrectFrequency);
        return;
    }
    if (freq > 20000) box.SetText("20000");
    if (freq < 20) box.SetText("20");
    ModFun::CalcSendEqOutBand(s_, b);
    EqBandFollowUp(b);
    EndEntry();
}

void FrmCtrl::EnterQIndex(int16_t b, int16_t& key, bool bandwidth) {
    s_.EditBusy = true;
    int16_t index = 0;
    if (!editor::QIndexOfEntry(bandwidth ? Text50(b) : Text5(b), bandwidth, s_.DecimalComma != 0,
                               index)) {
        RejectEntry(key, kIncorrectQ, ' ');
        return;
    }
    UpDown3(b).SetValue(index);
    EndEntry();
}

void FrmCtrl::Text5_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (KeyConfirms(key, {.decimals = true}, kIncorrectQ, ' ')) EnterQIndex(b, key, false);
}

void FrmCtrl::Text50_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (KeyConfirms(key, {.decimals = true}, kIncorrectQ, ' ')) EnterQIndex(b, key, true);
}

void FrmCtrl::Label5_MouseDown(int16_t) {
    s_.EditBusy = true;
    s_.GraphDrag = true;
    LoadCorrectWindow();
    s_.EditBusy = false;
}

void FrmCtrl::Label5_MouseMove(int16_t b, float x, float y) {
    if (!s_.GraphDrag) return;
    s_.GraphMoved = true;
    const editor::MarkerPoint point =
        ModFun::DragEqBandMarker(s_, ModFun::EqOutBandRow(*this, b), x, y);
    auto& par = s_.DevParam[s_.CurDev];
    par.OutEqGain()[b] = point.gain;
    par.OutEqFreq()[b] = point.freq;
    ModGraph::CalcGraphEqOut(s_, b);
}

void FrmCtrl::Label5_MouseUp(int16_t b) {
    s_.GraphDrag = false;
    if (!s_.GraphMoved) return;
    s_.GraphMoved = false;
    s_.EditBusy = true;
    EnableOtherWindow(false);
    ModFun::CalcSendEqOutBand(s_, b);
    if (!s_.TxFailed) {
        ModGraph::CalcGraphEqOut(s_, b);
        editor::RepeatOnLinkedOutputs(s_, model::BandToOutCh[b], 0,
                                      [&](int16_t p) { ModLink::LinkEqBandValues(s_, b, p); });
    }
    EnableOtherWindow(true);
    s_.EditBusy = false;
}

void FrmCtrl::Command1_Click(int16_t o) {
    if (s_.host.MsgBox("               Are you sure ? ", ui::vbYesNo, "Flat Eq") != ui::vbYes) {
        return;
    }
    s_.EditBusy = true;
    LoadCorrectWindow();
    SetPointer(ui::vbArrowHourglass);
    EnableOtherWindow(false);
    ModFun::FlatEq(s_, o);
    if (!s_.TxFailed) {
        editor::RepeatOnLinkedOutputs(s_, o, 0, [&](int16_t p) { ModFun::FlatEq(s_, p); });
    }
    EnableOtherWindow(true);
    s_.EditBusy = false;
    SetPointer(ui::vbDefault);
}
