#include "project/AddDeviceDialog.h"

#include <string>

#include "project/DeviceList.h"
#include "state/State.h"
#include "ui/Host.h"

namespace ModAddDevice {

void FillNumberList(ui::ComboBox& list, int16_t last) {
    list.Clear();
    for (int16_t v = 0; v <= last; ++v) list.AddItem(std::to_string(v));
}

void SkipZero(ui::ComboBox& list) {
    if (list.ListIndex() == 0) list.SetListIndex(1);
}

void PlaceOctetLists(ui::Frame& frame, const std::array<ui::ComboBox*, 4>& octets,
                     ui::ControlArray<ui::Label>& dots, ui::Twips top) {
    constexpr ui::Twips comboWidth = 855, pitch = 1035, left = 180;
    for (int k = 0; k < 4; ++k) {
        ui::ComboBox& c = *octets[static_cast<size_t>(k)];
        c.SetContainer(&frame);
        c.SetStyle(2);
        c.Move(left + pitch * k, top, comboWidth, 315);
        if (k == 3) continue;
        ui::Label& dot = dots.Load(static_cast<int16_t>(k));
        dot.SetContainer(&frame);
        dot.SetCaption(".");
        dot.SetAlignment(2);
        dot.SetFont(12, true);
        dot.Move(left + pitch * k + comboWidth, top, pitch - comboWidth, 315);
    }
}

void Confirm(State& s, ui::Form& dialog, int16_t index, bool duplicate,
             const char* duplicateMessage, const char* fullMessage) {
    s.AddDevOk = index == 0;
    if (s.AddDevOk && duplicate) {
        s.host.MsgBox(duplicateMessage, ui::vbOKOnly + ui::vbExclamation, "Add Device");
        s.AddDevOk = false;
        return;
    }
    if (s.AddDevOk) {
        s.NewDevSlot = ModConfig::FindFreeDeviceSlot(s);
        if (s.NewDevSlot == 255) {
            s.host.MsgBox(fullMessage, ui::vbOKOnly + ui::vbExclamation, "Add Device");
            s.AddDevOk = false;
        }
    }
    dialog.Unload();
}

}  // namespace ModAddDevice
