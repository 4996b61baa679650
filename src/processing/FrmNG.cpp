#include "processing/FrmNG.h"

#include <algorithm>
#include <string>

#include "editor/FrmCtrl.h"
#include "editor/FrmCtrlLayout.h"
#include "editor/TypedKeys.h"
#include "editor/senders/ChannelBlock.h"
#include "editor/senders/InputSenders.h"
#include "model/AddressTables.h"
#include "model/Snapping.h"
#include "model/Tables.h"
#include "processing/DialogClose.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

namespace {

constexpr int32_t kThrMax = 80;      // -80 dBu at the bottom
constexpr int32_t kAttackMax = 12;   // NgAttackText entries - 1
constexpr int32_t kReleaseMax = 28;  // NgReleaseText entries - 1
constexpr ui::Twips kColumnPitch = 1320;

const char* GateCaption(int16_t enabled) {
    return enabled != 0 ? "Enabled" : "Disabled";
}

}  // namespace

FrmNG::FrmNG(State& s) : ui::Form(s.host, "FrmNG"), s_(s) {
    LayOut();
    Check5.On().Click = [this](int16_t) { EditSequence(); };
    for (ui::Slider* slider : {&Slider3, &Slider7, &Slider8}) {
        slider->On().Scroll = [this](int16_t) { EditSequence(); };
    }
    Text6.On().KeyPress = [this](int16_t, int16_t& key) { Text6_KeyPress(key); };
    Text7.On().KeyPress = [this](int16_t, int16_t& key) { Text7_KeyPress(key); };
    Text12.On().KeyPress = [this](int16_t, int16_t& key) { Text12_KeyPress(key); };
}

void FrmNG::LayOut() {
    SetCaption("Noise Gate");
    SetSizable(false);
    SetClientSize(180 + 3 * kColumnPitch, 3780);
    Check5.SetCaption("Enable");
    Check5.Move(240, 180, 1200, 255);
    struct Column {
        ui::Label* label;
        const char* caption;
        ui::Slider* slider;
        int32_t max;
        ui::TextBox* box;
    };
    const Column columns[] = {{&LabelThr, "Thr [dBu]", &Slider3, kThrMax, &Text6},
                              {&LabelAttack, "Attack", &Slider7, kAttackMax, &Text7},
                              {&LabelRelease, "Release", &Slider8, kReleaseMax, &Text12}};
    for (int c = 0; c < 3; ++c) {
        const ui::Twips left = 180 + kColumnPitch * c;
        columns[c].label->SetCaption(columns[c].caption);
        columns[c].label->SetAlignment(2);
        columns[c].label->Move(left, 600, 1200, 255);
        editor::SetupSlider(*columns[c].slider, columns[c].max, true);
        columns[c].slider->Move(left + 330, 900, 540, 2280);
        columns[c].box->Move(left + 210, 3285, 780, 285);
    }
}

void FrmNG::Form_Load() {
    const int16_t dev = s_.CurDev;
    const int16_t i = s_.CurInCh;
    SetCaption("Noise Gate - " + s_.ChName[dev][i]);
    const auto& img = s_.DevImage[dev].ProgImage;
    const int a = model::NgAddr[i];
    s_.UiUpdating = true;
    Check5.SetValue(s_.DevParam[dev].GateEnable[i] != 0 ? 1 : 0);
    Slider3.SetValue(kThrMax - std::min<int32_t>(img[a], kThrMax));
    Slider7.SetValue(kAttackMax - std::min<int32_t>(img[a + 1], kAttackMax));
    Slider8.SetValue(kReleaseMax - std::min<int32_t>(img[a + 2], kReleaseMax));
    s_.UiUpdating = false;
    ShowValues();
}

void FrmNG::Form_QueryUnload(int16_t& cancel, int16_t) {
    if (processing::RefuseCloseWhileBusy(s_)) cancel = -1;
}

void FrmNG::ShowValues() {
    Text6.SetText(std::to_string(-Slider3.Value()));
    Text7.SetText(std::string(model::NgAttackText[kAttackMax - Slider7.Value()]));
    Text12.SetText(std::string(model::NgReleaseText[kReleaseMax - Slider8.Value()]));
}

void FrmNG::EditSequence() {
    if (s_.UiUpdating) return;
    s_.OpDone = false;
    SendTypedEntry();
}

void FrmNG::SendTypedEntry() {
    RefreshNgCtrl(s_.CurInCh);
    if (!s_.TxFailed) {
        s_.OpDone = false;
        SendNgParams(s_.CurInCh);
    }
    s_.OpDone = true;
}

