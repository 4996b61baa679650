#include "editor/FrmSelFilter.h"

#include <algorithm>
#include <string>
#include <utility>

#include "editor/EditorDialogs.h"
#include "editor/FrmCtrl.h"
#include "editor/LinkedOutputs.h"
#include "editor/ModGraph.h"
#include "editor/senders/ModLink.h"
#include "editor/senders/OutEqBand.h"
#include "model/Tables.h"
#include "state/State.h"
#include "ui/DialogButtons.h"

namespace {

constexpr ui::Twips kClientWidth = 3300;

bool InputMode(const State& s) {
    return s.SelFilterMode == 1;
}

}  // namespace

FrmSelFilter::FrmSelFilter(State& s, InputTypeApply applyInputType)
    : ui::Form(s.host, "FrmSelFilter"), s_(s), applyInputType_(std::move(applyInputType)) {
    LayOut();
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmSelFilter::LayOut() {
    SetCaption("Select Filter Type");
    SetSizable(false);
    SetClientSize(kClientWidth, 1500);
    Label1.SetCaption("Filter Type");
    Label1.Move(240, 240, 1200, 255);
    Combo1.SetStyle(2);
    for (const char* item : {"Peaking_Eq", "Hi-Shelv_Q", "Lo-Shelv_Q"}) Combo1.AddItem(item);
    Combo1.Move(1500, 195, 1560, 315);
    ui::PlaceOkCancel(Command1, kClientWidth, 900);
}

void FrmSelFilter::Form_Load() {
    const int16_t band = s_.SelFilterBand;
    if (InputMode(s_)) {
        Label1.SetCaption("Type Filter " + std::to_string(band + 1));
        if (band >= 0 && band < 3) Combo1.SetListIndex(s_.EqInType[band]);
        return;
    }
    Label1.SetCaption("Type Filter " + std::to_string(band - 5 * (band / 5) + 1));
    if (band >= 0 && band < 40) Combo1.SetListIndex(s_.EqOutType[s_.CurDev][band]);
}

void FrmSelFilter::Command1_Click(int16_t index) {
    if (index == 0) {
        const auto type = static_cast<int16_t>(std::clamp<int16_t>(Combo1.ListIndex(), 0, 2));
        if (InputMode(s_)) {
            if (applyInputType_) applyInputType_(s_.SelFilterBand, type);
        } else {
            ApplyToOutputBand(s_.SelFilterBand, type);
        }
    }
    Unload();
}

void FrmSelFilter::ApplyToOutputBand(int16_t n, int16_t type) {
    if (n < 0 || n > 39) return;
    s_.EqOutType[s_.CurDev][n] = type;
    FrmCtrlOf(s_, s_.CurDev).Command3(n).SetCaption(std::string(model::EqTypeText[type]));
    ModFun::CalcSendEqOutBand(s_, n);
    if (s_.TxFailed) return;
    ModGraph::CalcGraphEqOut(s_, n);
    editor::RepeatOnLinkedOutputs(s_, static_cast<int16_t>(n / 5), 0,
                                  [&](int16_t p) { ModLink::LinkEqBandValues(s_, n, p); });
}
