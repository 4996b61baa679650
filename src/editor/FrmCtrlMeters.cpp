// The meter poll of the current device's editor: level meters by the tab shown and the
// status lamps of the "Overview" tab.
#include "editor/FrmCtrl.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace {

constexpr int32_t kPollMs = 100;
constexpr ui::Color kGreen = 0xC000;
constexpr ui::Color kYellow = 0xFFFF;
constexpr ui::Color kOrange = 0x80FF;

bool Bit(uint8_t byte, int k) {
    return (byte >> k & 1) != 0;
}

}  // namespace

void FrmCtrl::Timer1_Timer(int16_t slot) {
    ui::Timer& timer = Timer1(slot);
    if (slot != s_.CurDev) {
        timer.SetTimerEnabled(false);
        return;
    }
    if (!s_.PollEnabled || s_.EditBusy) {
        timer.SetInterval(kPollMs);
        return;
    }
    if (s_.EditorSlot[slot][0] == 0 || s_.DevOffline[slot]) return;

    // A failed request has been reported by the transaction, which may have closed this
    // window: the tick ends at once.
    const int16_t tab = SSTab1.Tab();
    if (tab == kTabInputs) {
        if (ModRxTx::TxCommand(s_, slot, CmdPollLevelsIn)) return;
        ModRxTx::ClearRxData(s_, slot);
        for (int ch = 0; ch < 8; ++ch) s_.MeterLevel[slot][ch] = s_.RxBuf[4 + ch];
    } else if (tab <= 8) {
        if (ModRxTx::TxCommand(s_, slot, CmdPollLevelsOut)) return;
        ModRxTx::ClearRxData(s_, slot);
        for (int ch = 8; ch < 16; ++ch) s_.MeterLevel[slot][ch] = s_.RxBuf[ch - 4];
    }
    if (ModRxTx::TxCommand(s_, slot, CmdPollStatus)) return;
    ModRxTx::ClearRxData(s_, slot);
    s_.PollByte5[slot] = s_.RxBuf[5];
    s_.PollByte6[slot] = s_.RxBuf[6];
    s_.PollByte7[slot] = s_.RxBuf[7];
    s_.PollByte8[slot] = s_.RxBuf[8];
    ShowStatusLamps();
    if (tab == kTabInputs) {
        for (int16_t ch = 0; ch < 8; ++ch) PrintVumeterIndB(slot, ch);
    } else if (tab <= 8) {
        for (int16_t ch = 8; ch < 16; ++ch) PrintVumeterIndB(slot, ch);
    }
    timer.SetInterval(kPollMs);
}

void FrmCtrl::ShowStatusLamps() {
    const int16_t dev = s_.CurDev;
    auto& par = s_.DevParam[dev];
    for (int16_t k = 0; k < 8; ++k) {
        Shape8(k).SetFillColor(Bit(s_.PollByte5[dev], k) ? ui::vbLightGrey : ui::vbRed);
        Shape7(k).SetFillColor(Bit(s_.PollByte6[dev], k) ? kYellow : ui::vbLightGrey);
        Shape6(k).SetFillColor(!Bit(s_.PollByte7[dev], k)  ? ui::vbLightGrey
                               : Bit(s_.PollByte8[dev], k) ? kOrange
                                                           : ui::vbBlue);
        Shape5(k).SetFillColor(par.InFeedbackOn()[k] != 0 ? ui::vbRed : ui::vbLightGrey);
        Shape4(k).SetFillColor(par.InSource()[k] == 0 ? ui::vbRed : ui::vbLightGrey);
        Shape3(k).SetFillColor(par.InSource()[k] != 0 ? ui::vbRed : ui::vbLightGrey);
    }
    Shape1.SetFillColor(s_.PhantomOn[dev] != 0 ? ui::vbRed : ui::vbLightGrey);
}

void FrmCtrl::PrintVumeterIndB(int16_t dev, int16_t ch) {
    if (dev < 0 || dev >= model::SlotCount || ch < 0 || ch > 15) return;
    const double db = s_.MeterLevel[dev][ch] / 2 - 60 + 18;
    ui::Color colour = ui::vbButtonText;
    double bar = 0;
    if (db < -30) {
        Label14(ch).SetCaption("<-30");
    } else {
        bar = db + 30;
        Label14(ch).SetCaption(sys::NumText(db, s_.DecimalComma != 0));
        colour = db < 18 ? kGreen : ui::vbRed;
    }
    Label14(ch).SetForeColor(colour);
    Label15(ch).SetForeColor(colour);
    // A level of 20 dB or more is held at the bar's end.
    ProgressBar3(ch).SetValue(static_cast<float>(bar));
}
