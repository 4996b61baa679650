// The tab strip, the overview's jump labels, the graph view options, the link boxes and the
// buttons that open dialogs.
#include "editor/EditorDialogs.h"
#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/senders/LinkSets.h"
#include "editor/senders/OutEqUtilities.h"
#include "state/State.h"

void FrmCtrl::SSTab1_Click() {
    s_.EditBusy = true;
    LoadCorrectWindow();
    const int16_t t = SSTab1.Tab();
    if (t >= 1 && t <= 8) ModGraph::RedrawGraphCtrl(s_, static_cast<int16_t>(t + 7));
    s_.EditBusy = false;
}

void FrmCtrl::SSTab1_DblClick() {
    if (SSTab1.Tab() < kTabRouting) OpenDialog(EditorDialog::EditLabel);
}

void FrmCtrl::Label100_Click(int16_t index) {
    if (index >= 200) {
        SSTab1.SetTab(static_cast<int16_t>(index % 10 + 1));
    } else if (index < 20) {
        SSTab1.SetTab(kTabInputs);
    }
}

void FrmCtrl::Label200_Click(int16_t index) {
    SSTab1.SetTab(static_cast<int16_t>(index + 1));
}

void FrmCtrl::Label300_Click(int16_t index) {
    SSTab1.SetTab(index >= 16 && index <= 23 ? static_cast<int16_t>(index - 15) : kTabInputs);
}

void FrmCtrl::Option3_Click(int16_t o) {
    s_.EditBusy = true;
    LoadCorrectWindow();
    ModGraph::CalcGraphEqOut(s_, static_cast<int16_t>(o * 5));
    LoadLabelGraph(o);
    Frame30(o).SetVisible(Option3(o).Value());
    Frame31(o).SetVisible(Option3(o).Value());
    s_.EditBusy = false;
}

void FrmCtrl::Option4_Click(int16_t o) {
    Option3_Click(o);
}

void FrmCtrl::Check3_Click(int16_t o) {
    s_.EditBusy = true;
    LoadCorrectWindow();
    ModFun::ShowGraphCursor(s_, o);
    s_.EditBusy = false;
}

void FrmCtrl::Check13_Click(int16_t ch) {
    if (s_.UiUpdating) return;
    s_.EditBusy = true;
    LoadCorrectWindow();
    if (ch >= 8) {
        ModFun::StoreLinkOut(s_, static_cast<int16_t>(ch - 8));
    } else {
        ModFun::StoreLinkIn(s_, ch);
    }
    s_.EditBusy = false;
}

void FrmCtrl::OpenDialog(EditorDialog dialog, int16_t index) {
    s_.EditBusy = true;
    LoadCorrectWindow();
    ShowEditorDialog(s_, dialog, index);
    s_.EditBusy = false;
}

void FrmCtrl::Command2_Click(int16_t index) {
    switch (index) {
        case 0:
        case 1:
            EnableOtherWindow(false);
            OpenDialog(index == 0 ? EditorDialog::LoadProgram : EditorDialog::SaveProgram);
            EnableOtherWindow(true);
            break;
        case 2:
            OpenDialog(EditorDialog::Store);
            break;
        case 3:
            OpenDialog(EditorDialog::Read);
            break;
        case 8:
            OpenDialog(EditorDialog::CopyInput);
            break;
        case 9:
            OpenDialog(EditorDialog::CopyOutput);
            break;
        case 10:
            OpenDialog(EditorDialog::ReadExtra);
            break;
        case 11:
            OpenDialog(EditorDialog::StoreExtra);
            break;
        case 12:
            OpenDialog(EditorDialog::Configure);
            break;
        default:  // 4 "Lock front-panel" and the blank buttons do nothing
            break;
    }
}
