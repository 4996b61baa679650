// The link from a control or form to whatever shows it on screen. The control layer keeps
// every value; a renderer attaches a peer and is told what changed, so it can mirror it.
#pragma once

#include <cstdint>

namespace ui {

class Control;
class Form;

enum class Prop : uint8_t {
    Geometry,
    Visible,
    Enabled,
    Caption,  // Caption of labels, buttons, frames, forms; tab captions
    Text,     // Text of text and combo boxes, with the selection
    Value,    // Value of check and option buttons, sliders, up-downs, progress bars
    List,     // items of combo and list boxes
    ListIndex,
    Colors,
    ToolTip,
    Font,
    Drawing,  // display list of a picture box
    ZOrder,
    Container,
    Range,  // Min and Max
    Tab,    // the current tab of a tab control
    Style,  // alignment, border, shape and other look properties
    Focus,
    MousePointer,
    WindowState,
};

class ControlPeer {
  public:
    virtual ~ControlPeer() = default;
    virtual void Changed(Control& c, Prop p) = 0;
    // The control is going away; the peer must drop every reference to it.
    virtual void Destroyed(Control& c) = 0;
};

class FormPeer {
  public:
    virtual ~FormPeer() = default;
    virtual void Changed(Form& f, Prop p) = 0;
    // A control was created after the form was first shown (a control array grew).
    virtual void ControlAdded(Form& f, Control& c) = 0;
};

}  // namespace ui
