#include "gui/MouseRelay.h"

#include <QMouseEvent>
#include <QWidget>

#include "gui/ControlView.h"
#include "gui/Input.h"

namespace gui {

void MouseRelay::Press(const QMouseEvent& e) {
    pressed_ = true;
    const int16_t button = ButtonOf(e.button());
    const int16_t shift = ShiftOf(e.modifiers());
    const QPointF p = e.position() * scale_;
    view_.Act(
        [this, button, shift, p] {
            view_.Control()->UserMouseDown(button, shift, static_cast<float>(p.x()),
                                           static_cast<float>(p.y()));
        },
        ui::Prop::Drawing);
}

void MouseRelay::Move(const QMouseEvent& e) {
    const int16_t buttons = ButtonsOf(e.buttons());
    const int16_t shift = ShiftOf(e.modifiers());
    const QPointF p = e.position() * scale_;
    view_.Act(
        [this, buttons, shift, p] {
            view_.Control()->UserMouseMove(buttons, shift, static_cast<float>(p.x()),
                                           static_cast<float>(p.y()));
        },
        ui::Prop::Drawing);
}

void MouseRelay::Release(const QMouseEvent& e) {
    const int16_t button = ButtonOf(e.button());
    const int16_t shift = ShiftOf(e.modifiers());
    const QPointF p = e.position() * scale_;
    const bool click = pressed_ && !afterDoubleClick_ && e.button() == Qt::LeftButton &&
                       view_.Widget() != nullptr &&
                       view_.Widget()->rect().contains(e.position().toPoint());
    pressed_ = false;
    afterDoubleClick_ = false;
    view_.Act(
        [this, button, shift, p] {
            view_.Control()->UserMouseUp(button, shift, static_cast<float>(p.x()),
                                         static_cast<float>(p.y()));
        },
        ui::Prop::Drawing);
    if (click) view_.Act([this] { view_.Control()->UserClick(); }, ui::Prop::Drawing);
}

void MouseRelay::DoubleClick(const QMouseEvent& e) {
    (void)e;
    pressed_ = true;
    afterDoubleClick_ = true;
    view_.Act([this] { view_.Control()->UserDblClick(); }, ui::Prop::Drawing);
}

}  // namespace gui