void FrmNG::RefreshNgCtrl(int16_t i) {
    const int16_t dev = s_.CurDev;
    auto& enable = s_.DevParam[dev].GateEnable;
    enable[i] = static_cast<int16_t>(Check5.Value() == 1 ? 1 : 0);
    FrmCtrl& f = FrmCtrlOf(s_, dev);
    s_.UiUpdating = true;
    f.Check5(i).SetValue(enable[i]);
    s_.UiUpdating = false;
    auto& img = s_.DevImage[dev].ProgImage;
    img[model::NgEnableAddr] = ModFun::PackBits([&](int k) { return enable[k]; });
    f.Label100(static_cast<int16_t>(i + 20)).SetToolTipText(GateCaption(enable[i]));
    ShowValues();
    const int a = model::NgAddr[i];
    img[a] = static_cast<uint8_t>(kThrMax - Slider3.Value());
    img[a + 1] = static_cast<uint8_t>(kAttackMax - Slider7.Value());
    img[a + 2] = static_cast<uint8_t>(kReleaseMax - Slider8.Value());
    ModFun::SendNoiseGateFrame(s_, i);
}

void FrmNG::SendNgParams(int16_t i) {
    const int16_t dev = s_.CurDev;
    if (s_.InLinkSet[dev][i] != 1) {
        if (s_.InPairLink[dev][i / 2]) CopyNgTo(i, static_cast<int16_t>(i ^ 1));
        return;
    }
    const auto source = s_.DevParam[dev].InSource();
    for (int16_t k = 0; k < 8; ++k) {
        if (k == i || s_.InLinkSet[dev][k] != 1 || source[k] != source[i]) continue;
        if (CopyNgTo(i, k)) return;
    }
}

bool FrmNG::CopyNgTo(int16_t i, int16_t k) {
    const int16_t dev = s_.CurDev;
    auto& enable = s_.DevParam[dev].GateEnable;
    auto& img = s_.DevImage[dev].ProgImage;
    FrmCtrl& f = FrmCtrlOf(s_, dev);
    s_.UiUpdating = true;
    f.Check5(k).SetValue(Check5.Value());
    enable[k] = enable[i];
    f.Label100(static_cast<int16_t>(k + 20)).SetToolTipText(GateCaption(enable[k]));
    img[model::NgEnableAddr] = ModFun::PackBits([&](int j) { return enable[j]; });
    s_.UiUpdating = false;
    std::copy_n(&img[model::NgAddr[i]], 3, &img[model::NgAddr[k]]);
    return ModFun::SendNoiseGateFrame(s_, k);
}

bool FrmNG::TypedNumber(ui::TextBox& box, int16_t& key, double& x) {
    if (s_.UiUpdating) return false;
    const editor::KeyRules rules{.minus = true, .plus = true, .decimals = true, .clipboard = true};
    switch (editor::FilterKey(key, rules, s_.DecimalComma != 0)) {
        case editor::KeyAction::Pass:
            return false;
        case editor::KeyAction::Reject:
            key = 0;
            return false;
        case editor::KeyAction::Confirm:
            break;
    }
    s_.OpDone = false;
    if (sys::ParseNumber(box.Text(), s_.DecimalComma != 0, x)) return true;
    s_.host.MsgBox("  Incorrect value", ui::vbOKOnly, "Warning");
    key = '?';
    s_.OpDone = true;
    return false;
}

void FrmNG::Text6_KeyPress(int16_t& key) {
    double x = 0;
    if (!TypedNumber(Text6, key, x)) return;
    x = model::SnapNgThr(std::clamp(x, -80.0, 0.0));
    Text6.SetText(sys::NumText(x, s_.DecimalComma != 0));
    Slider3.SetValue(-sys::CInt(x));
    SendTypedEntry();
}

void FrmNG::Text7_KeyPress(int16_t& key) {
    EnterTableEntry(Text7, key, model::SnapNgAttack, model::NgAttackText, Slider7);
}

void FrmNG::Text12_KeyPress(int16_t& key) {
    EnterTableEntry(Text12, key, model::SnapNgRelease, model::NgReleaseText, Slider8);
}

void FrmNG::EnterTableEntry(ui::TextBox& box, int16_t& key, SnapRoutine snap,
                            std::span<const std::string_view> texts, ui::Slider& slider) {
    double x = 0;
    if (!TypedNumber(box, key, x)) return;
    const int16_t index = snap(s_, x);
    box.SetText(std::string(texts[index]));
    slider.SetValue(slider.Max() - index);
    SendTypedEntry();
}
