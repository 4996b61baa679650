#include "ui/Containers.h"

namespace ui {

Frame::Frame(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Frame, std::move(name), index, shared) {}

void Frame::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed(Prop::Caption);
}

void Frame::SetBorderStyle(int16_t s) {
    if (s == borderStyle_) return;
    borderStyle_ = s;
    Changed(Prop::Style);
}

TabStrip::TabStrip(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::TabStrip, std::move(name), index, shared) {}

void TabStrip::SetTabs(int16_t count) {
    if (count < 1) count = 1;
    captions_.resize(static_cast<size_t>(count));
    disabled_.resize(static_cast<size_t>(count));
    if (tab_ >= count) tab_ = static_cast<int16_t>(count - 1);
    Changed(Prop::Caption);
}

void TabStrip::SetTabsPerRow(int16_t n) {
    if (n < 1 || n == tabsPerRow_) return;
    tabsPerRow_ = n;
    Changed(Prop::Style);
}

const std::string& TabStrip::TabCaption(int16_t t) const {
    static const std::string kNone;
    return t >= 0 && t < Tabs() ? captions_[static_cast<size_t>(t)] : kNone;
}

void TabStrip::SetTabCaption(int16_t t, const std::string& c) {
    if (t < 0 || t >= Tabs() || captions_[static_cast<size_t>(t)] == c) return;
    captions_[static_cast<size_t>(t)] = c;
    Changed(Prop::Caption);
}

void TabStrip::SetTab(int16_t t) {
    if (t < 0 || t >= Tabs() || t == tab_) return;
    previousTab_ = tab_;
    tab_ = t;
    Changed(Prop::Tab);
    Fire(&Events::Click);
}

bool TabStrip::TabEnabled(int16_t t) const {
    return t >= 0 && t < Tabs() && !disabled_[static_cast<size_t>(t)];
}

void TabStrip::SetTabEnabled(int16_t t, bool enabled) {
    if (t < 0 || t >= Tabs() || TabEnabled(t) == enabled) return;
    disabled_[static_cast<size_t>(t)] = !enabled;
    Changed(Prop::Caption);
}

bool TabStrip::UserSelectTab(int16_t t) {
    if (!Usable() || !TabEnabled(t)) return false;
    SetTab(t);
    return true;
}

Toolbar::Toolbar(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::Toolbar, std::move(name), index, shared) {}

}  // namespace ui
