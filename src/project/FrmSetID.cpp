#include "project/FrmSetID.h"

#include "project/AddDeviceDialog.h"
#include "project/DeviceList.h"
#include "state/State.h"
#include "ui/DialogButtons.h"

FrmSetID::FrmSetID(State& s) : ui::Form(s.host, "FrmSetID"), s_(s) {
    LayOut();
    Combo4.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo4); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmSetID::LayOut() {
    SetCaption("Configure ID");
    SetSizable(false);
    constexpr ui::Twips clientWidth = 3000;
    SetClientSize(clientWidth, 1620);
    Frame1.SetCaption("ID Device");
    Frame1.Move(120, 60, clientWidth - 240, 900);
    Combo4.SetContainer(&Frame1);
    Combo4.SetStyle(2);
    Combo4.Move(180, 360, 1095, 315);
    ui::PlaceOkCancel(Command1, clientWidth, 1110);
}

void FrmSetID::Form_Load() {
    ModAddDevice::FillNumberList(Combo4, 64);
    Combo4.SetListIndex(s_.NewDevId);
}

void FrmSetID::Command1_Click(int16_t index) {
    if (index == 0) s_.NewDevId = Combo4.ListIndex();
    ModAddDevice::Confirm(s_, *this, index, index == 0 && ModConfig::IsIdAlreadyInserted(s_),
                          "ID device already inserted", "Max devices inserted");
}
