#include "project/AddDeviceDialog.h"

#include <string>

#include "app/State.h"
#include "project/DeviceList.h"
#include "ui/Host.h"

namespace ModAddDevice {

void FillNumberList(ui::ComboBox& list, int16_t last) {
    list.Clear();
    for (int16_t v = 0; v <= last; ++v) list.AddItem(std::to_string(v));
}

void SkipZero(ui::ComboBox& list) {
    if (list.ListIndex() == 0) list.SetListIndex(1);
}

void PlaceOkCancel(ui::ControlArray<ui::CommandButton>& buttons, ui::Twips clientWidth,
                   ui::Twips top) {
    constexpr ui::Twips width = 1095, height = 375, gap = 120;
    ui::CommandButton& ok = buttons.Load(0);
    ok.SetCaption("OK");
    ok.SetDefault(true);
    ok.Move(clientWidth - 2 * width - gap - 120, top, width, height);
    ui::CommandButton& cancel = buttons.Load(1);
    cancel.SetCaption("Cancel");
    cancel.SetCancel(true);
    cancel.Move(clientWidth - width - 120, top, width, height);
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
