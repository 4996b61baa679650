// "Ducker edit parameters": the ducker of the current device. The priority boxes edit the
// editor window's "Priority Input Channel" boxes (at most four, sent by "Confirm"); each of
// the hold, release, attack, gating and attenuation sliders writes its image byte and sends
// its group at once. The "Wake-up Thr [dB]" slider (index 4) has no byte and sends nothing.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmDucker : public ui::Form {
  public:
    explicit FrmDucker(State& s);

    ui::Frame FramePrio{*this, "FramePrio"};  // "Priority Input Channel"
    ui::Label LabelPrio{*this, "LabelPrio"};
    ui::ControlArray<ui::CheckBox> Check8{*this, "Check8"};  // priority input, 0..7
    ui::CommandButton Command1{*this, "Command1"};           // "Confirm"
    ui::Frame FrameParam{*this, "FrameParam"};
    ui::ControlArray<ui::Label> Label1{*this, "Label1"};
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
    ui::ControlArray<ui::Slider> Slider1{*this, "Slider1"};

  protected:
    // The editor's priority boxes and the stored ducker bytes into the dialog; sends nothing.
    void Form_Load() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void LayOut();
    void Check8_Click(int16_t index);
    void Command1_Click();
    void Slider1_Scroll(int16_t k);
    // Text1(k) shows what slider k's position stands for.
    void ShowValue(int16_t k);
    // Both "Confirm" buttons (the dialog's and the editor's) take the colour of the mask.
    void ColourConfirm();
    // The arrow-and-hourglass pointer on the main window and the dialog, or the default.
    void SetBusyPointers(bool busy);

    State& s_;
};
