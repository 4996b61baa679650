#include "project/FrmWallPanel.h"

#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/DialogButtons.h"

FrmWallPanel::FrmWallPanel(State& s) : ui::Form(s.host, "FrmWallPanel"), s_(s) {
    SetCaption("USB/RS485 Setup");
    SetSizable(false);
    constexpr ui::Twips width = 3900;
    SetClientSize(width, 1260);
    Combo1.SetStyle(2);
    Combo1.Move(120, 180, width - 240, 315);
    Combo1.AddItem("USB/RS485 Manual ");
    Combo1.AddItem("USB/RS485 Automatic");
    ui::PlaceOkCancel(Command1, width, 720);
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmWallPanel::Form_QueryUnload(int16_t& cancel, int16_t unloadMode) {
    if (unloadMode == ui::vbFormOwner) cancel = -1;
}

void FrmWallPanel::Form_Load() {
    dev_ = s_.CurDev;
    double& mode = s_.DevParam[dev_].WallPanelMode;
    if (mode > 1) mode = 1;
    Combo1.SetListIndex(static_cast<int16_t>(mode));
}

void FrmWallPanel::Command1_Click(int16_t index) {
    if (index == 0) {
        const auto mode = static_cast<uint8_t>(Combo1.ListIndex() < 0 ? 0 : Combo1.ListIndex());
        if (!ModRxTx::TxQuery(s_, dev_, CmdWallPanelMode, mode)) return;
        s_.DevParam[dev_].WallPanelMode = mode;
    }
    Unload();
}
