// "Edit Names": the modal dialog in which the user edits the sixteen channel names of the
// current device, inputs 1 to 8 and outputs 1 to 8. The device keeps six characters a name,
// single-byte ones: a box takes at most six characters (four for the left input of a stereo
// pair, whose suffix takes the other two) and refuses characters the device's name slots
// can't hold.
#pragma once

#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/NameKeyFilter.h"

struct State;

class FrmEditLabel : public ui::Form {
  public:
    explicit FrmEditLabel(State& s);

    // 0 "OK": after "Are you sure ?" answered Yes the boxes become the names, which are sent
    // and shown, and the dialog closes; No leaves it open. 1 "Cancel": closes, nothing stored.
    void Command1_Click(int16_t index);

    ui::ControlArray<ui::Label> Label3{*this, "Label3"};
    ui::ControlArray<ui::TextBox> Text1{*this, "Text1"};  // channel 0..15
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

    // A character a name may hold: printable ASCII typed without the punctuation keys.
    static bool NameCharacter(char c);

  protected:
    // The boxes from the names; the right input of a stereo pair can't be edited.
    void Form_Load() override;

  private:
    void LayOut();
    // A key the name slots can't hold shows "Symbol not admited" and is dropped; what the
    // user typed before stays.
    void Text1_KeyDown(int16_t index, int16_t& keyCode);
    void Text1_KeyPress(int16_t index, int16_t& key);
    // Pastes the clipboard's name characters into box k in place of its selection.
    void PasteName(int16_t k);

    State& s_;
    ui::NameKeyFilter keys_;
};
