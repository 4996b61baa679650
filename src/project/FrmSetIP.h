// "Configure IP": picks the IPv4 address of a device to add to a TCP/IP project.
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmSetIP : public ui::Form {
  public:
    explicit FrmSetIP(State& s);

    // Index 0 OK, 1 Cancel.
    void Command1_Click(int16_t index);

    ui::Frame Frame1{*this, "Frame1"};
    ui::ComboBox Combo5{*this, "Combo5"};                 // octet 1
    ui::ComboBox Combo6{*this, "Combo6"};                 // octet 2
    ui::ComboBox Combo7{*this, "Combo7"};                 // octet 3
    ui::ComboBox Combo4{*this, "Combo4"};                 // octet 4
    ui::ControlArray<ui::Label> Label1{*this, "Label1"};  // the dots between the octets
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    void Form_Load() override;

  private:
    void LayOut();

    State& s_;
};
