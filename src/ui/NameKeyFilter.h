// The key filter of the name boxes: a key whose code lies outside 0..127 (the punctuation keys
// of most keyboards) is refused with "Symbol not admited" and dropped; what the box holds stays
// as it is.
#pragma once

#include <cstdint>

namespace ui {

class Host;

// The message that refuses a symbol a name can't hold.
void RefuseSymbol(Host& host);

class NameKeyFilter {
  public:
    // The box's KeyDown: a refused key shows the message and its code becomes 0.
    void KeyDown(Host& host, int16_t& keyCode);
    // The box's KeyPress: the character of a key KeyDown refused becomes 0; true then.
    bool KeyPress(int16_t& key);

  private:
    bool refused_ = false;
};

}  // namespace ui
