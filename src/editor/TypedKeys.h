// The keys a value box of the editor window takes. Digits and Backspace always pass; a box
// may take the clipboard keys, a sign and decimals. Enter confirms the entry.
#pragma once

#include <cstdint>

namespace ui {
class Host;
}

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

// FilterKey, and a key the box does not take shows message in a "Warning" box and becomes
// replacement.
KeyAction TakeKey(ui::Host& host, int16_t& key, const KeyRules& rules, bool decimalComma,
                  const char* message, char replacement);

}  // namespace editor
