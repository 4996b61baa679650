// The keys a value box of the editor window takes. Digits and Backspace always pass; a box
// may take the clipboard keys, a sign and decimals. Enter confirms the entry.
#pragma once

#include <cstdint>

namespace editor {

struct KeyRules {
    bool minus = false;
    bool plus = false;
    bool decimals = false;   // '.' and ',' become the locale's decimal separator
    bool clipboard = false;  // Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+Z
};

enum class KeyAction { Pass, Confirm, Reject };

// What the key does in a box with these rules; a decimal key is replaced by the locale's
// separator (',' while decimalComma is set, else '.').
KeyAction FilterKey(int16_t& key, const KeyRules& rules, bool decimalComma);

}  // namespace editor
