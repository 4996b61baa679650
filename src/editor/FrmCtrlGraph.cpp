// The magnitude scale of each output's response graph: the "Step dB" and "Offset dB" arrows,
// their captions and the seven scale labels.
#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "state/State.h"
#include "sys/Numeric.h"

void FrmCtrl::SetOffset(int16_t o) {
    if (o < 0 || o > 7) return;
    const int16_t dev = s_.CurDev;
    const bool comma = s_.DecimalComma != 0;
    const auto a = static_cast<int16_t>((13 - UpDown5(o).Value()) * 10 - 10);
    s_.GraphScaleA[dev][o] = a;
    Label18(o).SetCaption(sys::NumText(-a, comma) + " ");
    const float b = static_cast<float>(UpDown4(o).Value() + 1) * 0.5f;
    s_.GraphScaleB[dev][o] = b;
    Label16(o).SetCaption(sys::SingleText(10 * b, comma) + " ");
    s_.GraphScaleC[dev][o] = editor::GraphMagSpanPx / (b * 60.0);
    constexpr int kDivisions[7] = {30, 20, 10, 0, -10, -20, -30};
    for (int k = 0; k < 7; ++k) {
        const float value = k == 3 ? static_cast<float>(-a) : b * kDivisions[k] - a;
        Label17(static_cast<int16_t>(7 * o + k)).SetCaption(sys::SingleText(value, comma));
    }
}

void FrmCtrl::UpDown4_Change(int16_t o) {
    if (s_.UiUpdating) return;
    LoadCorrectWindow();
    SetOffset(o);
    ModGraph::RedrawGraphCtrl(s_, static_cast<int16_t>(o + 8));
}

void FrmCtrl::UpDown5_Change(int16_t o) {
    UpDown4_Change(o);
}
