#include "project/FrmNickName.h"

#include "model/ValueBytes.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "state/State.h"
#include "ui/DialogButtons.h"

namespace {

constexpr int kNickNameAddr = 32;

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

FrmNickName::FrmNickName(State& s) : ui::Form(s.host, "FrmNickName"), s_(s) {
    LayOut();
    Text1.On().KeyDown = [this](int16_t, int16_t& code, int16_t shift) {
        Text1_KeyDown(code, shift);
    };
    Text1.On().KeyPress = [this](int16_t, int16_t& key) { Text1_KeyPress(key); };
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmNickName::LayOut() {
    SetCaption("Nick name");
    SetSizable(false);
    constexpr ui::Twips width = 3900;
    SetClientSize(width, 1620);
    Label10.SetCaption("Nick name [max 16 character]");
    Label10.Move(120, 120, width - 240, 285);
    Text1.SetMaxLength(kNameLength);
    Text1.Move(120, 480, width - 240, 315);
    ui::PlaceOkCancel(Command1, width, 1080);
}

void FrmNickName::Form_Load() {
    const int16_t slot = s_.NickNameDev;
    if (slot >= 0 && slot < model::SlotCount) Text1.SetText(Trimmed(s_.DevList[slot].NickName));
}

void FrmNickName::Text1_KeyDown(int16_t& keyCode, int16_t) {
    keys_.KeyDown(s_.host, keyCode);
}

void FrmNickName::Text1_KeyPress(int16_t& keyAscii) {
    keys_.KeyPress(keyAscii);
}

void FrmNickName::PadName(std::string& text) {
    if (text.size() < kNameLength) text.resize(kNameLength, ' ');
    for (size_t k = 0; k < kNameLength; ++k) codes_[k] = static_cast<uint8_t>(text[k]);
}

void FrmNickName::Command1_Click(int16_t index) {
    const int16_t slot = s_.NickNameDev;
    if (index == 0 && slot >= 0 && slot < model::SlotCount) {
        model::DeviceRecord& rec = s_.DevList[slot];
        rec.NickName = Text1.Text();
        if (const WindowPtr<FrmDevice>& w = s_.FrmDeviceWin[slot]; w && w->Loaded()) {
            w->Label10.SetCaption(rec.NickName);
        }
        if (rec.Online == 1) {
            PadName(rec.NickName);
            if (!SendName(slot)) return;
        }
    }
    Unload();
}

// Four blocks of four characters to 32, 36, 40 and 44; False at the first that failed.
bool FrmNickName::SendName(int16_t slot) {
    for (int k = 0; k < kNameLength; k += 4) {
        model::SplitValueBytes(s_, kNickNameAddr + k, 0);
        const auto c = [this, k](int i) { return codes_[static_cast<size_t>(k + i)]; };
        if (!ModRxTx::TxQuery(s_, slot, CmdWriteMem4, s_.ValBytes[2], s_.ValBytes[3], c(0), c(1),
                              c(2), c(3), 0, 0)) {
            return false;
        }
    }
    return true;
}
