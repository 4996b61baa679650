#include "editor/senders/DelaySenders.h"

#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelBlock.h"
#include "model/AddressTables.h"
#include "model/DevImageRecord.h"
#include "model/Tables.h"
#include "model/ValueBytes.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace ModFun {

namespace {

bool ValidOutput(int16_t o) {
    return o >= 0 && o < 8;
}

// The unit a record value stands for: anything but 1 shows time.
int16_t UnitOf(double stored) {
    return stored == 1.0 ? 1 : 0;
}

std::string UnitText(int16_t unit) {
    return std::string(model::DelayUnitText[unit]);
}

// Frame caption and value box of output o from its two counts.
void ShowDelay(State& s, FrmCtrl& f, int16_t o, int16_t unit) {
    f.Frame3(o).SetCaption("Delay [" + UnitText(unit) + " ]");
    f.Text2(o).SetText(
        DelayText(f.UpDown2(o).Value(), f.UpDown1(o).Value(), unit, s.DecimalComma != 0));
}

void ShowOnOverview(FrmCtrl& f, int16_t o, int16_t unit) {
    f.Label100(static_cast<int16_t>(220 + o)).SetCaption(f.Text2(o).Text() + UnitText(unit));
}

// The delay the response graph counts: 48 samples a millisecond, none while bypassed.
void StoreDelaySamples(State& s, FrmCtrl& f, int16_t o) {
    const int16_t dev = s.CurDev;
    s.OutDelaySamples[dev][o] =
        s.DelayByp[dev][o] != 0 ? 0 : f.UpDown2(o).Value() * 48 + f.UpDown1(o).Value();
}

// CmdOutDelay for output o with the bypass bits and the delay block as the image holds them.
bool SendDelayBlock(State& s, int16_t o) {
    const auto& img = s.DevImage[s.CurDev].ProgImage;
    const int a = model::DelayAddr[o];
    return ModRxTx::TxCommand(s, s.CurDev, CmdOutDelay, static_cast<uint8_t>(8 + o), 0, 0, 0,
                              img[model::DelayBypAddr], img[a], img[a + 1], img[a + 2]);
}

}  // namespace

std::string DelayText(int32_t coarse, int32_t fine, int16_t unit, bool decimalComma) {
    const int64_t thousandths = int64_t{coarse} * 1000 + int64_t{fine} * 208 / 10;
    if (unit != 1) return sys::NumText(static_cast<double>(thousandths) / 1000, decimalComma);
    const int64_t centimetres = thousandths * 34 / 1000;
    return sys::NumText(static_cast<double>(centimetres) / 100, decimalComma);
}

void SendDelay(State& s, int16_t o) {
    if (!ValidOutput(o)) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    auto& par = s.DevParam[dev];
    const int16_t unit = UnitOf(par.DelayUnit());
    ShowDelay(s, f, o, unit);
    const int32_t coarse = f.UpDown2(o).Value();
    const int32_t fine = f.UpDown1(o).Value();
    par.DelayCoarse()[o] = coarse;
    par.DelayFine()[o] = fine;
    model::SplitValueBytes(s, coarse, 0);
    auto& img = s.DevImage[dev].ProgImage;
    const int a = model::DelayAddr[o];
    img[a] = s.ValBytes[2];
    img[a + 1] = s.ValBytes[3];
    img[a + 2] = static_cast<uint8_t>(fine);
    if (SendDelayBlock(s, o)) return;
    StoreDelaySamples(s, f, o);
    ShowOnOverview(f, o, unit);
}

void SendDelayByp(State& s, int16_t o) {
    if (!ValidOutput(o)) return;
    const int16_t dev = s.CurDev;
    auto& flags = s.DelayByp[dev];
    flags[o] = flags[o] != 0 ? 0 : 1;
    s.DevImage[dev].ProgImage[model::DelayBypAddr] = PackBits([&](int k) { return flags[k]; });
    if (SendDelayBlock(s, o)) return;
    ConfigButtonDelayByp(s, o);
    StoreDelaySamples(s, FrmCtrlOf(s, dev), o);
}

void ConfigButtonDelayByp(State& s, int16_t o) {
    if (!ValidOutput(o)) return;
    const int16_t dev = s.CurDev;
    FrmCtrlOf(s, dev).Command8(o).SetBackColor(s.DelayByp[dev][o] != 0 ? ui::vbRed
                                                                       : ui::vbButtonFace);
}

void LoadLabelDelay(State& s, int16_t unit) {
    const int16_t dev = s.CurDev;
    s.DevParam[dev].DelayUnit() = unit;
    const int16_t shown = UnitOf(unit);
    // Kept in the image, so the editor shows it again when it is opened anew.
    s.DevImage[dev].DevExtra[model::DelayUnitExtra] = static_cast<uint8_t>(shown);
    FrmCtrl& f = FrmCtrlOf(s, dev);
    for (int16_t o = 0; o < 8; ++o) {
        ShowDelay(s, f, o, shown);
        ShowOnOverview(f, o, shown);
    }
}

}  // namespace ModFun
