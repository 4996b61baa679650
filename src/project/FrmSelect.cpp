#include "project/FrmSelect.h"

#include <string>

#include "files/StateFiles.h"
#include "project/FrmSearchCom.h"
#include "state/State.h"
#include "ui/Host.h"

FrmSelect::FrmSelect(State& s) : ui::Form(s.host, "FrmSelect"), s_(s) {
    LayOut();
    Combo1.On().Click = [this](int16_t) { Combo1_Click(); };
    Option2.On().Click = [this](int16_t index) { Option2_Click(index); };
    Command2.On().Click = [this](int16_t) { Command2_Click(); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmSelect::LayOut() {
    SetCaption("Select");
    SetSizable(false);
    SetClientSize(4260, 2520);
    Frame5.SetCaption("Select Connection");
    Frame5.Move(120, 60, 1800, 1560);
    const char* links[] = {"USB", "RS485", "TCP/IP"};
    for (int16_t k = 0; k < 3; ++k) {
        ui::OptionButton& o = Option2.Load(k);
        o.SetContainer(&Frame5);
        o.SetCaption(links[k]);
        o.Move(240, 360 + 390 * k, 1380, 315);
    }
    Frame1.SetCaption("Select COM");
    Frame1.Move(2040, 60, 2100, 1560);
    Combo1.SetContainer(&Frame1);
    Combo1.SetStyle(2);
    Combo1.Move(180, 360, 1740, 315);
    Command2.SetContainer(&Frame1);
    Command2.SetCaption("Search");
    Command2.SetToolTipText("Search COM connected to PC");
    Command2.Move(180, 960, 1740, 375);
    Frame9.Move(120, 1680, 4020, 720);
    const char* buttons[] = {"OK", "Exit"};
    for (int16_t k = 0; k < 2; ++k) {
        ui::CommandButton& b = Command1.Load(k);
        b.SetContainer(&Frame9);
        b.SetCaption(buttons[k]);
        b.Move(720 + 1440 * k, 210, 1215, 375);
    }
    Command1(0).SetDefault(true);
    Command1(1).SetCancel(true);
}

void FrmSelect::Form_Load() {
    before_ = s_.InitCfg;
    stored_ = false;
    StateFiles::ReadInitCfg(s_);
    Combo1.Clear();
    Combo1.AddItem(" NONE ");
    for (int n = 1; n <= 32; ++n) Combo1.AddItem("COM " + std::to_string(n));
    Combo1.SetListIndex(s_.InitCfg.ComPort);
    const int16_t type = s_.InitCfg.LinkType;
    Option2(type == 0 || type == 1 ? type : 2).SetValue(true);
    EnablePortChoice(type == 0 || type == 1);
}

void FrmSelect::EnablePortChoice(bool on) {
    Frame1.SetEnabled(on);
    Command2.SetEnabled(on);
}

void FrmSelect::Combo1_Click() {
    if (Combo1.ListIndex() < 1) Combo1.SetListIndex(1);
}

void FrmSelect::Option2_Click(int16_t index) {
    const bool serial = index == 0 || index == 1;
    EnablePortChoice(serial);
    s_.InitCfg.LinkType = serial ? index : int16_t{2};
}

void FrmSelect::Command2_Click() {
    s_.SearchComFound = false;
    FrmSearchCom search(s_, Option2(0).Value());
    search.ShowModal();
    if (s_.SearchComFound) {
        Combo1.SetListIndex(s_.SearchComPort);
        s_.InitCfg.ComPort = s_.SearchComPort;
    } else {
        s_.host.MsgBox(" COM not found", ui::vbOKOnly + ui::vbInformation, "Search COM");
    }
}

void FrmSelect::Command1_Click(int16_t index) {
    if (index == 0 && !Store()) return;
    Unload();
}

bool FrmSelect::Store() {
    s_.InitCfg.ComPort = Combo1.ListIndex();
    s_.InitCfg.LinkType = Option2(0).Value() ? 0 : Option2(1).Value() ? 1 : 2;
    if (!StateFiles::WriteInitCfg(s_)) {
        s_.InitCfg = before_;
        s_.host.MsgBox("The link settings could not be saved to " +
                           StateFiles::StateFilePath(s_, StateFiles::kInitCfg) +
                           ". Nothing was changed.",
                       ui::vbOKOnly + ui::vbExclamation, "Select");
        return false;
    }
    stored_ = true;
    const bool switched = s_.InitCfg.LinkType != s_.LinkType;
    if (s_.MainWin) s_.MainWin->ShowLinkButton();
    s_.LinkType = s_.InitCfg.LinkType;
    if (switched && s_.MainWin) s_.MainWin->RestoreDeviceWindows();
    return true;
}

void FrmSelect::Form_Unload(int16_t&) {
    if (!stored_) s_.InitCfg = before_;
}
