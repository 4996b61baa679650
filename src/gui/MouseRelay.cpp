#include "gui/MouseRelay.h"

#include <QMouseEvent>
#include <QWidget>

#include "gui/ControlView.h"
#include "gui/Input.h"

namespace gui {

void MouseRelay::Fire(Event event, int16_t button, const QMouseEvent& e) {
    const int16_t shift = ShiftOf(e.modifiers());
    const QPointF p = e.position() * scale_;
    view_.Act(
        [this, event, button, shift, p] {
            (view_.Control()->*event)(button, shift, static_cast<float>(p.x()),
                                      static_cast<float>(p.y()));
        },
        ui::Prop::Drawing);
}

void MouseRelay::Press(const QMouseEvent& e) {
    pressed_ = true;
    Fire(&ui::Control::UserMouseDown, ButtonOf(e.button()), e);
}

void MouseRelay::Move(const QMouseEvent& e) {
    Fire(&ui::Control::UserMouseMove, ButtonsOf(e.buttons()), e);
}

void MouseRelay::Release(const QMouseEvent& e) {
    const bool click = pressed_ && !afterDoubleClick_ && e.button() == Qt::LeftButton &&
                       view_.Widget() != nullptr &&
                       view_.Widget()->rect().contains(e.position().toPoint());
    pressed_ = false;
    afterDoubleClick_ = false;
    Fire(&ui::Control::UserMouseUp, ButtonOf(e.button()), e);
    if (click) view_.Act([this] { view_.Control()->UserClick(); }, ui::Prop::Drawing);
}

void MouseRelay::DoubleClick(const QMouseEvent& e) {
    (void)e;
    pressed_ = true;
    afterDoubleClick_ = true;
    view_.Act([this] { view_.Control()->UserDblClick(); }, ui::Prop::Drawing);
}

}  // namespace gui
