#include "GuiFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
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
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QString SaveScreenshot(QWidget* w, const std::string& name) {
    const QString dir = QStringLiteral(VX_SCREENSHOT_DIR);
    QDir().mkpath(dir);
    const QString path = dir + QLatin1Char('/') + QString::fromStdString(name) + ".png";
    w->grab().save(path);
    return path;
}

}  // namespace guitest
