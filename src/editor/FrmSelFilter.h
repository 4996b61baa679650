// "Select Filter Type": the modal dialog in which the user picks the filter type of one
// equaliser band, an output band of the editor window (SelFilterMode 0, SelFilterBand
// 0..39) or a band of the input equaliser editor's input (mode 1, band 0..2).
#pragma once

#include <cstdint>
#include <functional>

#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

class FrmSelFilter : public ui::Form {
  public:
    // What OK does with the type chosen for a band of the input equaliser editor (mode 1).
    using InputTypeApply = std::function<void(int16_t band, int16_t type)>;

    explicit FrmSelFilter(State& s, InputTypeApply applyInputType = {});

    // Index 0 OK: the type is stored, shown on the band's type button, sent, redrawn and
    // repeated on the linked outputs (the redraw and repeat only when the send went through);
    // index 1 Cancel. Either closes the dialog.
    void Command1_Click(int16_t index);

    ui::Label Label1{*this, "Label1"};
    ui::ComboBox Combo1{*this, "Combo1"};  // "Peaking_Eq", "Hi-Shelv_Q", "Lo-Shelv_Q"
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

  protected:
    // "Type Filter " and the band's number within its channel; the list on its type.
    void Form_Load() override;

  private:
    void LayOut();
    void ApplyToOutputBand(int16_t n, int16_t type);

    State& s_;
    InputTypeApply applyInputType_;
};
