#include "gui/Look.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QWidget>
#include <array>
#include <cmath>

#include "gui/Cp1252.h"

namespace gui {

namespace {

// The palette role that stands for each system colour index 0 to 24.
constexpr std::array<QPalette::ColorRole, 25> kSystemRoles = {
    QPalette::Button,           // scroll bars
    QPalette::Dark,             // desktop
    QPalette::Highlight,        // active caption
    QPalette::Mid,              // inactive caption
    QPalette::Window,           // menu bar
    QPalette::Base,             // window background
    QPalette::Shadow,           // window frame
    QPalette::WindowText,       // menu text
    QPalette::Text,             // window text
    QPalette::HighlightedText,  // caption text
    QPalette::Button,           // active border
    QPalette::Button,           // inactive border
    QPalette::Dark,             // application workspace
    QPalette::Highlight,        // highlight
    QPalette::HighlightedText,  // highlighted text
    QPalette::Window,           // button face: the face of forms and controls
    QPalette::Dark,             // button shadow
    QPalette::PlaceholderText,  // grey text
    QPalette::ButtonText,       // button text
    QPalette::ButtonText,       // inactive caption text
    QPalette::Light,            // 3D highlight
    QPalette::Shadow,           // 3D dark shadow
    QPalette::Midlight,         // 3D light
    QPalette::ToolTipText,      // tool tip text
    QPalette::ToolTipBase,      // tool tip background
};

constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

QColor ColorOf(ui::Color c) {
    if (ui::IsSystemColor(c)) {
        const uint32_t index = c & 0xFFu;
        const QPalette::ColorRole role =
            index < kSystemRoles.size() ? kSystemRoles[index] : QPalette::Window;
        return QApplication::palette().color(QPalette::Active, role);
    }
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void SetColors(QWidget* w, QPalette::ColorRole backRole, QPalette::ColorRole foreRole,
               ui::Color back, ui::Color fore, bool fill) {
    QPalette p = w->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(g, backRole, ColorOf(back));
        p.setColor(g, foreRole, ColorOf(fore));
    }
    p.setColor(QPalette::Disabled, backRole, ColorOf(back));
    w->setPalette(p);
    w->setBackgroundRole(backRole);
    w->setForegroundRole(foreRole);
    w->setAutoFillBackground(fill);
}

QFont FontOf(float points, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setStretch(QFont::SemiCondensed);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * kPixelsPerPoint))));
    f.setBold(bold);
    return f;
}

QFont DefaultFont() {
    return FontOf(8.0f, false);
}

QString LabelText(const std::string& caption) {
    const QString in = ShownText(caption);
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] == QLatin1Char('&') && i + 1 < in.size()) ++i;
        out.append(in[i]);
    }
    return out;
}

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 160));
        p.drawRoundedRect(QRectF(0, 0, size, size), size / 5.0, size / 5.0);
        p.setPen(QPen(Qt::white, size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const qreal m = size / 4.0;
        p.drawPolyline(QPolygonF({{m, m}, {size / 2.0, size - m}, {size - m, m}}));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

Qt::CursorShape CursorOf(int16_t pointer) {
    switch (pointer) {
        case ui::vbHourglass:
            return Qt::WaitCursor;
        case ui::vbArrowHourglass:
            return Qt::BusyCursor;
        default:
            return Qt::ArrowCursor;
    }
}

void PaintFocusFrame(QWidget& w) {
    if (!w.hasFocus()) return;
    QStylePainter painter(&w);
    QStyleOptionFocusRect focus;
    focus.initFrom(&w);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

}  // namespace gui
