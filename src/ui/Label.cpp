#include "ui/Label.h"

namespace ui {

Label::Label(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Label, std::move(name), index, shared) {
    SetForeColor(vbButtonText);
}

void Label::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed(Prop::Caption);
}

void Label::SetAlignment(int16_t a) {
    if (a == alignment_) return;
    alignment_ = a;
    Changed(Prop::Style);
}

void Label::SetBackStyle(int16_t s) {
    if (s == backStyle_) return;
    backStyle_ = s;
    Changed(Prop::Style);
}

void Label::SetBorderStyle(int16_t s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    Changed(Prop::Style);
}

}  // namespace ui
