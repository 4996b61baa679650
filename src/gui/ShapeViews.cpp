#include "gui/ShapeViews.h"

#include <QPainter>
#include <algorithm>
#include <functional>

#include "gui/Geometry.h"
#include "gui/Look.h"

namespace gui {

namespace {

class PaintedWidget : public QWidget {
  public:
    explicit PaintedWidget(std::function<void(QWidget&)> paint) : paint_(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override { paint_(*this); }

  private:
    std::function<void(QWidget&)> paint_;
};

}  // namespace

LineView::LineView(FormWindow& owner, ui::Line& line) : ControlView(owner, line) {
    SetWidget(new PaintedWidget([this](QWidget& w) { Paint(w); }));
}

int LineView::Margin() const {
    return std::max<int>(1, Model()->BorderWidth());
}

void LineView::ApplyGeometry() {
    // The widget spans the line's end points with room for the pen on every side.
    const ui::Line& l = *Model();
    const int m = Margin();
    const int x1 = ToPixels(l.X1());
    const int y1 = ToPixels(l.Y1());
    const int x2 = ToPixels(l.X2());
    const int y2 = ToPixels(l.Y2());
    Widget()->setGeometry(std::min(x1, x2) - m, std::min(y1, y2) - m, std::abs(x2 - x1) + 2 * m + 1,
                          std::abs(y2 - y1) + 2 * m + 1);
}

void LineView::Apply(ui::Prop p) {
    if (p == ui::Prop::Style) ApplyGeometry();
    Widget()->update();
}

void LineView::ApplyColors() {
    Widget()->update();
}

void LineView::Paint(QWidget& on) {
    const ui::Line* l = Model();
    if (l == nullptr) return;
    const QPoint origin = on.pos();
    QPainter p(&on);
    p.setPen(QPen(ColorOf(l->BorderColor()), std::max<int>(1, l->BorderWidth()), Qt::SolidLine,
                  Qt::FlatCap));
    p.drawLine(QPoint(ToPixels(l->X1()), ToPixels(l->Y1())) - origin,
               QPoint(ToPixels(l->X2()), ToPixels(l->Y2())) - origin);
}

ShapeView::ShapeView(FormWindow& owner, ui::Shape& shape) : ControlView(owner, shape) {
    SetWidget(new PaintedWidget([this](QWidget& w) { Paint(w); }));
}

void ShapeView::Apply(ui::Prop p) {
    if (p == ui::Prop::Style) Widget()->update();
}

void ShapeView::ApplyColors() {
    Widget()->update();
}

void ShapeView::Paint(QWidget& on) {
    const ui::Shape* s = Model();
    if (s == nullptr) return;
    QPainter p(&on);
    const int pen = std::max<int>(1, s->BorderWidth());
    p.setPen(QPen(ColorOf(s->BorderColor()), pen));
    p.setBrush(s->FillStyle() == 0 ? QBrush(ColorOf(s->FillColor())) : Qt::NoBrush);
    QRectF r = QRectF(on.rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    const int type = s->ShapeType();
    const bool equalSides =
        type == ui::Shape::Square || type == ui::Shape::Circle || type == ui::Shape::RoundedSquare;
    if (equalSides) {
        const qreal side = std::min(r.width(), r.height());
        r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    switch (type) {
        case ui::Shape::Oval:
        case ui::Shape::Circle:
            p.setRenderHint(QPainter::Antialiasing);
            p.drawEllipse(r);
            break;
        case ui::Shape::RoundedRectangle:
        case ui::Shape::RoundedSquare: {
            p.setRenderHint(QPainter::Antialiasing);
            const qreal radius = std::min(r.width(), r.height()) / 6;
            p.drawRoundedRect(r, radius, radius);
            break;
        }
        default:
            p.drawRect(r);
            break;
    }
}

}  // namespace gui
