// Base of every control: name and index, geometry in twips, common properties, the event
// handlers, containment, and the link to a renderer.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_set>
#include <utility>

#include "ui/Peer.h"
#include "ui/Types.h"

namespace ui {

class Form;

enum class Kind : uint8_t {
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    Frame,
    PictureBox,
    Line,
    Shape,
    Timer,
    Slider,
    UpDown,
    TabStrip,
    ProgressBar,
    Toolbar,
};

// Event handlers. Every handler receives the index of the control in its array (-1 for a
// control that is not in an array), so one set of handlers serves a whole control array.
struct Events {
    using Simple = std::function<void(int16_t index)>;
    using Key = std::function<void(int16_t index, int16_t& keyAscii)>;
    using KeyCode = std::function<void(int16_t index, int16_t& keyCode, int16_t shift)>;
    using Mouse =
        std::function<void(int16_t index, int16_t button, int16_t shift, float x, float y)>;

    Simple Click, DblClick, Change, Scroll, GotFocus, LostFocus, Timer;
    Key KeyPress;
    KeyCode KeyDown, KeyUp;
    Mouse MouseDown, MouseMove, MouseUp;
};

// Mouse buttons and shift state as the mouse events report them.
enum MouseButton : int16_t { vbLeftButton = 1, vbRightButton = 2, vbMiddleButton = 4 };

class Control {
  public:
    // shared: the handlers of the control array the control belongs to (nullptr: its own).
    Control(Form& form, Kind kind, std::string name, int16_t index, Events* shared);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& Parent() const { return form_; }
    Kind GetKind() const { return kind_; }
    const std::string& Name() const { return name_; }
    int16_t Index() const { return index_; }
    // Name with the index, e.g. "Text14(3)", for messages and look-ups.
    std::string Path() const;
    Events& On() { return *events_; }

    Twips Left() const { return left_; }
    Twips Top() const { return top_; }
    Twips Width() const { return width_; }
    Twips Height() const { return height_; }
    void SetLeft(Twips v) { Move(v, top_, width_, height_); }
    void SetTop(Twips v) { Move(left_, v, width_, height_); }
    void SetWidth(Twips v) { Move(left_, top_, v, height_); }
    void SetHeight(Twips v) { Move(left_, top_, width_, v); }
    void Move(Twips left, Twips top, Twips width, Twips height);

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    Color ForeColor() const { return foreColor_; }
    void SetForeColor(Color c);
    Color BackColor() const { return backColor_; }
    void SetBackColor(Color c);
    const std::string& ToolTipText() const { return toolTip_; }
    void SetToolTipText(const std::string& t);
    float FontSize() const { return fontSize_; }
    bool FontBold() const { return fontBold_; }
    void SetFont(float size, bool bold);
    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& t) { tag_ = t; }
    // What a screen reader calls a control whose caption does not say what it is (a value, a
    // user's name, a bare number): its own number and purpose ("Band 2 type", "Switch 3"),
    // followed by the caption when withCaption is set. Set in the form's layout.
    void SetPurpose(std::string purpose, bool withCaption) {
        purpose_ = std::move(purpose);
        purposeWithCaption_ = withCaption;
    }
    const std::string& Purpose() const { return purpose_; }
    bool PurposeWithCaption() const { return purposeWithCaption_; }

    // The frame, picture box, toolbar or tab control that holds this control (nullptr: the
    // form itself) and, inside a tab control, the tab it sits on. Positions are relative to
    // the container.
    Control* Container() const { return container_; }
    int16_t TabPage() const { return tabPage_; }
    void SetContainer(Control* container, int16_t tabPage = -1);
    bool IsContainer() const;

    // Brings the control in front of its siblings (0) or sends it behind them (1).
    void ZOrder(int position = 0);
    void SetFocus();

    // Visible on screen: itself, every container and, in a tab control, its tab is current.
    bool Shown() const;
    // A person can act on it: shown and enabled, with every container enabled.
    bool Usable() const;

    // What a person does. Each fires the events that action fires and returns false when
    // the control could not receive it (hidden or disabled).
    virtual bool UserClick();
    bool UserDblClick();
    bool UserMouseDown(int16_t button, int16_t shift, float x, float y);
    bool UserMouseMove(int16_t button, int16_t shift, float x, float y);
    bool UserMouseUp(int16_t button, int16_t shift, float x, float y);
    // A person types one character (ASCII; 8 Backspace, 13 Enter, 3/22/24 clipboard keys):
    // KeyDown, KeyPress (which may replace or cancel the key), the control's own reaction
    // to the key (an edit, for text and combo boxes), KeyUp.
    bool UserKey(int16_t key);
    // A person types each character of the text in turn.
    bool UserType(const std::string& text);

    // For containers with pages: whether children on that page are on screen.
    virtual bool ShowsPage(int16_t page) const {
        (void)page;
        return true;
    }

    void SetPeer(ControlPeer* peer) { peer_ = peer; }
    ControlPeer* Peer() const { return peer_; }

  protected:
    // The control's reaction to a typed key once KeyPress has had its say (0: cancelled).
    virtual void TypedKey(int16_t key) { (void)key; }
    void Changed(Prop p);
    void Fire(Events::Simple Events::*event);
    void FireKeyPress(int16_t& key);
    void FireKeyCode(Events::KeyCode Events::*event, int16_t& keyCode, int16_t shift);
    void FireMouse(Events::Mouse Events::*event, int16_t button, int16_t shift, float x, float y);

  private:
    Form& form_;
    Kind kind_;
    std::string name_;
    int16_t index_;
    Events own_;
    Events* events_;
    Twips left_ = 0, top_ = 0, width_ = 1215, height_ = 375;
    bool visible_ = true;
    bool enabled_ = true;
    Color foreColor_ = vbButtonText;
    Color backColor_ = vbButtonFace;
    std::string toolTip_;
    float fontSize_ = 8.0f;
    bool fontBold_ = false;
    std::string tag_;
    std::string purpose_;
    bool purposeWithCaption_ = false;
    Control* container_ = nullptr;
    std::unordered_set<Control*> held_;  // controls whose container this one is
    int16_t tabPage_ = -1;
    ControlPeer* peer_ = nullptr;
};

}  // namespace ui
