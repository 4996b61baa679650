// Typing into an editable text: what a key does to the text, caret and selection once the
// KeyPress handlers have had their say. Shared by text boxes and editable combo boxes.
#pragma once

#include <cstdint>
#include <string>

namespace ui {

class Host;

struct EditState {
    std::string text;
    int32_t selStart = 0;
    int32_t selLength = 0;
};

// What an editable text keeps of a text set from code: the part before its first NUL byte,
// since the platform's edit controls hold no NUL (a device name of zero bytes reads as empty).
std::string EditableText(const std::string& text);

// Applies a typed key (ASCII, after KeyPress): characters replace the selection, Backspace
// deletes before the caret, Ctrl+C / Ctrl+X / Ctrl+V use the host's clipboard, Enter adds a
// line break only in a multi-line box. maxLength 0 means no limit. True when the text changed.
bool ApplyTypedKey(EditState& s, int16_t key, bool multiLine, int32_t maxLength, Host& host);
// The Delete key: removes the selection or the character after the caret.
bool ApplyDelete(EditState& s);
// Keeps caret and selection inside the text.
void ClampSelection(EditState& s);

// The key code that a key-down event reports for a typed character, and whether Shift is held
// (as on a US keyboard: letters give their capital, digits themselves, punctuation the codes
// above 127).
int16_t VirtualKeyOf(char c, int16_t& shift);

}  // namespace ui
