// The two protocols every parameter handler of the editor window follows: the change-handler
// steps of a click, scroll or change, and the key-press steps of a value box.
#include "editor/FrmCtrl.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/Host.h"

void FrmCtrl::RunChange(const std::function<void()>& send, const std::function<void()>& followUp) {
    if (s_.UiUpdating) return;
    s_.EditBusy = true;
    LoadCorrectWindow();
    EnableOtherWindow(false);
    send();
    if (!s_.TxFailed && followUp) followUp();
    EnableOtherWindow(true);
    s_.EditBusy = false;
}

bool FrmCtrl::KeyConfirms(int16_t& key, const editor::KeyRules& rules, const char* message,
                          char replacement) {
    const editor::KeyAction action =
        editor::TakeKey(s_.host, key, rules, s_.DecimalComma != 0, message, replacement);
    if (action == editor::KeyAction::Reject) {
        EnableOtherWindow(true);
        s_.EditBusy = false;
    }
    return action == editor::KeyAction::Confirm;
}

void FrmCtrl::BeginEntry() {
    s_.EditBusy = true;
    EnableOtherWindow(false);
}

void FrmCtrl::EndEntry() {
    EnableOtherWindow(true);
    s_.EditBusy = false;
}

void FrmCtrl::RejectEntry(int16_t& key, const char* message, char replacement) {
    s_.host.MsgBox(message, ui::vbOKOnly, "Warning");
    key = replacement;
    EndEntry();
}

bool FrmCtrl::ReadNumber(const ui::TextBox& box, double& value) const {
    return sys::ParseNumber(box.Text(), s_.DecimalComma != 0, value);
}

void FrmCtrl::SetPointer(int16_t pointer) {
    if (Loaded()) SetMousePointer(pointer);
}
