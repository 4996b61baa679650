#include "gui/RangeViews.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QSlider>
#include <QToolButton>
#include <cmath>

#include "gui/Look.h"

namespace gui {

namespace {

constexpr int kProgressSteps = 10000;

// Two arrow buttons: up (or right) raises the value, down (or left) lowers it. With the
// keyboard focus the arrow keys press them.
class UpDownWidget : public QWidget {
  public:
    UpDownWidget() : up_(new QToolButton(this)), down_(new QToolButton(this)) {
        up_->setObjectName(QStringLiteral("up"));
        down_->setObjectName(QStringLiteral("down"));
        for (QToolButton* b : {up_, down_}) {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
        }
        setFocusPolicy(Qt::StrongFocus);
    }
    QToolButton* Up() const { return up_; }
    QToolButton* Down() const { return down_; }

    void SetHorizontal(bool horizontal) {
        horizontal_ = horizontal;
        up_->setArrowType(horizontal ? Qt::RightArrow : Qt::UpArrow);
        down_->setArrowType(horizontal ? Qt::LeftArrow : Qt::DownArrow);
        Layout();
    }

  protected:
    void resizeEvent(QResizeEvent*) override { Layout(); }

    void keyPressEvent(QKeyEvent* e) override {
        switch (e->key()) {
            case Qt::Key_Up:
            case Qt::Key_Right:
                up_->click();
                break;
            case Qt::Key_Down:
            case Qt::Key_Left:
                down_->click();
                break;
            default:
                QWidget::keyPressEvent(e);
                break;
        }
    }

    // The focus shows as a frame around both buttons.
    void paintEvent(QPaintEvent*) override { PaintFocusFrame(*this); }

  private:
    void Layout() {
        if (horizontal_) {
            const int half = width() / 2;
            down_->setGeometry(0, 0, half, height());
            up_->setGeometry(half, 0, width() - half, height());
        } else {
            const int half = height() / 2;
            up_->setGeometry(0, 0, width(), half);
            down_->setGeometry(0, half, width(), height() - half);
        }
    }

    QToolButton* up_;
    QToolButton* down_;
    bool horizontal_ = false;
};

}  // namespace

SliderView::SliderView(FormWindow& owner, ui::Slider& slider) : ControlView(owner, slider) {
    auto* w = new QSlider;
    SetWidget(w);
    QObject::connect(w, &QSlider::valueChanged, w, [this](int v) {
        if (Syncing()) return;
        Act([this, v] { Model().UserScroll(v); }, ui::Prop::Value);
    });
}

void SliderView::Apply(ui::Prop p) {
    auto* w = static_cast<QSlider*>(Widget());
    switch (p) {
        case ui::Prop::Range:
            w->setRange(Model().Min(), Model().Max());
            w->setValue(Model().Value());
            ApplyStyle();
            break;
        case ui::Prop::Value:
            w->setValue(Model().Value());
            break;
        case ui::Prop::Style:
            ApplyStyle();
            break;
        default:
            break;
    }
}

void SliderView::ApplyGeometry() {
    ControlView::ApplyGeometry();
    ApplyStyle();
}

void SliderView::ApplyStyle() {
    auto* w = static_cast<QSlider*>(Widget());
    const ui::Slider& s = Model();
    const bool vertical = s.Orientation() == 1;
    w->setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
    // Qt puts a vertical slider's minimum at the bottom; the original has it at the top.
    w->setInvertedAppearance(vertical);
    w->setInvertedControls(vertical);
    w->setSingleStep(s.SmallChange());
    w->setPageStep(s.LargeChange());
    // Ticks are drawn only where they stay apart.
    const int span = s.Max() - s.Min();
    const int length = vertical ? w->height() : w->width();
    const bool ticks = s.TickFrequency() > 0 && span > 0 && span / s.TickFrequency() <= length / 3;
    w->setTickInterval(s.TickFrequency());
    w->setTickPosition(ticks ? QSlider::TicksBelow : QSlider::NoTicks);
}

UpDownView::UpDownView(FormWindow& owner, ui::UpDown& upDown) : ControlView(owner, upDown) {
    auto* w = new UpDownWidget;
    SetWidget(w);
    QObject::connect(w->Up(), &QToolButton::clicked, w,
                     [this] { Act([this] { Model().UserUp(); }, ui::Prop::Value); });
    QObject::connect(w->Down(), &QToolButton::clicked, w,
                     [this] { Act([this] { Model().UserDown(); }, ui::Prop::Value); });
}

void UpDownView::Apply(ui::Prop p) {
    if (p == ui::Prop::Style) {
        static_cast<UpDownWidget*>(Widget())->SetHorizontal(Model().Orientation() == 1);
    }
}

void UpDownView::NameWidget(const QString& name) {
    auto* w = static_cast<UpDownWidget*>(Widget());
    if (w->accessibleName() == name) return;
    w->setAccessibleName(name);
    w->Up()->setAccessibleName(name + QStringLiteral(" up"));
    w->Down()->setAccessibleName(name + QStringLiteral(" down"));
}

void UpDownView::ApplyGeometry() {
    ControlView::ApplyGeometry();
    static_cast<UpDownWidget*>(Widget())->SetHorizontal(Model().Orientation() == 1);
}

ProgressBarView::ProgressBarView(FormWindow& owner, ui::ProgressBar& bar)
    : ControlView(owner, bar) {
    auto* w = new QProgressBar;
    SetWidget(w);
    w->setRange(0, kProgressSteps);
    w->setTextVisible(false);
}

void ProgressBarView::Apply(ui::Prop p) {
    if (p != ui::Prop::Value && p != ui::Prop::Range) return;
    const ui::ProgressBar& b = Model();
    const float span = b.Max() - b.Min();
    const float share = span > 0 ? (b.Value() - b.Min()) / span : 0.0f;
    static_cast<QProgressBar*>(Widget())->setValue(
        static_cast<int>(std::lround(share * kProgressSteps)));
}

}  // namespace gui
