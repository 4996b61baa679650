// What a typed Q or bandwidth of an equaliser band stands for.
#pragma once

#include <cstdint>

namespace ui {
class TextBox;
}

namespace editor {

// The Q index that the Q (or, with bandwidth, the bandwidth in octaves) typed into box stands
// for; the text is read whole, without its surrounding blanks, with either decimal separator
// where the locale writes a comma. A bandwidth box is rewritten with the table's bandwidth it
// snaps to. False, and the box untouched, when it holds no number.
bool QIndexOfEntry(ui::TextBox& box, bool bandwidth, bool decimalComma, int16_t& index);

}  // namespace editor
