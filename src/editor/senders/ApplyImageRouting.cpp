#include "editor/senders/ApplyImageRouting.h"

#include "editor/FrmCtrl.h"
#include "editor/senders/LinkSets.h"
#include "editor/senders/MixerSenders.h"
#include "editor/senders/RoutingSenders.h"
#include "model/AddressTables.h"
#include "state/State.h"

namespace ModFun {

namespace {

void LoadBox(State& s, ui::CheckBox& box, bool checked) {
    s.UiUpdating = true;
    box.SetValue(checked ? 1 : 0);
    s.UiUpdating = false;
}

const auto& Image(State& s) {
    return s.DevImage[s.CurDev].ProgImage;
}

}  // namespace

void ApplyAutoMixer(State& s, FrmCtrl& f) {
    LoadBox(s, f.Check7, Image(s)[model::AmActiveAddr] != 0);
    SendAutoMixerActive(s);
    if (f.Finished()) return;
    SendAutoMixerMode(s, Image(s)[model::AmModeAddr]);
    if (f.Finished()) return;
    SendAutoMixerByte(s);
}

void ApplyDucker(State& s, FrmCtrl& f) {
    const uint8_t mask = Image(s)[model::DuckPrioAddr];
    for (int16_t i = 0; i < 8; ++i) LoadBox(s, f.Check8(i), (mask >> i & 1) != 0);
    f.Command16.SetBackColor(PriorityConfirmColor(s));
    for (void (*send)(State&) :
         {SendPriorityMask, SendDuckerParamA, SendDuckerParamB, SendDuckerParamC}) {
        send(s);
        if (f.Finished()) return;
    }
}

void ApplyRouting(State& s, FrmCtrl& f) {
    for (int16_t x = 0; x < 64; ++x) {
        LoadBox(s, f.Check9(x), (Image(s)[model::RouteAddr[x]] & 128) == 0);
        SendMixPoint(s, x);
        if (f.Finished()) return;
        StepProgressCtrl(s);
    }
    f.Option2(1).SetValue(true);
    f.Option2(0).SetValue(true);
}

}  // namespace ModFun
