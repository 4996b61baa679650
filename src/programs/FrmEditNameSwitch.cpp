#include "programs/FrmEditNameSwitch.h"

#include "programs/ProgramSlots.h"
#include "programs/SwitchNames.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kClientWidth = 3960;

}  // namespace

FrmEditNameSwitch::FrmEditNameSwitch(State& s) : ui::Form(s.host, "FrmEditNameSwitch"), s_(s) {
    LayOut();
    Text1.On().KeyDown = [this](int16_t k, int16_t& code, int16_t) { Text1_KeyDown(k, code); };
    Text1.On().KeyPress = [this](int16_t k, int16_t& key) { keys_[k].KeyPress(key); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmEditNameSwitch::LayOut() {
    SetCaption("Edit Switch Name ");
    SetSizable(false);
    SetClientSize(kClientWidth, 2460);
    for (int16_t k = 0; k < 4; ++k) {
        ui::Label& label = Label1.Load(k);
        label.SetCaption("Name Switch " + std::to_string(k + 1));
        label.Move(120, 195 + 420 * k, 1320, 255);
        ui::TextBox& box = Text1.Load(k);
        box.SetMaxLength(16);
        box.SetText("WWWWWWWWWWWWWWWW");
        box.Move(1500, 150 + 420 * k, kClientWidth - 1620, 315);
    }
    ModProg::PlaceButtonPair(Command1, kClientWidth, 1920, "Confirm", "Cancel");
    Command1(0).SetDefault(true);
    Command1(1).SetCancel(true);
}

void FrmEditNameSwitch::Form_Load() {
    for (int16_t k = 0; k < 4; ++k) Text1(k).SetText(s_.SwitchNames[k]);
}

void FrmEditNameSwitch::Command1_Click(int16_t index) {
    if (index == 0) {
        for (int16_t k = 0; k < 4; ++k) s_.SwitchNames[k] = Text1(k).Text();
        if (!ModProg::WriteSwitchNames(s_)) {
            s_.host.MsgBox("The switch names could not be written to NameSwitch.ini.",
                           ui::vbOKOnly + ui::vbExclamation, " Error");
        }
    }
    Unload();
}

void FrmEditNameSwitch::Text1_KeyDown(int16_t index, int16_t& keyCode) {
    keys_[index].KeyDown(s_.host, keyCode);
}
