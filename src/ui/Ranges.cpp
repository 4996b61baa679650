#include "ui/Ranges.h"

#include <algorithm>

namespace ui {

Slider::Slider(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Slider, std::move(name), index, shared) {}

void Slider::SetRange(int32_t min, int32_t max) {
    if (max < min) std::swap(min, max);
    min_ = min;
    max_ = max;
    Changed(Prop::Range);
    SetValue(value_);
}

void Slider::SetValue(int32_t v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Changed(Prop::Value);
    Fire(&Events::Change);
}

void Slider::SetChanges(int32_t small, int32_t large) {
    smallChange_ = small;
    largeChange_ = large;
    Changed(Prop::Range);
}

void Slider::SetOrientation(int16_t o) {
    if (o == orientation_) return;
    orientation_ = o;
    Changed(Prop::Style);
}

void Slider::SetTickFrequency(int32_t f) {
    if (f == tickFrequency_) return;
    tickFrequency_ = f;
    Changed(Prop::Style);
}

bool Slider::UserScroll(int32_t v) {
    if (!Usable()) return false;
    SetFocus();
    v = std::clamp(v, min_, max_);
    if (v == value_) return true;
    value_ = v;
    Changed(Prop::Value);
    Fire(&Events::Scroll);
    Fire(&Events::Change);
    return true;
}

UpDown::UpDown(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::UpDown, std::move(name), index, shared) {
    Move(0, 0, 255, 375);
}

void UpDown::SetRange(int32_t min, int32_t max) {
    if (max < min) std::swap(min, max);
    min_ = min;
    max_ = max;
    Changed(Prop::Range);
    SetValue(value_);
}

void UpDown::SetValue(int32_t v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Changed(Prop::Value);
    Fire(&Events::Change);
}

void UpDown::SetOrientation(int16_t o) {
    if (o == orientation_) return;
    orientation_ = o;
    Changed(Prop::Style);
}

bool UpDown::Step(int32_t delta) {
    if (!Usable()) return false;
    SetFocus();
    int32_t v = value_ + delta;
    if (wrap_) {
        if (v > max_) v = min_;
        if (v < min_) v = max_;
    }
    SetValue(v);
    return true;
}

bool UpDown::UserUp() {
    return Step(increment_);
}
bool UpDown::UserDown() {
    return Step(-increment_);
}

ProgressBar::ProgressBar(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::ProgressBar, std::move(name), index, shared) {}

void ProgressBar::SetRange(float min, float max) {
    if (max < min) std::swap(min, max);
    min_ = min;
    max_ = max;
    Changed(Prop::Range);
    SetValue(value_);
}

void ProgressBar::SetValue(float v) {
    v = std::clamp(v, min_, max_);
    if (v == value_) return;
    value_ = v;
    Changed(Prop::Value);
}

}  // namespace ui
