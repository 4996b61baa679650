// The channel link of the input and level section: member selection by input link set,
// stereo partner or output link set, and the repeat of one edit on every member.
#include <functional>

#include "editor/FrmCtrl.h"
#include "editor/LinkedOutputs.h"
#include "editor/ModGraph.h"
#include "editor/senders/InputSenders.h"
#include "editor/senders/LevelSenders.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqUtilities.h"
#include "editor/senders/PolarityMute.h"
#include "model/AddressTables.h"
#include "state/State.h"

namespace ModLink {

namespace {

// Which inputs of the link set an input edit reaches besides the edited one.
enum class InputMembers {
    SameMicLine,    // members with the edited input's Mic/Line mode
    PairNotStereo,  // members whose pair is not in stereo mode (the Mic/Line edit itself)
    StereoOnly,     // the link set is never used: the stereo partner only
};

struct Repeat {
    InputMembers inputs = InputMembers::SameMicLine;
    // Copies the edited channel's values to member m; runs with UiUpdating set.
    std::function<void(FrmCtrl& f, int16_t m)> copy;
    // The member's own sender.
    std::function<void(int16_t m)> send;
    // After a member's successful send, in the link-set branches only.
    std::function<void(int16_t m)> after = {};
};

// Member m's values copied and sent; false, doing nothing, once the editor window has closed
// (a failed send took the device offline): nothing of the edit runs on a closed window.
bool RepeatOn(State& s, FrmCtrl& f, int16_t m, const Repeat& r) {
    if (f.Finished()) return false;
    s.UiUpdating = true;
    r.copy(f, m);
    s.UiUpdating = false;
    r.send(m);
    return true;
}

bool InputMember(State& s, int16_t i, int16_t k, InputMembers rule) {
    const int16_t dev = s.CurDev;
    if (k == i || s.InLinkSet[dev][k] != 1) return false;
    if (rule == InputMembers::PairNotStereo) return !s.InPairLink[dev][k / 2];
    const auto source = s.DevParam[dev].InSource();
    return source[k] == source[i];
}

// Channel ch's edit repeated on its members, as the routine's rules say, in the editor window
// the edit was made in.
void RepeatOnMembers(State& s, int16_t ch, const Repeat& r) {
    if (ch < 0 || ch > 15) return;
    const int16_t dev = s.CurDev;
    FrmCtrl& f = FrmCtrlOf(s, dev);
    if (ch >= 8) {
        editor::RepeatOnLinkedOutputs(s, static_cast<int16_t>(ch - 8), 0, [&](int16_t k) {
            const auto m = static_cast<int16_t>(k + 8);
            if (RepeatOn(s, f, m, r) && !s.TxFailed && r.after) r.after(m);
        });
        return;
    }
    if (r.inputs != InputMembers::StereoOnly && s.InLinkSet[dev][ch] == 1) {
        for (int16_t k = 0; k < 8; ++k) {
            if (!InputMember(s, ch, k, r.inputs)) continue;
            if (!RepeatOn(s, f, k, r) || s.TxFailed) return;
        }
        return;
    }
    if (s.InPairLink[dev][ch / 2]) RepeatOn(s, f, static_cast<int16_t>(ch ^ 1), r);
}

// A list's index copied from the edited input to member m.
Repeat ListRepeat(State& s, int16_t i, ui::ControlArray<ui::ComboBox> FrmCtrl::*list,
                  void (*send)(State&, int16_t)) {
    return {
        .copy = [&s, i, list](FrmCtrl& f,
                              int16_t m) { (f.*list)(m).SetListIndex((f.*list)(i).ListIndex()); },
        .send = [&s, send](int16_t m) { send(s, m); }};
}

}  // namespace

void LinkInputBalanced(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    RepeatOnMembers(
        s, i,
        {.inputs = InputMembers::StereoOnly,
         .copy = [&](FrmCtrl& f, int16_t m) { f.Check4(m).SetValue(f.Check4(i).Value()); },
         .send = [&](int16_t m) { ModFun::SendInputBalanced(s, m); }});
}

void LinkNoiseGateEnable(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    auto& img = s.DevImage[s.CurDev].ProgImage;
    RepeatOnMembers(s, i,
                    {.copy =
                         [&](FrmCtrl& f, int16_t m) {
                             f.Check5(m).SetValue(f.Check5(i).Value());
                             for (int j = 0; j < 3; ++j) {
                                 img[model::NgAddr[m] + j] = img[model::NgAddr[i] + j];
                             }
                         },
                     .send = [&](int16_t m) { ModFun::SendNoiseGateEnable(s, m); }});
}

void LinkInputFilter(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    auto& img = s.DevImage[s.CurDev].ProgImage;
    RepeatOnMembers(s, i,
                    {.copy =
                         [&](FrmCtrl& f, int16_t m) {
                             f.UpDown6(m).SetValue(f.UpDown6(i).Value());
                             f.Combo9(m).SetListIndex(f.Combo9(i).ListIndex());
                             img[model::InFilterAddr[m]] = img[model::InFilterAddr[i]];
                         },
                     .send = [&](int16_t m) { ModFun::SendInputFilter(s, m); }});
}

void LinkMicLine(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    Repeat r = ListRepeat(s, i, &FrmCtrl::Combo5, ModFun::SendMicLine);
    r.inputs = InputMembers::PairNotStereo;
    RepeatOnMembers(s, i, r);
}

void LinkInputProcType(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    RepeatOnMembers(s, i, ListRepeat(s, i, &FrmCtrl::Combo1, ModFun::SendInputProcType));
}

void LinkFeedbackMode(State& s, int16_t i) {
    if (i < 0 || i > 7) return;
    RepeatOnMembers(s, i, ListRepeat(s, i, &FrmCtrl::Combo4, ModFun::SendFeedbackMode));
}

void LinkGainByp(State& s, int16_t ch) {
    const int16_t dev = s.CurDev;
    RepeatOnMembers(s, ch,
                    {.copy =
                         [&](FrmCtrl&, int16_t m) {
                             s.GainBypass[dev][m] = static_cast<int16_t>(1 - s.GainBypass[dev][ch]);
                         },
                     .send = [&](int16_t m) { ModFun::SendGainByp(s, m); },
                     .after = [&](int16_t m) { ModGraph::RedrawGraphCtrl(s, m); }});
}

void LinkGain(State& s, int16_t ch) {
    RepeatOnMembers(
        s, ch,
        {.copy = [&](FrmCtrl& f, int16_t m) { f.Slider1(m).SetValue(f.Slider1(ch).Value()); },
         .send = [&](int16_t m) { ModFun::SendGain(s, m); },
         .after = [&](int16_t m) { ModGraph::RedrawGraphCtrl(s, m); }});
}

void LinkPolarity(State& s, int16_t ch) {
    RepeatOnMembers(
        s, ch,
        {.copy = [&](FrmCtrl& f, int16_t m) { f.Check2(m).SetValue(f.Check2(ch).Value()); },
         .send = [&](int16_t m) { ModFun::SendPolarity(s, m); },
         .after = [&](int16_t m) { ModFun::CalcGraphEqCh(s, static_cast<int16_t>(m - 8)); }});
}

}  // namespace ModLink
