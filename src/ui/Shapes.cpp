#include "ui/Shapes.h"

#include <algorithm>

namespace ui {

Line::Line(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Line, std::move(name), index, shared) {}

void Line::SetPoints(Twips x1, Twips y1, Twips x2, Twips y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    Move(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) - std::min(x1, x2),
         std::max(y1, y2) - std::min(y1, y2));
    Changed(Prop::Geometry);
}

void Line::SetBorderColor(Color c) {
    if (c == borderColor_) return;
    borderColor_ = c;
    Changed(Prop::Colors);
}

void Line::SetBorderWidth(int16_t w) {
    if (w == borderWidth_) return;
    borderWidth_ = w;
    Changed(Prop::Style);
}

Shape::Shape(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Shape, std::move(name), index, shared) {}

void Shape::SetShapeType(int16_t s) {
    if (s == shape_) return;
    shape_ = s;
    Changed(Prop::Style);
}

void Shape::SetFillColor(Color c) {
    if (c == fillColor_) return;
    fillColor_ = c;
    Changed(Prop::Colors);
}

void Shape::SetFillStyle(int16_t s) {
    if (s == fillStyle_) return;
    fillStyle_ = s;
    Changed(Prop::Style);
}

void Shape::SetBorderColor(Color c) {
    if (c == borderColor_) return;
    borderColor_ = c;
    Changed(Prop::Colors);
}

void Shape::SetBorderWidth(int16_t w) {
    if (w == borderWidth_) return;
    borderWidth_ = w;
    Changed(Prop::Style);
}

}  // namespace ui
