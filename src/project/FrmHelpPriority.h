// "Priority info": which extra program the device recalls for each priority, as a table of
// texts (the first active contact in the order wins).
#pragma once

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmHelpPriority : public ui::Form {
  public:
    explicit FrmHelpPriority(State& s);

    void Command1_Click();

    // Row r (0 the heading, 1..8 priorities 0..7), column c: element 3 * r + c.
    ui::ControlArray<ui::Label> Label1{*this, "Label1"};
    ui::CommandButton Command1{*this, "Command1"};
};
