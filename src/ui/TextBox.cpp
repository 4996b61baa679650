#include "ui/TextBox.h"

#include "ui/Form.h"
#include "ui/Host.h"

namespace ui {

TextBox::TextBox(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::TextBox, std::move(name), index, shared) {
    SetBackColor(vbWindowBackground);
    SetForeColor(vbWindowText);
}

void TextBox::SetText(const std::string& t) {
    const std::string text = EditableText(t);
    if (text == edit_.text) return;
    edit_.text = text;
    edit_.selStart = 0;
    edit_.selLength = 0;
    Edited();
}

void TextBox::Edited() {
    Changed(Prop::Text);
    Fire(&Events::Change);
}

void TextBox::SetSelection(int32_t start, int32_t length) {
    edit_.selStart = start;
    edit_.selLength = length;
    ClampSelection(edit_);
    Changed(Prop::Text);
}

void TextBox::SetLocked(bool v) {
    if (v == locked_) return;
    locked_ = v;
    Changed(Prop::Style);
}

void TextBox::SetMultiLine(bool v) {
    if (v == multiLine_) return;
    multiLine_ = v;
    Changed(Prop::Style);
}

void TextBox::SetAlignment(int16_t a) {
    if (a == alignment_) return;
    alignment_ = a;
    Changed(Prop::Style);
}

void TextBox::TypedKey(int16_t key) {
    if (!locked_ && ApplyTypedKey(edit_, key, multiLine_, maxLength_, Parent().GetHost())) {
        Edited();
    }
}

bool TextBox::UserKeyCode(int16_t keyCode) {
    if (!Usable()) return false;
    SetFocus();
    FireKeyCode(&Events::KeyDown, keyCode, 0);
    constexpr int16_t kDelete = 46;
    if (keyCode == kDelete && !locked_ && ApplyDelete(edit_)) Edited();
    FireKeyCode(&Events::KeyUp, keyCode, 0);
    return true;
}

}  // namespace ui
