// The status window's construction and layout, and the window of each slot (what it does is
// in FrmDeviceCommands.cpp).
#include "project/FrmDevice.h"

#include <array>

#include "state/State.h"

FrmDevice::FrmDevice(State& s) : ui::Form(s.host, "FrmDevice", ui::FormKind::MdiChild), s_(s) {
    Move(0, 0, kWidth, kHeight);
    Label1.SetCaption("Connect");
    Label2.SetCaption("Edit");
    Label10.SetCaption("nick name");
    Label10.SetToolTipText("double click or press Enter to edit a nick name");
    Label10.SetPurpose("Nick name", true);
    ProgressBar1.SetVisible(false);
    Layout();
    Label1.On().Click = [this](int16_t) { Label1_Click(); };
    Label2.On().Click = [this](int16_t) { Label2_Click(); };
    Label10.On().DblClick = [this](int16_t) { Label10_DblClick(); };
}

// One row across the client area: Connect, Edit, the nick name and the progress bar.
void FrmDevice::Layout() {
    constexpr ui::Twips kMargin = 60;
    const std::array<ui::Control*, 4> row = {&Label1, &Label2, &Label10, &ProgressBar1};
    const std::array<ui::Twips, 3> widths = {960, 360, 1380};
    const ui::Twips height = ScaleHeight();
    ui::Twips left = kMargin;
    for (size_t k = 0; k < row.size(); ++k) {
        const ui::Twips width = k < widths.size() ? widths[k] : ScaleWidth() - kMargin - left;
        row[k]->Move(left, 0, width, height);
        left += width + kMargin;
    }
}

void FrmDevice::FindDeviceWindowSlot() {
    for (int16_t slot = 0; slot < model::SlotCount; ++slot) {
        if (s_.FrmDeviceHwnd[slot] == hWnd()) {
            s_.CurDevWin = slot;
            return;
        }
    }
}

void FrmDevice::Form_Activate() {
    FindDeviceWindowSlot();
}

FrmDevice& FrmDeviceOf(State& s, int16_t slot) {
    WindowPtr<FrmDevice>& w = s.FrmDeviceWin.at(static_cast<size_t>(slot));
    return w && !w->Finished() ? *w : s.RenewWindow(w);
}
