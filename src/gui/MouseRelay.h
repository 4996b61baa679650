// Mouse events of labels and picture boxes: MouseDown, MouseMove (also with no button held),
// MouseUp, Click after a left-button release over the control, and DblClick, in the order
// the original controls fire them. Positions are in twips for labels, pixels for pictures.
#pragma once

class QMouseEvent;

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
    ControlView& view_;
    float scale_;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
};

}  // namespace gui
