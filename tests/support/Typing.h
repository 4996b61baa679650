// Typing into a value box as a person does.
#pragma once

#include <cstdint>
#include <string>

#include "ui/TextBox.h"

namespace testsupport {

// Replaces the whole text of a box with text, as a person selecting it and typing does.
inline void Retype(ui::TextBox& box, const std::string& text) {
    box.SetSelection(0, static_cast<int32_t>(box.Text().size()));
    box.UserType(text);
}

// Retype, then Enter.
inline void Enter(ui::TextBox& box, const std::string& text) {
    Retype(box, text);
    box.UserKey(13);
}

}  // namespace testsupport
