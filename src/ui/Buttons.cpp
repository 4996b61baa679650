#include "ui/Buttons.h"

#include "ui/Form.h"

namespace ui {

CommandButton::CommandButton(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::CommandButton, std::move(name), index, shared) {}

void CommandButton::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed(Prop::Caption);
}

void CommandButton::SetDefault(bool v) {
    if (v == default_) return;
    default_ = v;
    Changed(Prop::Style);
}

void CommandButton::SetCancel(bool v) {
    if (v == cancel_) return;
    cancel_ = v;
    Changed(Prop::Style);
}

CheckBox::CheckBox(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::CheckBox, std::move(name), index, shared) {}

void CheckBox::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed(Prop::Caption);
}

void CheckBox::SetValue(int16_t v) {
    if (v < 0 || v > 2 || v == value_) return;
    value_ = v;
    Changed(Prop::Value);
    Fire(&Events::Click);
}

void CheckBox::SetStyle(int16_t s) {
    if (s == style_) return;
    style_ = s;
    Changed(Prop::Style);
}

bool CheckBox::UserClick() {
    if (!Usable()) return false;
    SetFocus();
    SetValue(value_ == 0 ? 1 : 0);
    return true;
}

OptionButton::OptionButton(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::OptionButton, std::move(name), index, shared) {}

void OptionButton::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed(Prop::Caption);
}

void OptionButton::SetValue(bool v) {
    if (v == value_) return;
    value_ = v;
    Changed(Prop::Value);
    if (!v) return;
    for (Control* c : Parent().Controls()) {
        if (c != this && c->GetKind() == Kind::OptionButton && c->Container() == Container()) {
            auto* other = static_cast<OptionButton*>(c);
            if (other->value_) {
                other->value_ = false;
                other->Changed(Prop::Value);
            }
        }
    }
    Fire(&Events::Click);
}

bool OptionButton::UserClick() {
    if (!Usable()) return false;
    SetFocus();
    SetValue(true);
    return true;
}

}  // namespace ui
