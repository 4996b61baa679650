// Helpers of the editor window's layout code: placing a control in its container, filling a
// drop-down list, setting up a slider.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "ui/Controls.h"

namespace editor {

// Puts c into container at (left, top) with the given size, on tab page of a tab strip.
template <class T>
T& Put(T& c, ui::Control& container, ui::Twips left, ui::Twips top, ui::Twips width,
       ui::Twips height, int16_t page = -1) {
    c.SetContainer(&container, page);
    c.Move(left, top, width, height);
    return c;
}

// A pick-only drop-down list with these items, the first one chosen.
void FillList(ui::ComboBox& list, std::initializer_list<const char*> items);

// A slider from 0 to max, vertical (0 at the top) or horizontal, stepping 1 and 5.
void SetupSlider(ui::Slider& s, int32_t max, bool vertical);

// A label centred in its box.
ui::Label& Centered(ui::Label& l);

}  // namespace editor
