#include "project/FrmSetIP.h"

#include <algorithm>

#include "project/AddDeviceDialog.h"
#include "project/DeviceList.h"
#include "state/State.h"
#include "ui/DialogButtons.h"

FrmSetIP::FrmSetIP(State& s) : ui::Form(s.host, "FrmSetIP"), s_(s) {
    LayOut();
    Combo4.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo4); };
    Combo5.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo5); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmSetIP::LayOut() {
    SetCaption("Configure IP");
    SetSizable(false);
    constexpr ui::Twips clientWidth = 4560;
    SetClientSize(clientWidth, 1620);
    Frame1.SetCaption("IP Address");
    Frame1.Move(120, 60, clientWidth - 240, 900);
    ModAddDevice::PlaceOctetLists(Frame1, {&Combo5, &Combo6, &Combo7, &Combo4}, Label1, 360);
    ui::PlaceOkCancel(Command1, clientWidth, 1110);
}

void FrmSetIP::Form_Load() {
    ModAddDevice::FillNumberList(Combo5, 223);
    ModAddDevice::FillNumberList(Combo6, 255);
    ModAddDevice::FillNumberList(Combo7, 255);
    ModAddDevice::FillNumberList(Combo4, 254);
    Combo6.SetListIndex(s_.NewDevIp[1]);
    Combo7.SetListIndex(s_.NewDevIp[2]);
    Combo4.SetListIndex(s_.NewDevIp[3]);
    Combo5.SetListIndex(s_.NewDevIp[0]);
}

void FrmSetIP::Command1_Click(int16_t index) {
    if (index == 0) {
        const ui::ComboBox* octets[] = {&Combo5, &Combo6, &Combo7, &Combo4};
        for (size_t k = 0; k < 4; ++k) {
            s_.NewDevIp[k] = static_cast<uint8_t>(std::max<int16_t>(0, octets[k]->ListIndex()));
        }
    }
    ModAddDevice::Confirm(s_, *this, index, index == 0 && ModConfig::IsIpAlreadyInserted(s_),
                          "IP addess already inserted", "Already 64 devices inserted");
}
