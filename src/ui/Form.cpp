#include "ui/Form.h"

#include <algorithm>
#include <utility>

#include "ui/Control.h"
#include "ui/Host.h"
#include "ui/Timer.h"

namespace ui {

Form::Form(Host& host, std::string name, FormKind kind)
    : host_(host), name_(std::move(name)), formKind_(kind), hwnd_(host.NewHandle()) {}

Form::Running::Running(Form& form) : form_(form), outer_(form.host_.runningForm_) {
    ++form_.running_;
    form_.host_.runningForm_ = &form_;
}

Form::Running::~Running() {
    form_.host_.runningForm_ = outer_;
    if (--form_.running_ == 0 && form_.whenIdle_) std::exchange(form_.whenIdle_, nullptr)();
}

void Form::WhenIdle(std::function<void()> fn) {
    if (InUse()) {
        whenIdle_ = std::move(fn);
    } else {
        fn();
    }
}

template <typename Handler>
void Form::Handle(Handler&& handler) {
    Running running(*this);
    handler();
}

Form::~Form() {
    // Controls are members of the subclass and are gone by now; the host must forget the
    // window if it still shows it.
    if (visible_ || loaded_) host_.FormUnloaded(*this);
}

void Form::Changed(Prop p) {
    if (peer_ != nullptr) peer_->Changed(*this, p);
}

void Form::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed(Prop::Caption);
}

void Form::Move(Twips left, Twips top, Twips width, Twips height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    const bool resized = width != width_ || height != height_;
    if (!resized && left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Changed(Prop::Geometry);
    if (resized && loaded_) Handle([this] { Form_Resize(); });
}

Twips Form::ScaleWidth() const {
    return std::max<Twips>(0, width_ - kFrameWidth);
}
Twips Form::ScaleHeight() const {
    return std::max<Twips>(0, height_ - kFrameHeight);
}

void Form::SetClientSize(Twips width, Twips height) {
    Move(left_, top_, width + kFrameWidth, height + kFrameHeight);
}

void Form::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(Prop::Enabled);
}

void Form::SetBackColor(Color c) {
    if (c == backColor_) return;
    backColor_ = c;
    Changed(Prop::Colors);
}

void Form::SetMousePointer(int16_t p) {
    if (p == mousePointer_) return;
    mousePointer_ = p;
    Changed(Prop::MousePointer);
}

void Form::SetWindowState(int16_t s) {
    if (s == windowState_) return;
    windowState_ = s;
    Changed(Prop::WindowState);
    if (loaded_) Handle([this] { Form_Resize(); });
}

void Form::Load() {
    if (loaded_ || finished_) return;
    loaded_ = true;
    host_.FormLoading(*this);
    Handle([this] { Form_Load(); });
    if (!loaded_) return;
    for (Control* c : std::vector<Control*>(Controls())) {
        if (c->GetKind() == Kind::Timer) static_cast<Timer*>(c)->Refresh();
    }
}

void Form::Show() {
    Load();
    if (!loaded_) return;
    if (!resizedOnce_) {
        resizedOnce_ = true;
        Handle([this] { Form_Resize(); });
    }
    if (!visible_ && loaded_) {
        visible_ = true;
        Changed(Prop::Visible);
        host_.FormShown(*this);
    }
}

void Form::ShowModal() {
    Form* owner = host_.RunningForm();
    if (owner == this) owner = nullptr;
    // A handler whose window has closed opens nothing more.
    if (owner != nullptr && owner->finished_) return;
    if (owner != nullptr) owner->owned_.push_back(this);
    Load();
    if (loaded_) {
        modal_ = true;
        visible_ = true;
        Changed(Prop::Visible);
        if (!resizedOnce_) {
            resizedOnce_ = true;
            Handle([this] { Form_Resize(); });
        }
        host_.RunModal(*this);
        modal_ = false;
    }
    if (owner != nullptr) std::erase(owner->owned_, this);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    Changed(Prop::Visible);
    host_.FormHidden(*this);
}

bool Form::Unload() {
    return UnloadWith(vbFormCode);
}

bool Form::UserClose() {
    return UnloadWith(vbFormControlMenu);
}

bool Form::UnloadWith(int16_t mode) {
    if (!loaded_) return true;
    int16_t cancel = 0;
    Handle([&] { Form_QueryUnload(cancel, mode); });
    if (cancel != 0 || !loaded_) return !loaded_;
    Handle([&] { Form_Unload(cancel); });
    if (cancel != 0 || !loaded_) return !loaded_;
    loaded_ = false;
    finished_ = true;
    visible_ = false;
    StopTimers();
    // The modal windows its handlers opened and that are open still are asked to go too, the
    // last one first; each asks those its own handlers opened.
    for (const std::vector<Form*> owned(owned_.rbegin(), owned_.rend()); Form * modal : owned) {
        modal->UnloadWith(vbFormOwner);
    }
    Changed(Prop::Visible);
    host_.FormUnloaded(*this);
    return true;
}

void Form::StopTimers() {
    for (Control* c : std::vector<Control*>(Controls())) {
        if (c->GetKind() == Kind::Timer) static_cast<Timer*>(c)->Refresh();
    }
}

void Form::UserActivate() {
    if (loaded_) Handle([this] { Form_Activate(); });
}

void Form::UserDeactivate() {
    if (loaded_) Handle([this] { Form_Deactivate(); });
}

void Form::UserResize(Twips width, Twips height) {
    if (!sizable_) return;
    Move(left_, top_, width, height);
}

void Form::UserMinimize() {
    SetWindowState(vbMinimized);
}

Control* Form::Find(const std::string& name, int16_t index) const {
    for (Control* c : Controls()) {
        if (c->Index() == index && c->Name() == name) return c;
    }
    return nullptr;
}

const std::vector<Control*>& Form::Controls() const {
    if (gaps_ > 0) Compact();
    return controls_;
}

void Form::Compact() const {
    size_t kept = 0;
    for (Control* c : controls_) {
        if (c == nullptr) continue;
        positions_[c] = kept;
        controls_[kept++] = c;
    }
    controls_.resize(kept);
    gaps_ = 0;
}

void Form::Register(Control* c) {
    positions_[c] = controls_.size();
    controls_.push_back(c);
}

void Form::Added(Control& c) {
    if (peer_ != nullptr) peer_->ControlAdded(*this, c);
}

void Form::Deregister(Control* c) {
    const auto it = positions_.find(c);
    if (it != positions_.end()) {
        controls_[it->second] = nullptr;
        positions_.erase(it);
        ++gaps_;
        if (gaps_ * 2 > controls_.size()) Compact();
    }
    if (focused_ == c) focused_ = nullptr;
}

void Form::Raise(Control* c, bool front) {
    Compact();
    const auto it = std::find(controls_.begin(), controls_.end(), c);
    if (it == controls_.end()) return;
    controls_.erase(it);
    if (front) {
        controls_.push_back(c);
    } else {
        controls_.insert(controls_.begin(), c);
    }
    Compact();
}

void Form::SetFocused(Control* c) {
    if (c == focused_) return;
    Control* old = focused_;
    focused_ = c;
    Running running(*this);
    if (old != nullptr) {
        const Events::Simple lost = old->On().LostFocus;
        if (lost) lost(old->Index());
    }
    if (c != nullptr) {
        const Events::Simple got = c->On().GotFocus;
        if (got) got(c->Index());
    }
}

}  // namespace ui
