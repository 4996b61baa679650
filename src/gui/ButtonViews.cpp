#include "gui/ButtonViews.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "gui/Accessibility.h"
#include "gui/Cp1252.h"
#include "gui/Look.h"

namespace gui {

namespace {

// A command button; Enter presses the button that has the focus.
class PushButton : public QPushButton {
  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(e);
    }
};

// A graphical check box: a toggle button whose state only the control changes. Checked, it
// is filled with the highlight colour, its caption in the highlight's text colour, or a tick
// where it has no caption (a routing crosspoint), so that on and off differ plainly.
class ToggleButton : public QPushButton {
  public:
    ToggleButton() { setCheckable(true); }

  protected:
    void nextCheckState() override {}

    void paintEvent(QPaintEvent* e) override {
        QPushButton::paintEvent(e);
        if (!isChecked()) return;
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRect face = rect().adjusted(3, 3, -3, -3);
        const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
        p.fillRect(face, palette().color(group, QPalette::Highlight));
        const QColor ink = palette().color(group, QPalette::HighlightedText);
        if (!text().isEmpty()) {
            p.setPen(ink);
            p.drawText(face, Qt::AlignCenter | Qt::TextShowMnemonic, text());
            return;
        }
        const double size = std::min(face.width(), face.height());
        const QPointF corner(face.center().x() - size / 2, face.center().y() - size / 2);
        p.setPen(QPen(ink, std::max(2.0, size / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF{corner + QPointF(size * 0.22, size * 0.52),
                                 corner + QPointF(size * 0.42, size * 0.72),
                                 corner + QPointF(size * 0.78, size * 0.30)});
    }
};

// A check box whose whole area takes the click, as the original's does.
class CheckWidget : public QCheckBox {
  protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// An option button that assistive technology sees as one, although Qt's exclusivity is off
// (the control clears the others of its group itself).
class OptionWidget : public QRadioButton, public Pressable {
  public:
    OptionWidget() { setAutoExclusive(false); }

    QAccessible::Role PressRole() const override { return QAccessible::RadioButton; }
    void Press() override { click(); }
    bool Checkable() const override { return true; }
    bool Checked() const override { return isChecked(); }

  protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace

CommandButtonView::CommandButtonView(FormWindow& owner, ui::CommandButton& button)
    : ControlView(owner, button) {
    auto* w = new PushButton;
    SetWidget(w);
    w->setDefault(button.Default());
    QObject::connect(w, &QPushButton::clicked, w,
                     [this] { Act([this] { Model().UserClick(); }, ui::Prop::Caption); });
}

void CommandButtonView::Apply(ui::Prop p) {
    if (p == ui::Prop::Caption) {
        static_cast<QPushButton*>(Widget())->setText(ShownText(Model().Caption()));
    }
}

void CommandButtonView::ApplyColors() {
    SetColors(Widget(), QPalette::Button, QPalette::ButtonText, Control()->BackColor(),
              Control()->ForeColor(), false);
}

CheckBoxView::CheckBoxView(FormWindow& owner, ui::CheckBox& box) : ControlView(owner, box) {
    style_ = box.Style();
    SetWidget(MakeButton(style_));
}

QWidget* CheckBoxView::MakeButton(int16_t style) {
    QAbstractButton* b = style == 1 ? static_cast<QAbstractButton*>(new ToggleButton)
                                    : static_cast<QAbstractButton*>(new CheckWidget);
    QObject::connect(b, &QAbstractButton::clicked, b,
                     [this] { Act([this] { Model().UserClick(); }, ui::Prop::Value); });
    // A toggle that did not come from the control (assistive technology's toggle action
    // sets the state directly) is a click: the control decides and the widget follows it.
    QObject::connect(b, &QAbstractButton::toggled, b, [this] {
        if (!Syncing()) Act([this] { Model().UserClick(); }, ui::Prop::Value);
    });
    return b;
}

void CheckBoxView::Apply(ui::Prop p) {
    switch (p) {
        case ui::Prop::Style:
            if (Model().Style() != style_) {
                style_ = Model().Style();
                ReplaceWidget(MakeButton(style_));
            }
            break;
        case ui::Prop::Caption:
            static_cast<QAbstractButton*>(Widget())->setText(ShownText(Model().Caption()));
            break;
        case ui::Prop::Value:
            if (style_ == 1) {
                static_cast<QAbstractButton*>(Widget())->setChecked(Model().Value() != 0);
            } else {
                auto* box = static_cast<QCheckBox*>(Widget());
                box->setTristate(Model().Value() == 2);
                box->setCheckState(Model().Value() == 1   ? Qt::Checked
                                   : Model().Value() == 2 ? Qt::PartiallyChecked
                                                          : Qt::Unchecked);
            }
            break;
        default:
            break;
    }
}

void CheckBoxView::ApplyColors() {
    if (style_ == 1) {
        SetColors(Widget(), QPalette::Button, QPalette::ButtonText, Control()->BackColor(),
                  Control()->ForeColor(), false);
        return;
    }
    SetColors(Widget(), QPalette::Window, QPalette::WindowText, Control()->BackColor(),
              Control()->ForeColor(), true);
}

OptionButtonView::OptionButtonView(FormWindow& owner, ui::OptionButton& button)
    : ControlView(owner, button) {
    auto* w = new OptionWidget;
    SetWidget(w);
    QObject::connect(w, &QAbstractButton::clicked, w,
                     [this] { Act([this] { Model().UserClick(); }, ui::Prop::Value); });
}

void OptionButtonView::Apply(ui::Prop p) {
    if (p == ui::Prop::Caption) {
        static_cast<QAbstractButton*>(Widget())->setText(ShownText(Model().Caption()));
    } else if (p == ui::Prop::Value) {
        static_cast<QAbstractButton*>(Widget())->setChecked(Model().Value());
    }
}

}  // namespace gui
