#include "ui/DialogButtons.h"

namespace ui {

void PlaceOkCancel(ControlArray<CommandButton>& buttons, Twips clientWidth, Twips top) {
    constexpr Twips width = 1095, height = 375, gap = 120;
    CommandButton& ok = buttons.Load(0);
    ok.SetCaption("OK");
    ok.SetDefault(true);
    ok.Move(clientWidth - 2 * width - gap - 120, top, width, height);
    CommandButton& cancel = buttons.Load(1);
    cancel.SetCaption("Cancel");
    cancel.SetCancel(true);
    cancel.Move(clientWidth - width - 120, top, width, height);
}

}  // namespace ui
