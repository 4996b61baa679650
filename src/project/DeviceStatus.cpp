#include "project/DeviceStatus.h"

#include "project/FrmDevice.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModProject {

std::string DeviceCaption(const State& s, int16_t slot, bool online, UsbCaption usb) {
    const std::string tail = online ? " - Online" : " - Offline";
    const model::DeviceRecord& rec = s.DevList[slot];
    switch (s.LinkType) {
        case 0:
            return usb == UsbCaption::WithProduct ? " USB -" + s.ProductName + tail : " USB" + tail;
        case 1:
            return " RS485 - ID:" + sys::FormatTwoDigits(rec.DevId) + tail;
        default:
            return " IP:" + rec.IpText + tail;
    }
}

void ShowDeviceStatus(State& s, int16_t slot, bool online, UsbCaption usb) {
    FrmDevice& w = FrmDeviceOf(s, slot);
    w.Label1.SetForeColor(online ? ui::RGB(255, 0, 0) : ui::RGB(0, 0, 0));
    w.Label1.SetCaption(online ? "Disconnect" : "Connect");
    w.SetCaption(DeviceCaption(s, slot, online, usb));
}

void StepProgress(State& s, int16_t slot) {
    ui::ProgressBar& bar = FrmDeviceOf(s, slot).ProgressBar1;
    if (bar.Value() < bar.Max()) bar.SetValue(bar.Value() + 1);
}

}  // namespace ModProject
