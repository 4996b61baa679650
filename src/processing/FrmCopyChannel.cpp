#include "processing/FrmCopyChannel.h"

#include "editor/FrmCtrl.h"
#include "editor/senders/ChannelCopy.h"
#include "editor/senders/LinkSets.h"
#include "state/State.h"
#include "ui/Host.h"

namespace {

constexpr ui::Twips kClientWidth = 4200;

// Bit i of image byte 425 set: input i is in Line mode.
constexpr int kSourceBitsAddr = 425;
constexpr int kStereoPairAddr = 911;

}  // namespace

FrmCopyChannel::FrmCopyChannel(State& s, const char* name, const char* caption, const char* title,
                               const char* sourceLabel, const char* destinationLabel,
                               int16_t firstChannel)
    : ui::Form(s.host, name), s_(s), title_(title), firstChannel_(firstChannel) {
    SetCaption(caption);
    SetSizable(false);
    SetClientSize(kClientWidth, 2160);
    const char* labels[2] = {sourceLabel, destinationLabel};
    for (int16_t k = 0; k < 2; ++k) {
        ui::Label& label = Label1.Load(k);
        label.SetCaption(labels[k]);
        label.Move(240, 180 + 720 * k, 1800, 255);
        ui::ComboBox& list = Combo1.Load(k);
        list.SetStyle(2);
        list.Move(240, 450 + 720 * k, 2160, 315);
    }
    ui::CommandButton& confirm = Command1.Load(0);
    confirm.SetCaption("Confirm");
    confirm.SetDefault(true);
    confirm.Move(2760, 450, 1215, 375);
    ui::CommandButton& cancel = Command1.Load(1);
    cancel.SetCaption("Cancel");
    cancel.SetCancel(true);
    cancel.Move(2760, 1170, 1215, 375);
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
}

void FrmCopyChannel::Form_Load() {
    FrmCtrl& f = FrmCtrlOf(s_, s_.CurDev);
    for (int16_t k = 0; k < 2; ++k) {
        ui::ComboBox& list = Combo1(k);
        list.Clear();
        for (int16_t c = 0; c < 8; ++c) {
            list.AddItem(f.Label13(static_cast<int16_t>(firstChannel_ + c)).Caption());
        }
        list.SetListIndex(k);
    }
}

int FrmCopyChannel::Message(const std::string& prompt, int style) {
    return s_.host.MsgBox(prompt, style, title_);
}

void FrmCopyChannel::DissolveLinks(int16_t first) {
    const int16_t dev = s_.CurDev;
    const bool inputs = first == 0;
    (inputs ? s_.InLinkMask : s_.OutLinkMask)[dev] = 0;
    (inputs ? s_.InLinkSet : s_.OutLinkSet)[dev].fill(0);
    FrmCtrl* f = ExistingFrmCtrl(s_, dev);
    if (f == nullptr) return;
    for (int16_t k = 0; k < 8; ++k) {
        s_.UiUpdating = true;
        f->Check13(static_cast<int16_t>(first + k)).SetValue(0);
        s_.UiUpdating = false;
    }
    for (int16_t k = 0; k < 8; ++k) (inputs ? ModFun::StoreLinkIn : ModFun::StoreLinkOut)(s_, k);
}

void FrmCopyChannel::Command1_Click(int16_t index) {
    if (index == 1) {
        Unload();
        return;
    }
    if (Combo1(0).ListIndex() == Combo1(1).ListIndex()) {
        Message("Copy not possible, Source=Destination", ui::vbCritical);
        return;
    }
    if (Refused(Combo1(0).ListIndex(), Combo1(1).ListIndex())) return;
    if (Message("               Are you sure ? ", ui::vbYesNo + ui::vbDefaultButton2) !=
        ui::vbYes) {
        return;
    }
    SetMousePointer(ui::vbArrowHourglass);
    Copy(Combo1(0).ListIndex(), Combo1(1).ListIndex());
    SetMousePointer(ui::vbDefault);
    Unload();
}

FrmCopyInput::FrmCopyInput(State& s)
    : FrmCopyChannel(s, "FrmCopyInput", "Input Copy", "Copy Input", "Input Source",
                     "Input Destination", 0) {}

bool FrmCopyInput::Refused(int16_t source, int16_t destination) {
    const auto& img = s_.DevImage[s_.CurDev].ProgImage;
    const int pairs = img[kStereoPairAddr];
    if (source / 2 == destination / 2 && (pairs >> (source / 2) & 1) != 0) {
        Message("Copy not possible, channel already in stereo mode", ui::vbCritical);
        return true;
    }
    const auto mode = s_.DevParam[s_.CurDev].InSource();
    if (mode[source] == mode[destination]) return false;
    FrmCtrl& f = FrmCtrlOf(s_, s_.CurDev);
    auto line = [&](int16_t i) {
        const bool lineMode = (img[kSourceBitsAddr] >> i & 1) != 0;
        return f.Label13(i).Caption() + " is set to " + (lineMode ? "Line mode" : "Mic Mode");
    };
    Message("Copy not possible,\r\n" + line(source) + "\r\n" + line(destination),
            ui::vbInformation);
    return true;
}

void FrmCopyInput::Copy(int16_t source, int16_t destination) {
    ModFun::CopyInputChannel(s_, source, destination);
    const int pairs = s_.DevImage[s_.CurDev].ProgImage[kStereoPairAddr];
    if (source / 2 != destination / 2 && (pairs >> (destination / 2) & 1) != 0) {
        ModFun::CopyInputChannel(s_, source, static_cast<int16_t>(destination ^ 1));
    }
    DissolveLinks(0);
}

FrmCopyOut::FrmCopyOut(State& s)
    : FrmCopyChannel(s, "FrmCopyOut", "Output Copy", "Copy Output", "Output  Source ",
                     "Output  Destination", 8) {}

bool FrmCopyOut::Refused(int16_t, int16_t) {
    return false;
}

void FrmCopyOut::Copy(int16_t source, int16_t destination) {
    ModFun::CopyOutputChannel(s_, source, destination);
    DissolveLinks(8);
}
