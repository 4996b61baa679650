#include "GuiFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <cstdlib>

#include "app/MDIFrmMain.h"
#include "editor/FrmCtrl.h"
#include "files/StateFiles.h"
#include "model/DeviceDefaults.h"
#include "project/DeviceList.h"
#include "project/DeviceWindows.h"

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

void EditorFixture::SetUp() {
    model::InitDeviceDefault(*s, kSlot);
    s->DevList[kSlot].Used = -1;
}

void EditorFixture::TearDown() {
    if (FrmCtrl* open = ExistingFrmCtrl(*s, kSlot)) {
        s->DevOffline[kSlot] = true;
        open->Unload();
    }
    SettleEvents();
}

FrmCtrl& EditorFixture::OpenEditor() {
    ModProject::OpenSpeakerEditor(*s, kSlot);
    f = ExistingFrmCtrl(*s, kSlot);
    if (f == nullptr || host.WindowOf(*f) == nullptr) {
        ADD_FAILURE() << "the editor did not show";
        std::abort();
    }
    EXPECT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(*f)->Window()));
    SettleEvents();
    return *f;
}

void EditorFixture::ShootTab(int16_t tab, const std::string& name) {
    f->SSTab1.SetTab(tab);
    SettleEvents();
    ExpectPicture(host, *f, name);
}

void MainWindowFixture::SetUp() {
    setenv("VELOTRIX_COM_PORTS", "", 1);
    s->AppDir = home.Path();
    s->InitCfg.LinkType = 2;
    ASSERT_TRUE(StateFiles::WriteInitCfg(*s));
    main = &MainForm(*s);
    main->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(*main)->Window()));
    ASSERT_EQ(AddDevice(0), kSlot);
}

int16_t MainWindowFixture::AddDevice(uint8_t k) {
    s->NewDevIp = {127, 77, 0, static_cast<uint8_t>(250 + k)};
    const int16_t slot = ModConfig::FindFreeDeviceSlot(*s);
    ModConfig::InsertDevice(*s, slot);
    ModProject::ShowDeviceWindow(*s, slot);
    SettleEvents();
    return slot;
}

void MainWindowFixture::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    Reactivate();
    QWidget* w = QApplication::focusWidget();
    QTest::keyClick(w != nullptr ? w : host.WindowOf(*main)->Window(), key, modifiers);
    SettleEvents();
}

void MainWindowFixture::Reactivate() {
    if (QApplication::activeWindow() != nullptr) return;
    QWidget* modal = QApplication::activeModalWidget();
    QApplication::setActiveWindow(modal != nullptr ? modal : host.WindowOf(*main)->Window());
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

void ExpectPicture(const gui::QtHost& host, const ui::Form& form, const std::string& name,
                   qint64 minBytes) {
    ASSERT_NE(host.WindowOf(form), nullptr);
    EXPECT_GT(QFileInfo(SaveScreenshot(host.WindowOf(form)->Window(), name)).size(), minBytes)
        << name;
}

void ShootDialog(const gui::QtHost& host, ui::Form& dialog, const std::string& name) {
    dialog.Show();
    SettleEvents();
    ASSERT_NE(host.WindowOf(dialog), nullptr);
    ExpectTextsFit(host, dialog);
    ExpectPicture(host, dialog, name, 500);
    dialog.Unload();
    SettleEvents();
}

}  // namespace guitest
