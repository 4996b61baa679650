#include "editor/TypedKeys.h"

#include "sys/Numeric.h"
#include "ui/Host.h"
#include "ui/Types.h"

namespace editor {

KeyAction FilterKey(int16_t& key, const KeyRules& rules, bool decimalComma) {
    if (key >= '0' && key <= '9') return KeyAction::Pass;
    switch (key) {
        case ui::vbKeyBack:
            return KeyAction::Pass;
        case ui::vbKeyReturn:
            return KeyAction::Confirm;
        case ui::vbKeyCtrlC:
        case ui::vbKeyCtrlV:
        case ui::vbKeyCtrlX:
        case ui::vbKeyCtrlZ:
            return rules.clipboard ? KeyAction::Pass : KeyAction::Reject;
        case '-':
            return rules.minus ? KeyAction::Pass : KeyAction::Reject;
        case '+':
            return rules.plus ? KeyAction::Pass : KeyAction::Reject;
        case '.':
        case ',':
            if (!rules.decimals) return KeyAction::Reject;
            key = static_cast<int16_t>(sys::DecimalSeparator(decimalComma));
            return KeyAction::Pass;
        default:
            return KeyAction::Reject;
    }
}

KeyAction TakeKey(ui::Host& host, int16_t& key, const KeyRules& rules, bool decimalComma,
                  const char* message, char replacement) {
    const KeyAction action = FilterKey(key, rules, decimalComma);
    if (action == KeyAction::Reject) {
        host.MsgBox(message, ui::vbOKOnly, "Warning");
        key = replacement;
    }
    return action;
}

}  // namespace editor
