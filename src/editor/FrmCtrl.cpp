// The editor window's life: creation, activation, the fixed size and closing (its load is in
// FrmCtrlLoad.cpp).
#include "editor/FrmCtrl.h"

#include "state/State.h"
#include "ui/Host.h"

FrmCtrl::FrmCtrl(State& s) : ui::Form(s.host, "FrmCtrl", ui::FormKind::MdiChild), s_(s) {
    Move(0, 0, kWidth, kHeight);
    LayoutFrame();
    LayoutInputsTab();
    for (int16_t o = 0; o < 8; ++o) LayoutOutputTab(o);
    LayoutRoutingTab();
    LayoutOverviewTab();
    WireEvents();
}

void FrmCtrl::WireEvents() {
    SSTab1.On().Click = [this](int16_t) { SSTab1_Click(); };
    SSTab1.On().DblClick = [this](int16_t) { SSTab1_DblClick(); };
    Label100.On().Click = [this](int16_t i) { Label100_Click(i); };
    Label200.On().Click = [this](int16_t i) { Label200_Click(i); };
    Label300.On().Click = [this](int16_t i) { Label300_Click(i); };
    Option3.On().Click = [this](int16_t o) { Option3_Click(o); };
    Option4.On().Click = [this](int16_t o) { Option4_Click(o); };
    Check3.On().Click = [this](int16_t o) { Check3_Click(o); };
    Check13.On().Click = [this](int16_t ch) { Check13_Click(ch); };
    Command2.On().Click = [this](int16_t i) { Command2_Click(i); };
    Command17.On().Click = [this](int16_t) { OpenDialog(EditorDialog::Version); };
    Command9.On().Click = [this](int16_t) { OpenDialog(EditorDialog::Switch); };
    Command50.On().Click = [this](int16_t o) { OpenDialog(EditorDialog::Limiter, o); };
    Command51.On().Click = [this](int16_t o) { OpenDialog(EditorDialog::Limiter, o); };
    Command10.On().Click = [this](int16_t i) { OpenDialog(EditorDialog::EqIn, i); };
    Timer1.On().Timer = [this](int16_t slot) { Timer1_Timer(slot); };

    Slider1.On().Scroll = [this](int16_t ch) { Slider1_Scroll(ch); };
    Text1.On().KeyPress = [this](int16_t ch, int16_t& key) { Text1_KeyPress(ch, key); };
    Command12.On().Click = [this](int16_t ch) { Command12_Click(ch); };
    Command90.On().Click = [this](int16_t ch) { Command90_Click(ch); };
    Check2.On().Click = [this](int16_t ch) { Check2_Click(ch); };
    Check1.On().Click = [this](int16_t ch) { Check1_Click(ch); };
    Slider100.On().Scroll = [this](int16_t k) { Slider100_Scroll(k); };
    Text100.On().KeyPress = [this](int16_t k, int16_t& key) { Text100_KeyPress(k, key); };

    UpDown4.On().Change = [this](int16_t o) { UpDown4_Change(o); };
    UpDown5.On().Change = [this](int16_t o) { UpDown5_Change(o); };
    Command3.On().Click = [this](int16_t b) { Command3_Click(b); };
    Command6.On().Click = [this](int16_t b) { Command6_Click(b); };
    Slider2.On().Scroll = [this](int16_t b) { Slider2_Scroll(b); };
    UpDown3.On().Change = [this](int16_t b) { UpDown3_Change(b); };
    Text12.On().KeyPress = [this](int16_t b, int16_t& key) { Text12_KeyPress(b, key); };
    Text4.On().KeyPress = [this](int16_t b, int16_t& key) { Text4_KeyPress(b, key); };
    Text5.On().KeyPress = [this](int16_t b, int16_t& key) { Text5_KeyPress(b, key); };
    Text50.On().KeyPress = [this](int16_t b, int16_t& key) { Text50_KeyPress(b, key); };
    Label5.On().MouseDown = [this](int16_t b, int16_t, int16_t, float, float) {
        Label5_MouseDown(b);
    };
    Label5.On().MouseMove = [this](int16_t b, int16_t, int16_t, float x, float y) {
        Label5_MouseMove(b, x, y);
    };
    Label5.On().MouseUp = [this](int16_t b, int16_t, int16_t, float, float) { Label5_MouseUp(b); };
    Command1.On().Click = [this](int16_t o) { Command1_Click(o); };
    Combo2.On().Click = [this](int16_t f) { Combo2_Click(f); };
    Text8.On().KeyPress = [this](int16_t f, int16_t& key) { Text8_KeyPress(f, key); };
    WireDelayAndDynamics();

    Option2.On().Click = [this](int16_t o) { Option2_Click(o); };
    Check9.On().Click = [this](int16_t k) { Check9_Click(k); };
    Slider3.On().Scroll = [this](int16_t i) { Slider3_Scroll(i); };
    Text3.On().KeyPress = [this](int16_t i, int16_t& key) { Text3_KeyPress(i, key); };
    Command4.On().Click = [this](int16_t) { Command4_Click(); };
    Check7.On().Click = [this](int16_t) { Check7_Click(); };
    Command14.On().Click = [this](int16_t) { Command14_Click(); };
    Check8.On().Click = [this](int16_t i) { Check8_Click(i); };
    Command16.On().Click = [this](int16_t) { Command16_Click(); };
    Command15.On().Click = [this](int16_t) { Command15_Click(); };
    WireInputsTab();
}

