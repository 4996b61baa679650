// "Automixer": the automatic mixer of the current device. "Active" mirrors the editor
// window's "Active" box and sends it; the "Mode" buttons send the mode ("N.O.M" 0,
// "Gain Sharing" 1). The threshold, timing and level sliders, their boxes and the other
// boxes are shown only: nothing loads, stores or sends them.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmAM : public ui::Form {
  public:
    explicit FrmAM(State& s);

    ui::Frame FrameAm{*this, "FrameAm"};                           // "AutoMixer"
    ui::CheckBox Check7{*this, "Check7"};                          // "Active"
    ui::CheckBox Check1{*this, "Check1"};                          // "Automix"
    ui::CheckBox Check2{*this, "Check2"};                          // "1"
    ui::CheckBox Check3{*this, "Check3"};                          // "2"
    ui::Frame FrameMode{*this, "FrameMode"};                       // "Mode"
    ui::ControlArray<ui::OptionButton> Option1{*this, "Option1"};  // 0 "N.O.M", 1 "Gain Sharing"
    ui::Frame FrameThr{*this, "FrameThr"};                         // "Threshold"
    ui::ControlArray<ui::Label> LabelThr{*this, "LabelThr"};
    ui::ControlArray<ui::Slider> Slider3{*this, "Slider3"};
    ui::ControlArray<ui::TextBox> Text3{*this, "Text3"};
    ui::Frame FrameNom{*this, "FrameNom"};  // "N.O.M parameters"
    ui::ControlArray<ui::Label> LabelNom{*this, "LabelNom"};
    ui::ControlArray<ui::Slider> Slider1{*this, "Slider1"};
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};
    ui::Frame FrameGs{*this, "FrameGs"};  // "Gain Sharing Level"
    ui::ControlArray<ui::Label> LabelGs{*this, "LabelGs"};
    ui::ControlArray<ui::Slider> Slider2{*this, "Slider2"};
    ui::ControlArray<ui::TextBox> Text2{*this, "Text2"};

  protected:
    // The editor's "Active" and the stored mode (no button for a mode other than 0 or 1);
    // sends nothing.
    void Form_Load() override;
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void LayOut();
    void Check7_Click();
    void Option1_Click(int16_t index);

    State& s_;
};
