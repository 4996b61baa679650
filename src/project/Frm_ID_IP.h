// "Configure ID-RS485 and IP Address": shows a connected device's MAC address, IPv4 address
// and RS485 ID, and writes a new ID, address and DHCP choice into it with four requests. It
// acts on the device whose status window was active when it opened, and only while that
// device is online. A list that can't offer the device's own value (set by another tool)
// shows no choice, and OK keeps the device's value for it: nothing changes that the user did
// not pick.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class Frm_ID_IP : public ui::Form {
  public:
    explicit Frm_ID_IP(State& s);

    void Check1_Click();
    // OK: the send sequence.
    void Command1_Click();
    void Command2_Click();

    ui::ControlArray<ui::Frame> Frame1{*this, "Frame1"};  // 0 ID group, 1 IP group
    ui::Frame Frame2{*this, "Frame2"};
    ui::ComboBox Combo1{*this, "Combo1"};  // new ID
    ui::Label Label4{*this, "Label4"};     // current ID
    ui::CheckBox Check1{*this, "Check1"};  // "dhcp"
    ui::Frame Frame14{*this, "Frame14"};
    ui::ComboBox Combo5{*this, "Combo5"};                 // octet 1
    ui::ComboBox Combo6{*this, "Combo6"};                 // octet 2
    ui::ComboBox Combo7{*this, "Combo7"};                 // octet 3
    ui::ComboBox Combo4{*this, "Combo4"};                 // octet 4
    ui::ControlArray<ui::Label> Label1{*this, "Label1"};  // the dots
    ui::Label Label2{*this, "Label2"};                    // MAC
    ui::Label Label5{*this, "Label5"};                    // current IP
    ui::CommandButton Command1{*this, "Command1"};        // OK
    ui::CommandButton Command2{*this, "Command2"};        // Cancel

  protected:
    void Form_Load() override;

  private:
    void LayOut();
    bool Online() const;
    // One request of the sequence; True when the device answered it.
    bool Send(uint8_t d0, uint8_t d1, uint8_t d2, uint8_t d3, uint8_t d4, uint8_t d6, uint8_t d7);

    State& s_;
    int16_t dev_ = 0;  // the slot the dialog was opened for
};
