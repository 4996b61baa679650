// "Edit Switch Name ": edits the names of the four switch outputs, writes them to
// NameSwitch.ini and relabels the switch window's outputs.
#pragma once

#include <array>
#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/NameKeyFilter.h"

struct State;

class FrmEditNameSwitch : public ui::Form {
  public:
    explicit FrmEditNameSwitch(State& s);

    // Index 0 confirms (names kept and written to the file; a failed write says so), index 1
    // cancels. Either closes the editor.
    void Command1_Click(int16_t index);
    void Text1_KeyDown(int16_t index, int16_t& keyCode);

    ui::ControlArray<ui::Label> Label1{*this, "Label1"};
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // names, 16 characters at most
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    void Form_Load() override;

  private:
    void LayOut();

    State& s_;
    std::array<ui::NameKeyFilter, 4> keys_;
};
