// The five equaliser bands of each output tab: type dialog, bypass, gain slider and box,
// frequency box, Q arrows and the Q and bandwidth boxes, the band markers dragged on the
// output's graph and "Flat Eq".
#include <algorithm>
#include <string>

#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmSelFilter.h"
#include "editor/GraphMarkers.h"
#include "editor/LinkedOutputs.h"
#include "editor/ModGraph.h"
#include "link/OutEqBand.h"
#include "link/OutEqUtilities.h"
#include "model/GraphConstants.h"
#include "model/Snapping.h"
#include "model/Tables.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

constexpr const char* kIncorrectFrequency = "  Incorrect frequency value";
constexpr const char* kIncorrectQ = "  Incorrect Q value";

// The box text trimmed of blanks, its decimal points turned into commas where the locale
// writes a comma.
std::string QText(const std::string& text, bool comma) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string t = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (comma) std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

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
    const bool comma = s_.DecimalComma != 0;
    ui::TextBox& box = bandwidth ? Text50(b) : Text5(b);
    double value = 0;
    if (!sys::ParseNumber(QText(box.Text(), comma), comma, value)) {
        RejectEntry(key, kIncorrectQ, ' ');
        return;
    }
    int16_t index = 0;
    if (bandwidth) {
        box.SetText(sys::NumText(model::SnapQValue(value), comma));
        ReadNumber(box, value);
        index = model::SnapQIndex(value);
    } else {
        index = model::QToIndex(value);
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
    ui::Label& marker = Label5(b);
    const double offset = model::GraphMarkerOffset;
    double left = static_cast<float>(marker.Left() + x - offset);
    double top = static_cast<float>(marker.Top() + y - offset);
    left = std::clamp(left, -offset, model::GraphWidthTw - offset);
    top = std::clamp(top, -offset, model::GraphHeightTw - offset);
    const double gain = std::clamp(editor::MarkerGain(top), -12.0, 12.0);
    const double shown = sys::Int(gain * 10) / 10;
    const double freq = sys::Int(editor::MarkerFreq(left));
    marker.Move(sys::CLng(static_cast<float>(left)), sys::CLng(editor::MarkerTop(gain)),
                marker.Width(), marker.Height());
    Text12(b).SetText(sys::NumText(shown, s_.DecimalComma != 0));
    Slider2(b).SetValue(sys::CInt(24 - 2 * shown));
    Text4(b).SetText(sys::NumText(freq, s_.DecimalComma != 0));
    auto& par = s_.DevParam[s_.CurDev];
    par.OutEqGain()[b] = shown;
    par.OutEqFreq()[b] = freq;
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
