#include "link/OutEqUtilities.h"

#include "app/State.h"
#include "editor/EditorCalls.h"
#include "editor/FrmCtrl.h"

namespace ModFun {

void ShowGraphCursor(State& s, int16_t o) {
    if (o < 0 || o > 7) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const bool shown = f.Check3(o).Value() != 0;
    for (int j = 4; j >= 0; --j) {
        ui::Label& marker = f.Label5(static_cast<int16_t>(5 * o + j));
        marker.SetVisible(shown);
        if (shown) marker.ZOrder(0);
    }
    s.DevImage[s.CurDev].PanelState[30 + o] = static_cast<uint8_t>(f.Check3(o).Value());
}

void CalcGraphEqCh(State& s, int16_t o) {
    if (o < 0 || o > 7) return;
    ModGraph::CalcGraphEqOut(s, static_cast<int16_t>(5 * o));
}

}  // namespace ModFun
