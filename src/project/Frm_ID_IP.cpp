#include "project/Frm_ID_IP.h"

#include <algorithm>
#include <array>
#include <string>

#include "project/AddDeviceDialog.h"
#include "project/DeviceList.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

// The list index that shows a device's value: the value itself when it lies within least and
// last, else none (-1). A list can't show a value it does not hold, and one it would move
// (0 where 0 is not usable) is not the device's.
int16_t Shown(int16_t value, int16_t least, int16_t last) {
    return value >= least && value <= last ? value : -1;
}

// The value the user picked from the list; the device's own where the list shows none.
uint8_t Chosen(const ui::ComboBox& list, int16_t own) {
    return static_cast<uint8_t>(list.ListIndex() >= 0 ? list.ListIndex() : own);
}

}  // namespace

Frm_ID_IP::Frm_ID_IP(State& s) : ui::Form(s.host, "Frm_ID_IP"), s_(s) {
    LayOut();
    Check1.On().Click = [this](int16_t) { Check1_Click(); };
    Combo1.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo1); };
    Combo4.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo4); };
    Combo5.On().Click = [this](int16_t) { ModAddDevice::SkipZero(Combo5); };
    Command1.On().Click = [this](int16_t) { Command1_Click(); };
    Command2.On().Click = [this](int16_t) { Command2_Click(); };
}

void Frm_ID_IP::LayOut() {
    SetCaption("Configure ID-RS485 and IP Address");
    SetSizable(false);
    constexpr ui::Twips width = 5100;
    SetClientSize(width, 4500);

    ui::Frame& idGroup = Frame1.Load(0);
    idGroup.SetCaption("Configure ID-RS485");
    idGroup.Move(120, 60, width - 240, 1140);
    Frame2.SetContainer(&idGroup);
    Frame2.SetCaption("Select new ID");
    Frame2.Move(180, 300, 1500, 720);
    Combo1.SetContainer(&Frame2);
    Combo1.SetStyle(2);
    Combo1.Move(180, 300, 1095, 315);
    Label4.SetContainer(&idGroup);
    Label4.Move(1920, 600, 2700, 285);

    ui::Frame& ipGroup = Frame1.Load(1);
    ipGroup.SetCaption("Configure IP-Address");
    ipGroup.Move(120, 1320, width - 240, 2460);
    Check1.SetContainer(&ipGroup);
    Check1.SetCaption("dhcp");
    Check1.Move(180, 300, 1200, 285);
    Frame14.SetContainer(&ipGroup);
    Frame14.SetCaption("Select new IP Address");
    Frame14.Move(180, 660, width - 600, 780);
    ModAddDevice::PlaceOctetLists(Frame14, {&Combo5, &Combo6, &Combo7, &Combo4}, Label1, 330);
    Label2.SetContainer(&ipGroup);
    Label2.Move(180, 1560, width - 600, 285);
    Label5.SetContainer(&ipGroup);
    Label5.Move(180, 1980, width - 600, 285);

    Command1.SetCaption("OK");
    Command1.SetDefault(true);
    Command1.Move(width - 2 * 1095 - 240, 3960, 1095, 375);
    Command2.SetCaption("Cancel");
    Command2.SetCancel(true);
    Command2.Move(width - 1095 - 120, 3960, 1095, 375);
}

void Frm_ID_IP::Form_Load() {
    dev_ = s_.CurDevWin;
    ModAddDevice::FillNumberList(Combo1, 64);
    ModAddDevice::FillNumberList(Combo5, 223);
    ModAddDevice::FillNumberList(Combo6, 255);
    ModAddDevice::FillNumberList(Combo7, 255);
    ModAddDevice::FillNumberList(Combo4, 255);
    const std::array<int16_t, 4>& ip = s_.DevNetIp[dev_];
    Combo5.SetListIndex(Shown(ip[0], 1, 223));
    Combo6.SetListIndex(Shown(ip[1], 0, 255));
    Combo7.SetListIndex(Shown(ip[2], 0, 255));
    Combo4.SetListIndex(Shown(ip[3], 1, 255));
    Combo1.SetListIndex(Shown(s_.DevNetId[dev_], 1, 64));
    Label4.SetCaption("Current ID = " + std::to_string(s_.DevNetId[dev_]));
    Label2.SetCaption("MAC = " + s_.DevInfoText[dev_]);
    Label5.SetCaption("Current IP = " + std::to_string(ip[0]) + "." + std::to_string(ip[1]) + "." +
                      std::to_string(ip[2]) + "." + std::to_string(ip[3]));
    Check1.SetValue(s_.DevNetMode[dev_] != 0 ? 1 : 0);
    // An offline device can't be configured: there is nothing to send to.
    Command1.SetEnabled(Online());
}

bool Frm_ID_IP::Online() const {
    return s_.DevList[dev_].Used == -1 && s_.DevList[dev_].Online == 1;
}

void Frm_ID_IP::Check1_Click() {
    Frame14.SetEnabled(Check1.Value() == 0);
}

bool Frm_ID_IP::Send(uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3, uint8_t d4, uint8_t d6,
                     uint8_t d7) {
    return ModRxTx::TxQuery(s_, dev_, CmdSetNetConfig, d0, d1, d2, d3, d4, 0, d6, d7);
}

void Frm_ID_IP::Command1_Click() {
    if (!Online()) return;
    const int16_t dev = dev_;
    const uint8_t id = Chosen(Combo1, s_.DevNetId[dev]);
    const ui::ComboBox* octets[] = {&Combo5, &Combo6, &Combo7, &Combo4};
    std::array<uint8_t, 4> ip{};
    for (size_t k = 0; k < 4; ++k) ip[k] = Chosen(*octets[k], s_.DevNetIp[dev][k]);
    s_.DevNetId[dev] = id;
    std::copy(ip.begin(), ip.end(), s_.DevNetIp[dev].begin());
    if (!Send(id, 0, 0, 0, 0, 1, 0)) return;
    s_.host.Sleep(30);
    if (!Send(id, 0, 0, 0, 0, 0, 0)) return;
    s_.host.Sleep(1000);
    const uint8_t dhcp = Check1.Value() != 0 ? 1 : 0;
    s_.DevNetMode[dev] = dhcp;
    if (!Send(ip[0], ip[1], ip[2], ip[3], dhcp, 1, 1)) return;
    s_.host.Sleep(30);
    if (!Send(ip[0], ip[1], ip[2], ip[3], dhcp, 0, 1)) return;
    s_.host.Sleep(1000);
    Unload();
}

void Frm_ID_IP::Command2_Click() {
    Unload();
}
