// The About box: firmware, DSP and software versions, model, UID and MAC address text of the
// device whose editor opened it.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmVersion : public ui::Form {
  public:
    explicit FrmVersion(State& s);

    void Command1_Click();

    ui::PictureBox Image1{*this, "Image1"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::Label Label1{*this, "Label1"};    // "Firmware version"
    ui::Label Label7{*this, "Label7"};    // "DSP version"
    ui::Label Label9{*this, "Label9"};    // "Software version"
    ui::Label Label10{*this, "Label10"};  // "Model"
    ui::Label Label11{*this, "Label11"};  // "MAC Address:"
    ui::Label Label2{*this, "Label2"};    // firmware
    ui::Label Label3{*this, "Label3"};    // DSP
    ui::Label Label4{*this, "Label4"};    // software
    ui::Label Label5{*this, "Label5"};    // model
    ui::Label Label6{*this, "Label6"};    // UID
    ui::Label Label8{*this, "Label8"};    // MAC address text
    ui::CommandButton Command1{*this, "Command1"};

  protected:
    // Fills the box from the current device's values.
    void Form_Load() override;

  private:
    void LayOut();

    State& s_;
};
