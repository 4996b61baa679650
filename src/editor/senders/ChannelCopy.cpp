#include "editor/senders/ChannelCopy.h"

#include <functional>
#include <initializer_list>

#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/senders/DelaySenders.h"
#include "editor/senders/DynamicsSenders.h"
#include "editor/senders/InputSenders.h"
#include "editor/senders/LevelSenders.h"
#include "editor/senders/OutEqBand.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/PolarityMute.h"
#include "editor/senders/XoverSender.h"
#include "model/AddressTables.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"

namespace ModFun {

namespace {

// Control copies with the editor's handlers held.
template <typename Copy>
void Quietly(State& s, Copy copy) {
    s.UiUpdating = true;
    copy();
    s.UiUpdating = false;
}

// Runs the steps in order. A failed send does not stop them, but a window closed by it (the
// device taken offline) does, before the next step: there is nothing left to copy into.
void RunSteps(const FrmCtrl& f, std::initializer_list<std::function<void()>> steps) {
    for (const auto& step : steps) {
        if (f.Finished()) return;
        step();
    }
}

}  // namespace

void CopyInputChannel(State& s, int16_t source, int16_t destination) {
    if (source < 0 || source > 7 || destination < 0 || destination > 7) return;
    const int16_t dev = s.CurDev;
    const int16_t a = source;
    const int16_t b = destination;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    auto& img = s.DevImage[dev].ProgImage;

    RunSteps(f, {
                    [&] {
                        s.GainBypass[dev][b] = static_cast<int16_t>(1 - s.GainBypass[dev][a]);
                        SendGainByp(s, b);
                    },
                    [&] {
                        Quietly(s, [&] { f.Combo5(b).SetListIndex(f.Combo5(a).ListIndex()); });
                        SendMicLine(s, b);
                    },
                    [&] {
                        f.Slider1(b).SetValue(f.Slider1(a).Value());
                        ApplyGain(s, b);
                    },
                    [&] {
                        Quietly(s, [&] { f.Check2(b).SetValue(f.Check2(a).Value()); });
                        SendPolarity(s, b);
                    },
                    [&] {
                        Quietly(s, [&] {
                            f.Check5(b).SetValue(f.Check5(a).Value());
                            for (int j = 0; j < 3; ++j)
                                img[model::NgAddr[b] + j] = img[model::NgAddr[a] + j];
                        });
                        SendNoiseGateEnable(s, b);
                    },
                    [&] {
                        Quietly(s, [&] {
                            f.UpDown6(b).SetValue(f.UpDown6(a).Value());
                            f.Combo9(b).SetListIndex(f.Combo9(a).ListIndex());
                            img[model::InFilterAddr[b]] = img[model::InFilterAddr[a]];
                        });
                        SendInputFilter(s, b);
                    },
                    [&] {
                        Quietly(s, [&] { f.Combo4(b).SetListIndex(f.Combo4(a).ListIndex()); });
                        SendFeedbackMode(s, b);
                    },
                    [&] {
                        Quietly(s, [&] { f.Combo1(b).SetListIndex(f.Combo1(a).ListIndex()); });
                        SendInputProcType(s, b);
                    },
                });
    if (f.Finished()) return;

    // The source's bank serves both inputs: the set of the source's type now (0 Line, 16 Mic),
    // which a Mic/Line change or another device's editor since the last image may have changed.
    s.EqInBankOfs[a] = static_cast<int16_t>(s.DevParam[dev].InSource()[a] == 1.0 ? 0 : 16);
    const int ofs = s.EqInBankOfs[a];
    img[model::EqInFlagAddr[b] + ofs] = img[model::EqInFlagAddr[a] + ofs];
    for (int band = 0; band < 3; ++band) {
        const int from = model::EqInBandAddr[a * 3 + band] + ofs;
        const int to = model::EqInBandAddr[b * 3 + band] + ofs;
        Quietly(s, [&] {
            for (int j = 0; j < 5; ++j) img[to + j] = img[from + j];
        });
        if (ModRxTx::TxCommand(s, dev, CmdEqBand, static_cast<uint8_t>(b),
                               static_cast<uint8_t>(band), img[model::EqInFlagAddr[b] + ofs],
                               img[to], img[to + 1], img[to + 2], img[to + 3], img[to + 4])) {
            return;
        }
    }
}

void CopyOutputChannel(State& s, int16_t source, int16_t destination) {
    if (source < 0 || source > 7 || destination < 0 || destination > 7) return;
    const int16_t dev = s.CurDev;
    const int16_t a = source;
    const int16_t b = destination;
    const auto ca = static_cast<int16_t>(a + 8);
    const auto cb = static_cast<int16_t>(b + 8);
    FrmCtrl& f = FrmCtrlOf(s, dev);
    auto copySliders = [&](std::initializer_list<ui::ControlArray<ui::Slider> FrmCtrl::*> arrays) {
        for (auto array : arrays) (f.*array)(b).SetValue((f.*array)(a).Value());
    };
    // A crossover filter of the given kind (0 high-pass, 1 low-pass). Its type list is set with
    // the editor's handlers held: their click would repeat the filter onto the destination's
    // linked outputs.
    auto xover = [&](int16_t kind) {
        const auto fa = static_cast<int16_t>(2 * a + kind);
        const auto fb = static_cast<int16_t>(2 * b + kind);
        Quietly(s, [&] { f.Combo2(fb).SetListIndex(f.Combo2(fa).ListIndex()); });
        SendXover(s, fb);
        if (!f.Finished()) ModGraph::CalcGraphXover(s, fb);
    };
    auto band = [&](int16_t n) {
        const auto ka = static_cast<int16_t>(5 * a + n);
        const auto kb = static_cast<int16_t>(5 * b + n);
        Quietly(s, [&] {
            auto bypass = s.DevParam[dev].OutEqBypass();
            bypass[kb] = bypass[ka];
            ConfigButtonEqByp(s, kb);
            f.Slider2(kb).SetValue(f.Slider2(ka).Value());
            f.Text4(kb).SetText(f.Text4(ka).Text());
            f.UpDown3(kb).SetValue(f.UpDown3(ka).Value());
            f.Command3(kb).SetCaption(f.Command3(ka).Caption());
            s.EqOutType[dev][kb] = s.EqOutType[dev][ka];
        });
        CalcSendEqOutBand(s, kb);
        if (!f.Finished()) ModGraph::CalcGraphEqOut(s, kb);
    };

    RunSteps(f, {
                    [&] {
                        f.Slider1(cb).SetValue(f.Slider1(ca).Value());
                        ApplyGain(s, cb);
                    },
                    [&] {
                        s.CompByp[dev][b] = static_cast<int16_t>(1 - s.CompByp[dev][a]);
                        SendCmpByp(s, b);
                    },
                    [&] {
                        copySliders({&FrmCtrl::Slider400, &FrmCtrl::Slider401, &FrmCtrl::Slider402,
                                     &FrmCtrl::Slider403, &FrmCtrl::Slider404});
                    },
                    [&] { SendCmpThr(s, b); },
                    [&] { SendCmpRatio(s, b); },
                    [&] { SendCmpKnee(s, b); },
                    [&] { SendCmpAttack(s, b); },
                    [&] { SendCmpRelease(s, b); },
                    [&] {
                        s.LimByp[dev][b] = static_cast<int16_t>(1 - s.LimByp[dev][a]);
                        SendLimByp(s, b);
                    },
                    [&] {
                        copySliders({&FrmCtrl::Slider4, &FrmCtrl::Slider5, &FrmCtrl::Slider6});
                    },
                    [&] { SendLimThr(s, b); },
                    [&] { SendLimAttack(s, b); },
                    [&] { SendLimRelease(s, b); },
                    [&] {
                        for (int16_t kind = 0; kind < 2; ++kind) {
                            f.Text8(static_cast<int16_t>(2 * b + kind))
                                .SetText(f.Text8(static_cast<int16_t>(2 * a + kind)).Text());
                        }
                    },
                    [&] { xover(0); },
                    [&] { xover(1); },
                    [&] { band(0); },
                    [&] { band(1); },
                    [&] { band(2); },
                    [&] { band(3); },
                    [&] { band(4); },
                    [&] {
                        s.GainBypass[dev][cb] = static_cast<int16_t>(1 - s.GainBypass[dev][ca]);
                        SendGainByp(s, cb);
                    },
                    [&] {
                        // The polarity box, too, is set with the handlers held, so only the
                        // destination changes.
                        Quietly(s, [&] { f.Check2(cb).SetValue(f.Check2(ca).Value()); });
                        SendPolarity(s, cb);
                    },
                    [&] {
                        s.DelayByp[dev][b] = static_cast<int16_t>(1 - s.DelayByp[dev][a]);
                        SendDelayByp(s, b);
                    },
                    [&] {
                        Quietly(s, [&] {
                            f.UpDown2(b).SetValue(f.UpDown2(a).Value());
                            f.UpDown1(b).SetValue(f.UpDown1(a).Value());
                        });
                        SendDelay(s, b);
                    },
                    // The bands were drawn before the level bypass, polarity and delay came.
                    [&] { CalcGraphEqCh(s, b); },
                });
}

}  // namespace ModFun
