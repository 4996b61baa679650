// The band rows of "Inputs EQ": gain slider and box, frequency box, Q arrows and the Q and
// bandwidth boxes, bypass, the filter type dialog and the band markers dragged on the graph.
#include "editor/EqEntry.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmSelFilter.h"
#include "editor/GraphMarkers.h"
#include "model/Snapping.h"
#include "processing/EqInGraph.h"
#include "processing/FrmEqIn.h"
#include "processing/ModEqIn.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

constexpr const char* kIncorrectValue = "  Incorrect value";
constexpr const char* kIncorrectFrequency = "  Incorrect frequency value";
constexpr const char* kIncorrectQ = "  Incorrect Q value";

}  // namespace

void FrmEqIn::BandSend(int16_t b, bool pause) {
    s_.OpDone = false;
    ModEqIn::CalcSendEqInBand(s_, b);
    if (pause) s_.host.Sleep(20);
    if (!s_.TxFailed) {
        ModGraph::CalcGraphEqIn(s_, b);
        ModEqIn::CopyEqInToLinked(s_, b);
    }
    s_.OpDone = true;
}

bool FrmEqIn::KeyConfirms(int16_t& key, const editor::KeyRules& rules) {
    const editor::KeyAction action = editor::FilterKey(key, rules, s_.DecimalComma != 0);
    if (action == editor::KeyAction::Reject) key = 0;
    return action == editor::KeyAction::Confirm;
}

void FrmEqIn::RejectEntry(int16_t& key, const char* message, char replacement) {
    s_.host.MsgBox(message, ui::vbOKOnly, "Warning");
    key = replacement;
}

void FrmEqIn::Slider2_Scroll(int16_t b) {
    if (!s_.UiUpdating) BandSend(b, true);
}

void FrmEqIn::UpDown3_Change(int16_t b) {
    if (!s_.UiUpdating) BandSend(b, true);
}

void FrmEqIn::Text12_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    const editor::KeyRules rules{.minus = true, .plus = true, .decimals = true, .clipboard = true};
    if (KeyConfirms(key, rules)) {
        ui::TextBox& box = Text12(b);
        double gain = 0;
        if (!sys::ParseNumber(box.Text(), s_.DecimalComma != 0, gain)) {
            RejectEntry(key, kIncorrectValue, '?');
        } else {
            gain = model::SnapEqGain(std::clamp(gain, -12.0, 12.0));
            box.SetText(sys::NumText(gain, s_.DecimalComma != 0));
            Slider2(b).SetValue(sys::CInt(24 - 2 * gain));
            BandSend(b, false);
        }
    }
    s_.OpDone = true;
}

void FrmEqIn::Text4_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (KeyConfirms(key, {})) {
        ui::TextBox& box = Text4(b);
        double freq = 0;
        if (!sys::ParseNumber(box.Text(), s_.DecimalComma != 0, freq)) {
            RejectEntry(key, kIncorrectFrequency, '?');
        } else {
            if (freq > 20000) box.SetText("20000");
            if (freq < 20) box.SetText("20");
            BandSend(b, false);
        }
    }
    s_.OpDone = true;
}

void FrmEqIn::EnterQIndex(int16_t b, int16_t& key, bool bandwidth) {
    int16_t index = 0;
    if (!editor::QIndexOfEntry(bandwidth ? Text50(b) : Text5(b), bandwidth, s_.DecimalComma != 0,
                               index)) {
        RejectEntry(key, kIncorrectQ, ' ');
        return;
    }
    UpDown3(b).SetValue(index);
}

void FrmEqIn::Text5_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (KeyConfirms(key, {.decimals = true})) EnterQIndex(b, key, false);
}

void FrmEqIn::Text50_KeyPress(int16_t b, int16_t& key) {
    if (s_.UiUpdating) return;
    if (KeyConfirms(key, {.decimals = true})) EnterQIndex(b, key, true);
}

void FrmEqIn::Command6_Click(int16_t b) {
    ModEqIn::ToggleBypassEqIn(s_, b);
    BandSend(b, false);
}

void FrmEqIn::Command3_Click(int16_t b) {
    s_.SelFilterBand = b;
    s_.SelFilterMode = 1;
    FrmSelFilter dialog(
        s_, [this](int16_t band, int16_t type) { ModEqIn::ApplyEqInType(s_, band, type); });
    dialog.ShowModal();
    s_.SelFilterMode = 0;
}

void FrmEqIn::Label5_MouseDown(int16_t) {
    s_.GraphDrag = true;
}

void FrmEqIn::Label5_MouseMove(int16_t b, float x, float y) {
    if (!s_.GraphDrag) return;
    s_.GraphMoved = true;
    const editor::MarkerPoint point = ModFun::DragEqBandMarker(s_, BandRow(b), x, y);
    auto& par = s_.DevParam[s_.CurDev];
    par.InEqGain()[b] = point.gain;
    par.InEqFreq()[b] = point.freq;
    ModGraph::CalcGraphEqIn(s_, b);
}

void FrmEqIn::Label5_MouseUp(int16_t b) {
    s_.GraphDrag = false;
    if (!s_.GraphMoved) return;
    s_.GraphMoved = false;
    BandSend(b, false);
}
