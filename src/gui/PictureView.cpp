#include "gui/PictureView.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/Cp1252.h"
#include "gui/Look.h"
#include "gui/MouseRelay.h"

namespace gui {

namespace {

class PictureWidget : public QWidget {
  public:
    explicit PictureWidget(PictureView& view) : view_(view), mouse_(view, 1.0f) {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override { view_.Paint(*this); }
    void mousePressEvent(QMouseEvent* e) override { mouse_.Press(*e); }
    void mouseMoveEvent(QMouseEvent* e) override { mouse_.Move(*e); }
    void mouseReleaseEvent(QMouseEvent* e) override { mouse_.Release(*e); }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mouse_.DoubleClick(*e); }

  private:
    PictureView& view_;
    MouseRelay mouse_;
};

}  // namespace

PictureView::PictureView(FormWindow& owner, ui::PictureBox& picture) : ControlView(owner, picture) {
    SetWidget(new PictureWidget(*this));
}

QWidget* PictureView::ChildArea(int16_t page) {
    (void)page;
    return Widget();
}

void PictureView::Apply(ui::Prop p) {
    if (p == ui::Prop::Drawing) Widget()->update();
}

void PictureView::ApplyColors() {
    Widget()->update();
}

void PictureView::Paint(QWidget& on) {
    QPainter p(&on);
    const ui::PictureBox* picture = Model();
    if (picture == nullptr) {
        p.fillRect(on.rect(), on.palette().color(QPalette::Window));
        return;
    }
    p.fillRect(on.rect(), ColorOf(picture->BackColor()));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setFont(on.font());
    const QFontMetricsF metrics(on.font());
    for (const ui::DrawOp& op : picture->DisplayList()) {
        const QColor color = ColorOf(op.color);
        switch (op.type) {
            case ui::DrawOp::Type::Line:
                p.setPen(QPen(color, op.width, Qt::SolidLine, Qt::FlatCap));
                p.drawLine(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
                break;
            case ui::DrawOp::Type::Point:
                if (op.width <= 1) {
                    p.setPen(QPen(color, 1));
                    p.drawPoint(QPointF(op.x1, op.y1));
                } else {
                    const qreal half = op.width / 2.0;
                    p.fillRect(QRectF(op.x1 - half, op.y1 - half, op.width, op.width), color);
                }
                break;
            case ui::DrawOp::Type::Text:
                p.setPen(color);
                p.drawText(QPointF(op.x1, op.y1 + metrics.ascent()), ShownText(op.text));
                break;
        }
    }
}

}  // namespace gui
