// "Configure ID": picks the RS485 ID of a device to add to an RS485 project.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmSetID : public ui::Form {
  public:
    explicit FrmSetID(State& s);

    // Index 0 OK, 1 Cancel.
    void Command1_Click(int16_t index);

    ui::Frame Frame1{*this, "Frame1"};
    ui::ComboBox Combo4{*this, "Combo4"};  // the ID
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    void Form_Load() override;

  private:
    void LayOut();

    State& s_;
};
