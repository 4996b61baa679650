// "USB/RS485 Setup": manual or automatic USB/RS485 mode of the current device; OK sends it
// and stores it once the device took it.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmWallPanel : public ui::Form {
  public:
    explicit FrmWallPanel(State& s);

    // Index 0 OK, 1 Cancel.
    void Command1_Click(int16_t index);

    ui::ComboBox Combo1{*this, "Combo1"};
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    void Form_Load() override;

  private:
    State& s_;
    int16_t dev_ = 0;  // the device the dialog was opened for
};
