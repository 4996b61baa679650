// The nick-name dialog of a project device (NickNameDev): the name in the device list and on
// the status window, and, while the device is online, in the device's memory at 32..47.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/NameKeyFilter.h"

struct State;

class FrmNickName : public ui::Form {
  public:
    explicit FrmNickName(State& s);

    // A key code outside 0..127 (punctuation keys among them) is refused with a warning and
    // dropped; what the box holds stays.
    void Text1_KeyDown(int16_t& keyCode, int16_t shift);
    void Text1_KeyPress(int16_t& keyAscii);
    // Index 0 OK, 1 Cancel.
    void Command1_Click(int16_t index);

    ui::Label Label10{*this, "Label10"};
    ui::TextBox Text1{*this, "Text1"};
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};

    static constexpr int kNameLength = 16;

  protected:
    void Form_Load() override;

  private:
    void LayOut();
    // Pads text with blanks to 16 characters and keeps the codes of its first 16.
    void PadName(std::string& text);
    bool SendName(int16_t slot);

    State& s_;
    std::array<uint8_t, kNameLength> codes_{};
    ui::NameKeyFilter keys_;
};
