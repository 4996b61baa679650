// The key filter of the program and switch name boxes: a key whose code lies outside 0..127
// (the punctuation keys of most keyboards) is refused with "Symbol not admited", dropped, and
// the box loses its last character.
#pragma once

#include <cstdint>

namespace ui {
class Host;
class TextBox;
}  // namespace ui

namespace ModProg {

class NameKeyFilter {
  public:
    // The box's KeyDown: refuses the key as above and sets keyCode to 0.
    void KeyDown(ui::Host& host, ui::TextBox& box, int16_t& keyCode);
    // The box's KeyPress: drops the character of a key KeyDown refused.
    void KeyPress(int16_t& key);

  private:
    bool refused_ = false;
};

}  // namespace ModProg
