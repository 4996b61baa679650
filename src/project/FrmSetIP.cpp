#include "project/FrmSetIP.h"

#include "project/AddDeviceLists.h"

FrmSetIP::FrmSetIP(ui::Host& host) : ui::Form(host, "FrmSetIP") {
    LayOut();
    Combo4.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo4); };
    Combo5.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo5); };
}

void FrmSetIP::LayOut() {
    SetCaption("Configure IP");
    SetSizable(false);
    constexpr ui::Twips clientWidth = 4560;
    SetClientSize(clientWidth, 1620);
    Frame1.SetCaption("IP Address");
    Frame1.Move(120, 60, clientWidth - 240, 900);
    ui::ComboBox* octets[] = {&Combo5, &Combo6, &Combo7, &Combo4};
    constexpr ui::Twips comboWidth = 855, pitch = 1035;
    for (int k = 0; k < 4; ++k) {
        ui::ComboBox& c = *octets[k];
        c.SetContainer(&Frame1);
        c.SetStyle(2);
        c.Move(180 + pitch * k, 360, comboWidth, 315);
        if (k == 3) continue;
        ui::Label& dot = Label1.Load(static_cast<int16_t>(k));
        dot.SetContainer(&Frame1);
        dot.SetCaption(".");
        dot.SetAlignment(2);
        dot.SetFont(12, true);
        dot.Move(180 + pitch * k + comboWidth, 360, pitch - comboWidth, 315);
    }
    ModAddDevice::PlaceOkCancel(Command1, clientWidth, 1110);
}
