#include "project/FrmSetID.h"

#include "project/AddDeviceLists.h"

FrmSetID::FrmSetID(ui::Host& host) : ui::Form(host, "FrmSetID") {
    LayOut();
    Combo4.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo4); };
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
    ModAddDevice::PlaceOkCancel(Command1, clientWidth, 1110);
}
