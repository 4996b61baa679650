// "Select": the project's link type (USB, RS485 or TCP/IP) and, for the serial links, the
// COM port. OK stores the choice in init.cfg and on the main window's link button, and a new
// link type brings up the project's records of that type as a start does; a failed write of
// init.cfg says so and changes nothing. Exit, or closing the window, leaves everything as it
// was. Search looks for the port in FrmSearchCom.
#pragma once

#include <cstdint>

#include "state/ProjectState.h"
#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmSelect : public ui::Form {
  public:
    explicit FrmSelect(State& s);

    void Combo1_Click();
    void Option2_Click(int16_t index);
    void Command2_Click();
    // Index 0 OK, 1 Exit.
    void Command1_Click(int16_t index);

    ui::Frame Frame5{*this, "Frame5"};
    ui::ControlArray<ui::OptionButton> Option2{*this, "Option2"};  // USB, RS485, TCP/IP
    ui::Frame Frame1{*this, "Frame1"};
    ui::ComboBox Combo1{*this, "Combo1"};  // list index = COM port number
    ui::CommandButton Command2{*this, "Command2"};
    ui::Frame Frame9{*this, "Frame9"};
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    void Form_Load() override;
    // Unless OK stored the choice, InitCfg goes back to what it was when the dialog opened.
    void Form_Unload(int16_t& cancel) override;

  private:
    void LayOut();
    void EnablePortChoice(bool on);
    // OK: init.cfg first; only when it was written do InitCfg, LinkType and the link button
    // change. False (with a message, the dialog staying open) when it could not be written.
    bool Store();

    State& s_;
    InitCfgRecord before_;  // InitCfg as it was when the dialog opened, for Exit
    bool stored_ = false;   // OK stored the choice
};