int16_t FrmCtrl::OwnSlot() const {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s_.FrmCtrlHwnd[slot] == hWnd()) return slot;
    }
    return -1;
}

void FrmCtrl::LoadCorrectWindow() {
    const int16_t slot = OwnSlot();
    if (slot >= 0) s_.CurDev = slot;
}

void FrmCtrl::EnableOtherWindow(bool enable) {
    s_.OpDone = enable;
}

void FrmCtrl::LoadLabelGraph(int16_t o) {
    if (o < 0 || o > 7) return;
    const bool mag = Option3(o).Value();
    for (int j = 0; j < 7; ++j) Label17(static_cast<int16_t>(7 * o + j)).SetVisible(mag);
    for (int j = 0; j < 9; ++j) Label9(static_cast<int16_t>(9 * o + j)).SetVisible(!mag);
}

void FrmCtrl::Form_Activate() {
    s_.EditBusy = true;
    const int16_t slot = OwnSlot();
    if (slot >= 0) {
        s_.CurDev = slot;
        if (Timer1.Exists(slot)) Timer1(slot).SetTimerEnabled(true);
    }
    s_.EditBusy = false;
}

void FrmCtrl::Form_Resize() {
    s_.EditBusy = true;
    LoadCorrectWindow();
    s_.EditBusy = false;
    if (WindowState() == ui::vbMinimized) return;
    if (Height() != kHeight) SetHeight(kHeight);
    if (Width() != kWidth) SetWidth(kWidth);
}

void FrmCtrl::Form_QueryUnload(int16_t& cancel, int16_t) {
    s_.EditBusy = true;
    LoadCorrectWindow();
    const int16_t dev = s_.CurDev;
    if (!s_.OpDone) {
        s_.host.MsgBox("Please wait the last requested operation to be accomplished",
                       ui::vbOKOnly + ui::vbExclamation, "Close window");
        s_.EditBusy = false;
        cancel = -1;
        return;
    }
    if (!s_.DevOffline[dev] &&
        s_.host.MsgBox("            Are you sure ? ", ui::vbYesNo, "Close window") != ui::vbYes) {
        s_.EditBusy = false;
        cancel = -1;
        return;
    }
    s_.EditorLastIdx = static_cast<int16_t>(s_.EditorLastIdx - 1);
    RefreshMainButtons(s_);
    s_.EditorSlot[dev][0] = 0;
    if (s_.EditorClosed) s_.EditorClosed(s_, dev);
    s_.FrmCtrlHwnd[dev] = 255;
    s_.OpDone = true;
    EnableOtherWindow(true);
    s_.EditBusy = false;
}
