#include "gui/LabelView.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "gui/Accessibility.h"
#include "gui/AccessibleNames.h"
#include "gui/Look.h"
#include "gui/MouseRelay.h"
#include "sys/Screen.h"

namespace gui {

namespace {

class LabelWidget : public QLabel {
  public:
    explicit LabelWidget(ControlView& view) : mouse_(view, sys::kTwipsPerPixel) {
        setMouseTracking(true);
        setTextFormat(Qt::PlainText);
    }

  protected:
    void mousePressEvent(QMouseEvent* e) override { mouse_.Press(*e); }
    void mouseMoveEvent(QMouseEvent* e) override { mouse_.Move(*e); }
    void mouseReleaseEvent(QMouseEvent* e) override { mouse_.Release(*e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mouse_.DoubleClick(*e); }

  private:
    MouseRelay mouse_;
};

// A label that acts on a click: it takes the keyboard focus, Space or Enter acts as a click,
// and assistive technology sees a button it can press.
class ClickableLabelWidget : public LabelWidget, public Pressable {
  public:
    explicit ClickableLabelWidget(ControlView& view) : LabelWidget(view), view_(view) {
        setFocusPolicy(Qt::StrongFocus);
    }

    QAccessible::Role PressRole() const override { return QAccessible::Button; }

    // The click, or the double click of a label that only has that.
    void Press() override {
        view_.Act(
            [this] {
                ui::Control* c = view_.Control();
                if (c->On().Click) {
                    c->UserClick();
                } else {
                    c->UserDblClick();
                }
            },
            ui::Prop::Caption);
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        const int key = e->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Press();
            return;
        }
        LabelWidget::keyPressEvent(e);
    }

    void paintEvent(QPaintEvent* e) override {
        LabelWidget::paintEvent(e);
        PaintFocusFrame(*this);
    }

  private:
    ControlView& view_;
};

}  // namespace

LabelView::LabelView(FormWindow& owner, ui::Label& label) : ControlView(owner, label) {
    if (ClickableLabel(label)) {
        SetWidget(new ClickableLabelWidget(*this));
    } else {
        SetWidget(new LabelWidget(*this));
    }
}

void LabelView::Apply(ui::Prop p) {
    auto* w = static_cast<QLabel*>(Widget());
    switch (p) {
        case ui::Prop::Caption:
            w->setText(LabelText(Model().Caption()));
            break;
        case ui::Prop::Style:
        case ui::Prop::Font:
            ApplyStyle();
            break;
        default:
            break;
    }
}

void LabelView::ApplyStyle() {
    auto* w = static_cast<QLabel*>(Widget());
    const ui::Label& l = Model();
    Qt::Alignment h = Qt::AlignLeft;
    if (l.Alignment() == 1) h = Qt::AlignRight;
    if (l.Alignment() == 2) h = Qt::AlignHCenter;
    w->setAlignment(h | Qt::AlignTop);
    w->setFrameStyle(l.BorderStyle() == 1 ? QFrame::Panel | QFrame::Sunken : QFrame::NoFrame);
    w->setLineWidth(1);
    ApplyColors();
    ApplyGeometry();
}

void LabelView::ApplyColors() {
    SetColors(Widget(), QPalette::Window, QPalette::WindowText, Control()->BackColor(),
              Control()->ForeColor(), Model().BackStyle() != 0);
}

void LabelView::ApplyGeometry() {
    ControlView::ApplyGeometry();
    // Text wraps at word ends only where the label has room for a second line; a one-line
    // label keeps its text on that line.
    auto* w = static_cast<QLabel*>(Widget());
    w->setWordWrap(w->height() >= 2 * QFontMetrics(w->font()).height());
}

}  // namespace gui
