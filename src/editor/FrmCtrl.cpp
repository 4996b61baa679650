#include "editor/FrmCtrl.h"

FrmCtrl::FrmCtrl(ui::Host& host) : ui::Form(host, "FrmCtrl", ui::FormKind::MdiChild) {
    Move(0, 0, kWidth, kHeight);
    LayoutFrame();
    LayoutInputsTab();
    for (int16_t o = 0; o < 8; ++o) LayoutOutputTab(o);
    LayoutRoutingTab();
    LayoutOverviewTab();
}
