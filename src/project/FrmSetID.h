// "Configure ID": picks the RS485 ID of a device to add to an RS485 project.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

class FrmSetID : public ui::Form {
  public:
    explicit FrmSetID(ui::Host& host);

    ui::Frame Frame1{*this, "Frame1"};
    ui::ComboBox Combo4{*this, "Combo4"};  // the ID
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  private:
    void LayOut();
};
