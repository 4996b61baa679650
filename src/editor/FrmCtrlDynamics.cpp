// The compressor and limiter frames of each output tab: sliders, typed values with their
// snapping, and the two bypass buttons.
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/senders/DynamicsSenders.h"
#include "editor/senders/ModLink.h"
#include "state/State.h"
#include "sys/Numeric.h"

using ModFun::Dyn;

void FrmCtrl::WireDelayAndDynamics() {
    UpDown2.On().Change = [this](int16_t o) { UpDown2_Change(o); };
    UpDown1.On().Change = [this](int16_t o) { UpDown1_Change(o); };
    Text2.On().KeyPress = [this](int16_t o, int16_t& key) { Text2_KeyPress(o, key); };
    Command8.On().Click = [this](int16_t o) { Command8_Click(o); };
    Option1.On().Click = [this](int16_t u) { Option1_Click(u); };

    Command5.On().Click = [this](int16_t o) { Command5_Click(o); };
    Command7.On().Click = [this](int16_t o) { Command7_Click(o); };
    for (Dyn p : {Dyn::CmpThr, Dyn::CmpRatio, Dyn::CmpKnee, Dyn::CmpAttack, Dyn::CmpRelease,
                  Dyn::LimThr, Dyn::LimAttack, Dyn::LimRelease}) {
        // Every output's slider and box of a value share the array's handlers.
        ModFun::DynamicsSliders(*this, p).On().Scroll = [this, p](int16_t o) {
            RunChange([&] { ModFun::SendDynamics(s_, p, o); },
                      [&] { DynamicsFollowUp(o, ModFun::IsLimiter(p)); });
        };
        ModFun::DynamicsBoxes(*this, p).On().KeyPress = [this, p](int16_t o, int16_t& key) {
            DynamicsKeyPress(o, key, p);
        };
    }
}

void FrmCtrl::DynamicsFollowUp(int16_t o, bool limiter) {
    if (s_.TxFailed) return;
    if (limiter) {
        ModLink::LinkLimiter(s_, o);
    } else {
        ModLink::LinkCompressor(s_, o);
    }
}

void FrmCtrl::Command5_Click(int16_t o) {
    RunChange([&] { ModFun::SendCmpByp(s_, o); }, [&] { DynamicsFollowUp(o, false); });
}

void FrmCtrl::Command7_Click(int16_t o) {
    RunChange([&] { ModFun::SendLimByp(s_, o); }, [&] { DynamicsFollowUp(o, true); });
}

void FrmCtrl::DynamicsKeyPress(int16_t o, int16_t& key, Dyn p) {
    if (s_.UiUpdating) return;
    const bool ratio = p == Dyn::CmpRatio;
    const editor::KeyRules rules{
        .minus = true, .plus = true, .decimals = !ratio && p != Dyn::CmpKnee, .clipboard = !ratio};
    const int16_t typed = key;
    if (!KeyConfirms(key, rules)) {
        // A key the ratio box refuses still enters it after the message.
        if (ratio) key = typed;
        return;
    }
    BeginEntry();
    double x = 0;
    const std::string text = ModFun::TypedNumberText(p, ModFun::DynamicsBoxes(*this, p)(o).Text());
    if (!sys::ParseNumber(text, s_.DecimalComma != 0, x)) {
        // The ratio box keeps its text as typed; the others take a "?" for the Enter key.
        RejectEntry(key, kIncorrectValue, ratio ? '\0' : '?');
        return;
    }
    ModFun::DynamicsSliders(*this, p)(o).SetValue(ModFun::TypedPosition(s_, p, x));
    ModFun::SendDynamics(s_, p, o);
    DynamicsFollowUp(o, ModFun::IsLimiter(p));
    EndEntry();
}
