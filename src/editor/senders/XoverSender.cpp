#include "editor/senders/XoverSender.h"

#include <algorithm>

#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

void SendXover(State& s, int16_t f) {
    if (f < 0 || f > 15) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& w = FrmCtrlOf(s, dev);
    double freq = 0;
    if (!sys::ParseNumber(w.Text8(f).Text(), s.DecimalComma != 0, freq)) return;
    const auto type = static_cast<uint8_t>(std::max<int16_t>(w.Combo2(f).ListIndex(), 0));
    auto& par = s.DevParam[dev];
    par.XoverFreq()[f] = freq;
    par.XoverType()[f] = type;
    LoadLabelXover(s, f);
    model::SplitValueBytes(s, sys::Fix(freq), 0);
    auto& img = s.DevImage[dev].ProgImage;
    const int a = model::XoverAddr[f];
    img[a] = s.ValBytes[2];
    img[a + 1] = s.ValBytes[3];
    img[a + 2] = type;
    ModRxTx::TxCommand(s, dev, CmdOutXover, static_cast<uint8_t>(8 + f / 2),
                       static_cast<uint8_t>(f % 2), 0, 0, 0, img[a], img[a + 1], img[a + 2]);
}

void LoadLabelXover(State& s, int16_t f) {
    if (f < 0 || f > 15) return;
    FrmCtrl& w = FrmCtrlOf(s, s.CurDev);
    const auto h = static_cast<int16_t>(f / 2 * 2);
    const auto l = static_cast<int16_t>(h + 1);
    const auto& hp = w.Combo2(h);
    const auto& lp = w.Combo2(l);
    w.Label100(static_cast<int16_t>(210 + f / 2))
        .SetToolTipText("HP: " + w.Text8(h).Text() + " Hz, " + hp.List(hp.ListIndex()) +
                        " -- LP: " + w.Text8(l).Text() + " Hz, " + lp.List(lp.ListIndex()));
}

}  // namespace ModFun
