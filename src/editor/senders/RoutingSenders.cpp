#include "editor/senders/RoutingSenders.h"

#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "model/Tables.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModFun {

namespace {

constexpr int kTopLevel = 30;  // 0 dB
constexpr uint8_t kOffBit = 128;

bool InRange(int16_t v, int16_t last) {
    return v >= 0 && v <= last;
}

uint8_t& RouteByte(State& s, int cp) {
    return s.DevImage[s.CurDev].ProgImage[model::RouteAddr[cp]];
}

void SendRouteByte(State& s, int cp) {
    ModRxTx::TxCommand(s, s.CurDev, CmdMixPoint, static_cast<uint8_t>(cp / 8 + 8), 0, 0, 0, 0, 0,
                       static_cast<uint8_t>(cp % 8), RouteByte(s, cp));
}

void ShowLevelText(FrmCtrl& f, int16_t i) {
    const auto level = std::clamp(kTopLevel - f.Slider3(i).Value(), 0, kTopLevel);
    f.Text3(i).SetText(std::string(model::LevelDbText[level]));
}

}  // namespace

int16_t MixLevelIndex(uint8_t routeByte) {
    return static_cast<int16_t>(std::min(routeByte & 127, kTopLevel));
}

void SendMixLevel(State& s, int16_t i) {
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    int16_t o = 0;
    while (o < 7 && !f.Option2(o).Value()) ++o;
    SendMixLevelInOut(s, i, f.Option2(o).Value() ? o : 0);
}

void SendMixLevelInOut(State& s, int16_t i, int16_t o) {
    if (!InRange(i, 7) || !InRange(o, 7)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    ShowLevelText(f, i);
    const int cp = o * 8 + i;
    const int level = std::clamp(kTopLevel - f.Slider3(i).Value(), 0, kTopLevel);
    RouteByte(s, cp) = static_cast<uint8_t>(f.Check9(cp).Value() == 1 ? level : level + kOffBit);
    SendRouteByte(s, cp);
}

void LoadMixRouting(State& s, int16_t o) {
    if (!InRange(o, 7)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    for (int16_t i = 0; i < 8; ++i) {
        f.Slider3(i).SetValue(kTopLevel - MixLevelIndex(RouteByte(s, o * 8 + i)));
        ShowLevelText(f, i);
    }
}

void SendMixPoint(State& s, int16_t cp) {
    if (!InRange(cp, 63)) return;
    FrmCtrl& f = FrmCtrlOf(s, s.CurDev);
    const bool on = f.Check9(cp).Value() == 1;
    const auto level = static_cast<uint8_t>(RouteByte(s, cp) & 127);
    RouteByte(s, cp) = on ? level : static_cast<uint8_t>(level + kOffBit);
    f.Line1000(cp).SetVisible(on);
    SendRouteByte(s, cp);
}

}  // namespace ModFun
