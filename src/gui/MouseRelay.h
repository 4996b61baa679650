// Mouse events of labels and picture boxes: MouseDown, MouseMove (also with no button held),
// MouseUp, Click after a left-button release over the control, and DblClick, in the order
// the original controls fire them. Positions are in twips for labels, pixels for pictures.
#pragma once

#include <cstdint>

class QMouseEvent;

namespace ui {
class Control;
}

namespace gui {

class ControlView;

class MouseRelay {
  public:
    MouseRelay(ControlView& view, float unitsPerPixel) : view_(view), scale_(unitsPerPixel) {}

    void Press(const QMouseEvent& e);
    void Move(const QMouseEvent& e);
    void Release(const QMouseEvent& e);
    void DoubleClick(const QMouseEvent& e);

  private:
    using Event = bool (ui::Control::*)(int16_t, int16_t, float, float);
    void Fire(Event event, int16_t button, const QMouseEvent& e);

    ControlView& view_;
    float scale_;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
};

}  // namespace gui
