#include "GuiFixture.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

namespace guitest {

void GuiFixture::SetUp() {
    form.Show();
    ASSERT_NE(host.WindowOf(form), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    Settle();
    form.log.clear();
}

QWidget* GuiFixture::Window() const {
    return host.WindowOf(form)->Window();
}

QWidget* GuiFixture::Surface() const {
    return host.WindowOf(form)->Surface();
}

void GuiFixture::Settle() {
    SettleEvents();
}

void ExpectTextsFit(const gui::QtHost& host, const ui::Form& form) {
    for (ui::Control* c : form.Controls()) {
        QWidget* w = host.WidgetOf(*c);
        if (w == nullptr) continue;
        QString text;
        int room = w->width();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->wordWrap()) continue;
            text = l->text();
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            text = b->text();
            room -= 8;
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            text = b->text();
            room -= 22;
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            text = g->title();
            room -= 16;
        }
        if (text.isEmpty()) continue;
        const QFontMetrics metrics(w->font());
        EXPECT_LE(metrics.horizontalAdvance(text), room) << c->Path();
        EXPECT_GE(w->height(), metrics.height()) << c->Path();
    }
}

QString SaveScreenshot(QWidget* w, const std::string& name) {
    const QString dir = QStringLiteral(VX_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + QString::fromStdString(name) + ".png";
    w->grab().save(path);
    return path;
}

void SettleEvents() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void ShootDialog(const gui::QtHost& host, ui::Form& dialog, const std::string& name) {
    dialog.Show();
    SettleEvents();
    ASSERT_NE(host.WindowOf(dialog), nullptr);
    ExpectTextsFit(host, dialog);
    EXPECT_GT(QFileInfo(SaveScreenshot(host.WindowOf(dialog)->Window(), name)).size(), 500);
    dialog.Unload();
    SettleEvents();
}

}  // namespace guitest
