#include "editor/TypedKeys.h"

#include "sys/Numeric.h"
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

}  // namespace editor
