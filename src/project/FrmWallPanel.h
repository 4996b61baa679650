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
    // Stays when the editor that opened it closes on a failed request, as a failed request
    // keeps it open: its requests go through TxQuery, which sends nothing to the offline
    // device, so it stores nothing more either.
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;

  private:
    State& s_;
    int16_t dev_ = 0;  // the device the dialog was opened for
};
