#include "ui/Control.h"

#include "ui/Form.h"
#include "ui/TextEditing.h"

namespace ui {

Control::Control(Form& form, Kind kind, std::string name, int16_t index, Events* shared)
    : form_(form),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      events_(shared != nullptr ? shared : &own_) {
    form_.Register(this);
}

Control::~Control() {
    if (peer_ != nullptr) peer_->Destroyed(*this);
    form_.Deregister(this);
    if (container_ != nullptr) container_->held_.erase(this);
    // Controls this one still holds now sit on the form.
    for (Control* c : std::vector<Control*>(held_.begin(), held_.end())) c->SetContainer(nullptr);
}

std::string Control::Path() const {
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::Changed(Prop p) {
    if (peer_ != nullptr) peer_->Changed(*this, p);
}

void Control::Move(Twips left, Twips top, Twips width, Twips height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (left == left_ && top == top_ && width == width_ && height == height_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(Prop::Geometry);
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(Prop::Visible);
}

void Control::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(Prop::Enabled);
}

void Control::SetForeColor(Color c) {
    if (c == foreColor_) return;
    foreColor_ = c;
    Changed(Prop::Colors);
}

void Control::SetBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    Changed(Prop::Colors);
}

void Control::SetToolTipText(const std::string& t) {
    if (t == toolTip_) return;
    toolTip_ = t;
    Changed(Prop::ToolTip);
}

void Control::SetFont(float size, bool bold) {
    if (size == fontSize_ && bold == fontBold_) return;
    fontSize_ = size;
    fontBold_ = bold;
    Changed(Prop::Font);
}

void Control::SetContainer(Control* container, int16_t tabPage) {
    if (container == this) return;
    if (container_ != nullptr) container_->held_.erase(this);
    container_ = container;
    if (container_ != nullptr) container_->held_.insert(this);
    tabPage_ = container != nullptr && container->GetKind() == Kind::TabStrip ? tabPage : -1;
    Changed(Prop::Container);
}

bool Control::IsContainer() const {
    return kind_ == Kind::Frame || kind_ == Kind::PictureBox || kind_ == Kind::TabStrip ||
           kind_ == Kind::Toolbar;
}

void Control::ZOrder(int position) {
    form_.Raise(this, position == 0);
    Changed(Prop::ZOrder);
}

void Control::SetFocus() {
    form_.SetFocused(this);
}

bool Control::Shown() const {
    if (!form_.Visible()) return false;
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->visible_) return false;
        if (c->container_ != nullptr && !c->container_->ShowsPage(c->tabPage_)) return false;
    }
    return true;
}

bool Control::Usable() const {
    if (!Shown() || !form_.Enabled()) return false;
    for (const Control* c = this; c != nullptr; c = c->container_) {
        if (!c->enabled_) return false;
    }
    return true;
}

bool Control::UserClick() {
    if (!Usable()) return false;
    Fire(&Events::Click);
    return true;
}

bool Control::UserDblClick() {
    if (!Usable()) return false;
    Fire(&Events::DblClick);
    return true;
}

bool Control::UserMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (!Usable()) return false;
    FireMouse(&Events::MouseDown, button, shift, x, y);
    return true;
}

bool Control::UserMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (!Usable()) return false;
    FireMouse(&Events::MouseMove, button, shift, x, y);
    return true;
}

bool Control::UserMouseUp(int16_t button, int16_t shift, float x, float y) {
    if (!Usable()) return false;
    FireMouse(&Events::MouseUp, button, shift, x, y);
    return true;
}

bool Control::UserKey(int16_t key) {
    if (!Usable()) return false;
    SetFocus();
    int16_t shift = 0;
    const int16_t physical = VirtualKeyOf(static_cast<char>(key), shift);
    int16_t code = physical;
    FireKeyCode(&Events::KeyDown, code, shift);
    FireKeyPress(key);
    TypedKey(key);
    code = physical;
    FireKeyCode(&Events::KeyUp, code, shift);
    return true;
}

bool Control::UserType(const std::string& text) {
    for (char c : text) {
        if (!UserKey(static_cast<int16_t>(static_cast<unsigned char>(c)))) return false;
    }
    return true;
}

void Control::Fire(Events::Simple Events::*event) {
    // Copy the handler: it may replace itself or unload the form while it runs.
    const Events::Simple handler = events_->*event;
    Form::Running running(form_);
    if (handler) handler(index_);
}

void Control::FireKeyPress(int16_t& key) {
    const Events::Key handler = events_->KeyPress;
    Form::Running running(form_);
    if (handler) handler(index_, key);
}

void Control::FireKeyCode(Events::KeyCode Events::*event, int16_t& keyCode, int16_t shift) {
    const Events::KeyCode handler = events_->*event;
    Form::Running running(form_);
    if (handler) handler(index_, keyCode, shift);
}

void Control::FireMouse(Events::Mouse Events::*event, int16_t button, int16_t shift, float x,
                        float y) {
    const Events::Mouse handler = events_->*event;
    Form::Running running(form_);
    if (handler) handler(index_, button, shift, x, y);
}

}  // namespace ui
