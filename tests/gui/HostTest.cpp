// The host's services: message boxes, file dialogs, timers, posted work, the busy pointer,
// the clipboard and the screen.
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <thread>

#include "GuiFixture.h"
#include "support/TempDir.h"

namespace guitest {
namespace {

using Host = GuiFixture;

TEST_F(Host, MessageBoxShowsTheStyleAndReturnsTheAnswer) {
    QString text;
    QString title;
    bool noIsDefault = false;
    host.Post([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::No)->click();
    });
    const int answer =
        host.MsgBox("            Are you sure ? ",
                    ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, "Close window");
    EXPECT_EQ(answer, ui::vbNo);
    EXPECT_EQ(text, QString(12, QChar(0x00A0)) + QStringLiteral("Are you sure ? "))
        << "leading blanks kept";
    EXPECT_EQ(title, QStringLiteral("Close window"));
    EXPECT_TRUE(noIsDefault);

    host.Post([&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(host.MsgBox("  Incorrect value", ui::vbOKOnly + ui::vbExclamation, "Warning"),
              ui::vbOK);
}

TEST_F(Host, FileDialogsTakeTheRequestAndGiveThePath) {
    testsupport::TempDir dir;
    ui::FileDialog d;
    d.DialogTitle = "Save program";
    d.Filter = "file program (*.XPG)|*.XPG";
    d.InitDir = dir.Path();
    d.FileName = "prog1.XPG";
    QStringList filters;
    host.Post([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        filters = dialog->nameFilters();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save program"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        static_cast<QDialog*>(dialog)->accept();
    });
    ASSERT_TRUE(host.ShowSave(d));
    EXPECT_EQ(d.FileName, dir.File("prog1.XPG"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("file program (*.XPG) (*.XPG)")});

    host.Post([] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->reject();
    });
    d.FileName.clear();
    EXPECT_FALSE(host.ShowOpen(d)) << "cancelled";
    EXPECT_TRUE(d.FileName.empty());
}

TEST_F(Host, TimersFireWhileEnabledOnALoadedForm) {
    form.Timer1.SetInterval(5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.log.size() >= 2; }));
    EXPECT_EQ(form.log[0], "Timer1.Timer");
    form.Timer1.SetTimerEnabled(false);
    const size_t ticks = form.log.size();
    QTest::qWait(30);
    EXPECT_EQ(form.log.size(), ticks);
    form.Timer1.On().Timer = [this](int16_t) { form.Unload(); };
    form.Timer1.SetTimerEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Loaded(); }));
    QTest::qWait(20);
}

TEST_F(Host, PostRunsWorkFromOtherThreadsOnTheGuiThread) {
    std::atomic<bool> ran{false};
    std::thread::id where;
    std::thread worker([&] {
        host.Post([&] {
            where = std::this_thread::get_id();
            ran = true;
        });
    });
    worker.join();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ran.load(); }));
    EXPECT_EQ(where, std::this_thread::get_id());
}

TEST_F(Host, BusyPointerClipboardAndScreen) {
    host.SetMousePointer(ui::vbArrowHourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BusyCursor);
    host.SetMousePointer(ui::vbHourglass);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    host.SetMousePointer(ui::vbDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);

    form.SetMousePointer(ui::vbArrowHourglass);
    EXPECT_EQ(Window()->cursor().shape(), Qt::BusyCursor);
    form.SetMousePointer(ui::vbDefault);
    EXPECT_EQ(Window()->cursor().shape(), Qt::ArrowCursor);

    host.SetClipboardText("5 \x80");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("5 \u20AC"));
    EXPECT_EQ(host.ClipboardText(), "5 \x80");

    const sys::ScreenMetrics screen = host.Screen();
    EXPECT_GT(screen.WidthPx, 0);
    EXPECT_DOUBLE_EQ(screen.DpiX, 96.0);
    EXPECT_GE(host.NowMs(), 0);
}

}  // namespace
}  // namespace guitest
