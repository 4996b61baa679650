#include "editor/FrmEditLabel.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "editor/senders/ChannelNames.h"
#include "state/State.h"
#include "ui/DialogButtons.h"
#include "ui/Host.h"
#include "ui/TextEditing.h"

namespace {

constexpr ui::Twips kClientWidth = 4860;
constexpr ui::Twips kRowPitch = 420;
constexpr ui::Twips kColumnWidth = 2400;

std::string Trimmed(const std::string& name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

}  // namespace

FrmEditLabel::FrmEditLabel(State& s) : ui::Form(s.host, "FrmEditLabel"), s_(s) {
    LayOut();
    Text1.On().KeyDown = [this](int16_t k, int16_t& code, int16_t) { Text1_KeyDown(k, code); };
    Text1.On().KeyPress = [this](int16_t k, int16_t& key) { Text1_KeyPress(k, key); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmEditLabel::LayOut() {
    SetCaption("Edit Names");
    SetSizable(false);
    SetClientSize(kClientWidth, 8 * kRowPitch + 900);
    for (int16_t k = 0; k < 16; ++k) {
        const ui::Twips left = 180 + kColumnWidth * (k / 8);
        const ui::Twips top = 180 + kRowPitch * (k % 8);
        ui::Label& label = Label3.Load(k);
        label.SetCaption((k < 8 ? "Input" : "Output") + std::to_string(k % 8 + 1));
        label.Move(left, top + 45, 900, 255);
        ui::TextBox& box = Text1.Load(k);
        box.Move(left + 960, top, 1080, 315);
        box.SetMaxLength(static_cast<int32_t>(ModFun::kNameLength));
    }
    ui::PlaceOkCancel(Command1, kClientWidth, 180 + 8 * kRowPitch + 120);
}

void FrmEditLabel::Form_Load() {
    const int16_t dev = s_.CurDev;
    for (int16_t k = 0; k < 16; ++k) Text1(k).SetText(Trimmed(s_.ChName[dev][k]));
    for (int16_t p = 0; p < 4; ++p) {
        const bool stereo = s_.InPairLink[dev][p];
        Text1(static_cast<int16_t>(2 * p + 1)).SetEnabled(!stereo);
        Text1(static_cast<int16_t>(2 * p)).SetMaxLength(stereo ? 4 : 6);
    }
}

bool FrmEditLabel::NameCharacter(char c) {
    const auto code = static_cast<unsigned char>(c);
    int16_t shift = 0;
    return code >= 32 && code < 127 && ui::VirtualKeyOf(c, shift) <= 127;
}

void FrmEditLabel::Text1_KeyDown(int16_t, int16_t& keyCode) {
    keys_.KeyDown(s_.host, keyCode);
}

void FrmEditLabel::Text1_KeyPress(int16_t index, int16_t& key) {
    if (keys_.KeyPress(key)) return;
    if (key == ui::vbKeyCtrlV) {
        key = 0;
        PasteName(index);
        return;
    }
    if ((key < 0 || key >= 32) && !NameCharacter(static_cast<char>(key))) {
        ui::RefuseSymbol(s_.host);
        key = 0;
    }
}

void FrmEditLabel::PasteName(int16_t k) {
    const std::string clip = s_.host.ClipboardText();
    std::string accepted;
    std::copy_if(clip.begin(), clip.end(), std::back_inserter(accepted), NameCharacter);
    if (accepted.size() != clip.size()) ui::RefuseSymbol(s_.host);
    ui::TextBox& box = Text1(k);
    std::string text = box.Text();
    const auto start = static_cast<size_t>(box.SelStart());
    const auto length = static_cast<size_t>(box.SelLength());
    const auto kept = static_cast<int32_t>(text.size() - length);
    accepted.resize(
        std::min(accepted.size(), static_cast<size_t>(std::max(0, box.MaxLength() - kept))));
    text.replace(start, length, accepted);
    box.SetText(text);
    box.SetSelection(static_cast<int32_t>(start + accepted.size()), 0);
}

void FrmEditLabel::Command1_Click(int16_t index) {
    if (index == 0) {
        if (s_.host.MsgBox("               Are you sure ? ", ui::vbYesNo, "Edit Names") !=
            ui::vbYes) {
            return;
        }
        for (int16_t k = 0; k < 16; ++k) s_.ChName[s_.CurDev][k] = Text1(k).Text();
        ModFun::SendChannelNames(s_);
    }
    Unload();
}
