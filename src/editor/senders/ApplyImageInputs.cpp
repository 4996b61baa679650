#include "editor/senders/ApplyImageInputs.h"

#include <algorithm>
#include <functional>
#include <span>

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelNames.h"
#include "editor/senders/InputSenders.h"
#include "editor/senders/LinkSets.h"
#include "editor/senders/StereoPairs.h"
#include "model/AddressTables.h"
#include "state/State.h"

namespace ModFun {

namespace {

uint8_t Image(const State& s, int addr) {
    return s.DevImage[s.CurDev].ProgImage[addr];
}

int16_t Bit(uint8_t byte, int k) {
    return static_cast<int16_t>(byte >> k & 1);
}

// Controls set from the image without their handlers sending.
void Loading(State& s, const std::function<void()>& set) {
    s.UiUpdating = true;
    set();
    s.UiUpdating = false;
}

// Runs step for inputs 0..7; false when a send closed the window.
bool EachInput(FrmCtrl& f, const std::function<void(int16_t)>& step) {
    for (int16_t i = 0; i < 8; ++i) {
        step(i);
        if (f.Finished()) return false;
    }
    return true;
}

// The eight bits of the byte at addr into the record's flags and into a list of each input.
void LoadListBits(State& s, int16_t addr, std::span<double, 8> flags,
                  ui::ControlArray<ui::ComboBox>& lists) {
    for (int16_t i = 0; i < 8; ++i) {
        flags[i] = Bit(Image(s, addr), i);
        Loading(s, [&] { lists(i).SetListIndex(static_cast<int16_t>(flags[i])); });
    }
}

bool ApplyBalanced(State& s, FrmCtrl& f) {
    auto balanced = s.DevParam[s.CurDev].InBalanced();
    for (int i = 0; i < 8; ++i) balanced[i] = Bit(Image(s, model::BalancedAddr), i);
    return EachInput(f, [&](int16_t i) {
        Loading(s, [&] { f.Check4(i).SetValue(balanced[i] != 0 ? 1 : 0); });
        s.ApplyingBalanced = true;
        SendInputBalanced(s, i);
        s.ApplyingBalanced = false;
    });
}

// A frequency step or type the controls can't show is brought into their range.
bool ApplyInputFilters(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    return EachInput(f, [&](int16_t i) {
        const uint8_t v = Image(s, model::InFilterAddr[i]);
        s.InFilterFreqIdx[dev][i] = static_cast<int16_t>(v & 31);
        s.InFilterType[dev][i] = static_cast<int16_t>((v & 192) / 64);
        Loading(s, [&] {
            f.UpDown6(i).SetValue(std::min<int32_t>(s.InFilterFreqIdx[dev][i], 30));
            f.Combo9(i).SetListIndex(std::min<int16_t>(s.InFilterType[dev][i], 2));
        });
        SendInputFilter(s, i);
    });
}

bool ApplyFeedbackModes(State& s, FrmCtrl& f) {
    LoadListBits(s, model::InModeAddr, s.DevParam[s.CurDev].InFeedbackOn(), f.Combo4);
    return EachInput(f, [&](int16_t i) {
        s.ApplyingFeedback = true;
        SendFeedbackMode(s, i);
        s.ApplyingFeedback = false;
        StepProgressCtrl(s);
    });
}

bool ApplyGateEnables(State& s, FrmCtrl& f) {
    auto& enable = s.DevParam[s.CurDev].GateEnable;
    for (int16_t i = 0; i < 8; ++i) {
        enable[i] = Bit(Image(s, model::NgEnableAddr), i);
        Loading(s, [&] { f.Check5(i).SetValue(enable[i]); });
    }
    return EachInput(f, [&](int16_t i) { SendNoiseGateEnable(s, i); });
}

}  // namespace

void ApplyInputOptions(State& s, FrmCtrl& f) {
    if (!ApplyBalanced(s, f) || !ApplyInputFilters(s, f)) return;
    // The slider's handler answers a scroll only, so the step is set without UiUpdating.
    f.Slider7.SetValue(std::min<int32_t>(Image(s, model::FeedbackFreqAddr), 12));
    SendFeedbackDevFreq(s);
    if (f.Finished() || !ApplyFeedbackModes(s, f)) return;
    LoadListBits(s, model::InSourceAddr, s.DevParam[s.CurDev].InSource(), f.Combo5);
    ApplyGateEnables(s, f);
}

void ApplyProcessingTypes(State& s, FrmCtrl& f) {
    LoadListBits(s, model::InProcAddr, s.DevParam[s.CurDev].InProcType(), f.Combo1);
    EachInput(f, [&](int16_t i) {
        SendInputProcType(s, i);
        StepProgressCtrl(s);
    });
}

void ApplyInputSources(State& s, FrmCtrl& f) {
    EachInput(f, [&](int16_t i) {
        SendMicLine(s, i);
        StepProgressCtrl(s);
    });
}

void ApplyPhantomPower(State& s, FrmCtrl& f) {
    Loading(s, [&] { f.Check6.SetValue(Image(s, model::PhantomAddr) != 0 ? 1 : 0); });
    SendPhantomPower(s);
    StepProgressCtrl(s);
}

void ApplyChannelNames(State& s, FrmCtrl&) {
    const int16_t dev = s.CurDev;
    for (int16_t ch = 0; ch < 16; ++ch) {
        const auto* first = &s.DevImage[dev].ProgImage[model::ChNameAddr[ch]];
        s.ChName[dev][ch].assign(first, first + kNameLength);
    }
    SendChannelNames(s);
}

void ApplyLockAndStereoPairs(State& s, FrmCtrl& f) {
    const int16_t dev = s.CurDev;
    Loading(s, [&] { f.Check12.SetValue(s.DevParam[dev].FrontPanelLock() != 0 ? 1 : 0); });
    SendFrontPanelLock(s);
    if (f.Finished()) return;
    for (int16_t p = 0; p < 4; ++p) {
        const int16_t stereo = Bit(Image(s, model::StereoModeAddr), p);
        s.InPairLink[dev][p] = stereo != 0;
        Loading(s, [&] { f.Check11(p).SetValue(stereo); });
        LoadStereoPairControls(s, p);
    }
    WriteStereoByte(s);
}

}  // namespace ModFun
