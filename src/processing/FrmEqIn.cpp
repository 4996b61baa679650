// The life of "Inputs EQ": opening on an input, the choice of tab, the cursor option, the link
// boxes and closing (an input's bands, the view and "Flat Eq" are in FrmEqInTab.cpp).
#include "processing/FrmEqIn.h"

#include "editor/FrmCtrl.h"
#include "editor/senders/LinkSets.h"
#include "model/AddressTables.h"
#include "processing/DialogClose.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

FrmEqIn::FrmEqIn(State& s) : ui::Form(s.host, "FrmEqIn"), s_(s) {
    LayOut();
    WireEvents();
    s_.EqInWin = this;
}

FrmEqIn::~FrmEqIn() {
    if (s_.EqInWin == this) s_.EqInWin = nullptr;
}

void FrmEqIn::WireEvents() {
    SSTab1.On().Click = [this](int16_t) { SSTab1_Click(); };
    Slider2.On().Scroll = [this](int16_t b) { Slider2_Scroll(b); };
    UpDown3.On().Change = [this](int16_t b) { UpDown3_Change(b); };
    Text12.On().KeyPress = [this](int16_t b, int16_t& key) { Text12_KeyPress(b, key); };
    Text4.On().KeyPress = [this](int16_t b, int16_t& key) { Text4_KeyPress(b, key); };
    Text5.On().KeyPress = [this](int16_t b, int16_t& key) { Text5_KeyPress(b, key); };
    Text50.On().KeyPress = [this](int16_t b, int16_t& key) { Text50_KeyPress(b, key); };
    Command6.On().Click = [this](int16_t b) { Command6_Click(b); };
    Command3.On().Click = [this](int16_t b) { Command3_Click(b); };
    Label5.On().MouseDown = [this](int16_t b, int16_t, int16_t, float, float) {
        Label5_MouseDown(b);
    };
    Label5.On().MouseMove = [this](int16_t b, int16_t, int16_t, float x, float y) {
        Label5_MouseMove(b, x, y);
    };
    Label5.On().MouseUp = [this](int16_t b, int16_t, int16_t, float, float) { Label5_MouseUp(b); };
    Option3.On().Click = [this](int16_t) { Option3_Click(); };
    Option4.On().Click = [this](int16_t) { Option3_Click(); };
    Check3.On().Click = [this](int16_t) { Check3_Click(); };
    Check13.On().Click = [this](int16_t i) { Check13_Click(i); };
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
    Command2.On().Click = [this](int16_t) { Unload(); };
}

ModFun::EqBandRow FrmEqIn::BandRow(int16_t b) {
    return {Command3(b), Text4(b), Slider2(b), Text12(b),
            UpDown3(b),  Text5(b), Text50(b),  Label5(b)};
}

void FrmEqIn::SetColorButtonLinkIn(int16_t i) {
    if (!Check13.Exists(i)) return;
    const bool line = (s_.DevImage[s_.CurDev].ProgImage[model::InSourceAddr] >> i & 1) != 0;
    Check13(i).SetBackColor(line ? ui::RGB(0, 255, 0) : ui::RGB(255, 255, 0));
}

void FrmEqIn::LoadLabelGraph_In(int16_t k) {
    if (k != 0) return;
    const bool mag = Option3(k).Value();
    for (int16_t j = 0; j < 7; ++j) Label17(j).SetVisible(mag);
    for (int16_t j = 0; j < 9; ++j) Label9(j).SetVisible(!mag);
}

void FrmEqIn::ShowGraphCursorIn(int16_t k) {
    if (k != 0) return;
    const bool shown = Check3(k).Value() != 0;
    for (int16_t b = 2; b >= 0; --b) {
        Label5(b).SetVisible(shown);
        if (shown) Label5(b).ZOrder(0);
    }
}

void FrmEqIn::Form_Load() {
    const int16_t dev = s_.CurDev;
    const auto& par = s_.DevParam[dev];
    for (int16_t i = 0; i < 8; ++i) {
        const std::string name = Trimmed(s_.ChName[dev][i]);
        const bool line = par.InSource()[i] == 1;
        SSTab1.SetTabCaption(i, name + (line ? " - Line" : " - Mic"));
        SSTab1.SetTabEnabled(i, line || par.InProcType()[i] != 0);
        s_.EqInBankOfs[i] = line ? 0 : 16;
        Check13(i).SetCaption(name);
        SetColorButtonLinkIn(i);
    }
    s_.UiUpdating = true;
    SSTab1.SetTab(s_.CurInCh);
    s_.TxBlocked = true;
    s_.UiUpdating = false;
    LoadEqInTab(s_.CurInCh);
    s_.TxBlocked = false;

    Check3(0).SetValue(0);
    ShowGraphCursorIn(0);
    Option3(0).SetValue(true);
    LoadLabelGraph_In(0);

    FrmCtrl& editor = FrmCtrlOf(s_, dev);
    s_.UiUpdating = true;
    for (int16_t i = 0; i < 8; ++i) {
        const int32_t linked = editor.Check13(i).Value();
        Check13(i).SetValue(linked);
        Check13(i).SetForeColor(linked == 1 ? ui::vbBlue : ui::vbBlack);
    }
    s_.UiUpdating = false;
}

void FrmEqIn::SSTab1_Click() {
    if (s_.UiUpdating || SSTab1.Tab() == SSTab1.PreviousTab()) return;
    s_.CurInCh = SSTab1.Tab();
    s_.TxBlocked = true;
    LoadEqInTab(s_.CurInCh);
    s_.TxBlocked = false;
}

void FrmEqIn::Check3_Click() {
    ShowGraphCursorIn(0);
}

void FrmEqIn::Check13_Click(int16_t i) {
    if (s_.UiUpdating) return;
    FrmCtrl& editor = FrmCtrlOf(s_, s_.CurDev);
    s_.UiUpdating = true;
    editor.Check13(i).SetValue(Check13(i).Value());
    s_.UiUpdating = false;
    ModFun::StoreLinkIn(s_, i);
    if (s_.InPairLink[s_.CurDev][i / 2]) {
        const auto p = static_cast<int16_t>(i ^ 1);
        s_.UiUpdating = true;
        Check13(p).SetValue(Check13(i).Value());
        editor.Check13(p).SetValue(editor.Check13(i).Value());
        const ui::Color colour = Check13(p).Value() == 1 ? ui::vbBlue : ui::vbBlack;
        Check13(p).SetForeColor(colour);
        editor.Check13(p).SetForeColor(colour);
        s_.UiUpdating = false;
    }
    Check13(i).SetForeColor(editor.Check13(i).Value() == 1 ? ui::vbBlue : ui::vbBlack);
}

void FrmEqIn::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (processing::RefuseCloseWhileBusy(s_)) cancel = -1;
}

namespace ModEqIn {

void ShowFrmEqIn(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    s.CurInCh = i;
    FrmEqIn dialog(s);
    dialog.ShowModal();
}

}  // namespace ModEqIn
