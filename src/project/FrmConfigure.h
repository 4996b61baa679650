// "Configure External Signal": how the current device reacts to the four contacts of its
// input port terminal (active level, priority, which signals are enabled). Confirm sends the
// three settings; each is stored once the device has taken it.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmConfigure : public ui::Form {
  public:
    explicit FrmConfigure(State& s);

    void Command11_Click();
    // Index 0 Confirm, 1 Cancel.
    void Command1_Click(int16_t index);

    ui::Frame Frame3{*this, "Frame3"};
    ui::Frame Frame4{*this, "Frame4"};
    ui::Frame Frame1{*this, "Frame1"};
    ui::ControlArray<ui::Label> Label1{*this, "Label1"};
    ui::ComboBox Combo1{*this, "Combo1"};  // active mode
    ui::ComboBox Combo2{*this, "Combo2"};  // priority
    ui::CommandButton Command11{*this, "Command11"};
    ui::ControlArray<ui::CheckBox> Check2{*this, "Check2"};  // input signals 1..4
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    void Form_Load() override;
    // Stays when the editor that opened it closes on a failed request, as a failed request
    // keeps it open: its requests go through TxQuery, which sends nothing to the offline
    // device, so it stores nothing more either.
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    void LayOut();
    int16_t EnableMask() const;
    void Confirm();
    // True when the user wants to go on editing because a value differs from the stored one.
    bool KeepEditing();

    State& s_;
    int16_t dev_ = 0;  // the device the dialog was opened for
};
