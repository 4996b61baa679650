// Windows: modal forms, closing with QueryUnload, the person resizing and minimising, MDI
// children and their activation, controls that come and go while shown.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "GuiFixture.h"
#include "gui/Geometry.h"

namespace guitest {
namespace {

using Log = std::vector<std::string>;
using Windows = GuiFixture;

size_t Count(const Log& log, const std::string& entry) {
    return static_cast<size_t>(std::count(log.begin(), log.end(), entry));
}

TEST_F(Windows, ModalFormRunsUntilAPostedActionClosesIt) {
    GuiTestForm dialog(host, ui::FormKind::Normal, "FrmDialog");
    dialog.Command1.SetDefault(true);
    dialog.Command1.On().Click = [&](int16_t) { dialog.Unload(); };
    bool sawModal = false;
    host.Post([&] {
        QWidget* w = host.WindowOf(dialog)->Window();
        sawModal = w->isVisible() && w->isModal();
        // Enter in a text box presses the default button, whose handler unloads the form.
        QTest::keyClick(host.WidgetOf(dialog.Text2), Qt::Key_Return);
    });
    dialog.ShowModal();
    EXPECT_TRUE(sawModal);
    EXPECT_FALSE(dialog.Loaded());
    EXPECT_EQ(host.WindowOf(dialog), nullptr);
    EXPECT_EQ(dialog.lifecycle, (Log{"Load", "Resize", "Activate", "QueryUnload 1", "Unload"}));
    EXPECT_EQ(host.ActiveForm(), &form) << "the form it was opened from is active again";
    Settle();
}

TEST_F(Windows, HiddenModalFormCanBeShownAgain) {
    GuiTestForm dialog(host, ui::FormKind::Normal, "FrmDialog");
    int clicks = 0;
    dialog.Command1.On().Click = [&](int16_t) {
        ++clicks;
        dialog.Hide();
    };
    for (int round = 0; round < 2; ++round) {
        host.Post([&] {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(dialog)->Window()));
            QTest::mouseClick(host.WidgetOf(dialog.Command1), Qt::LeftButton);
        });
        dialog.ShowModal();
        EXPECT_FALSE(dialog.Visible());
        EXPECT_FALSE(host.WindowOf(dialog)->Window()->isVisible());
    }
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(Count(dialog.lifecycle, "Load"), 1u);
}

TEST_F(Windows, QueryUnloadCancelKeepsTheWindow) {
    const QPointer<QWidget> window = Window();
    form.cancelClose = -1;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(form.Loaded());
    form.cancelClose = 0;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(form.Loaded());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Count(form.lifecycle, "QueryUnload 0"), 2u) << "closed by the person";
    EXPECT_EQ(form.lifecycle.back(), "Unload");
    Settle();
}

TEST_F(Windows, PersonResizesAndTheFormMaySnapBack) {
    Surface()->resize(700, 500);
    (void)QTest::qWaitFor([&] { return form.ScaleWidth() == 700 * 15; });
    EXPECT_EQ(form.ScaleHeight(), 500 * 15);
    form.holdSize = true;
    const size_t resizes = Count(form.lifecycle, "Resize");
    Surface()->resize(650, 480);
    (void)QTest::qWaitFor([&] { return Surface()->size() == QSize(616, 424); });
    EXPECT_EQ(Surface()->size(), QSize(616, 424));
    EXPECT_EQ(form.ScaleWidth(), 9240);
    EXPECT_GT(Count(form.lifecycle, "Resize"), resizes);
}

TEST_F(Windows, MinimisingReachesTheForm) {
    Window()->showMinimized();
    (void)QTest::qWaitFor([&] { return form.WindowState() == ui::vbMinimized; });
    EXPECT_EQ(form.WindowState(), ui::vbMinimized);
    form.SetWindowState(ui::vbNormal);
    EXPECT_FALSE(Window()->isMinimized());
}

TEST_F(Windows, ControlsAddedAndRemovedWhileShown) {
    ui::CommandButton& extra = form.Command2.Load(7);
    extra.SetCaption("Read");
    extra.SetContainer(&form.Toolbar1);
    extra.Move(60, 60, 600, 375);
    QWidget* w = host.WidgetOf(extra);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget(), host.WidgetOf(form.Toolbar1));
    EXPECT_TRUE(w->isVisible());
    extra.On().Click = [&](int16_t) { form.Command2.Unload(7); };
    QTest::mouseClick(w, Qt::LeftButton);
    EXPECT_FALSE(form.Command2.Exists(7)) << "unloaded inside its own click";
    Settle();
    EXPECT_EQ(form.Find("Command2", 7), nullptr);
}

TEST_F(Windows, FormUnloadedInsideItsOwnHandler) {
    form.Command1.On().Click = [&](int16_t) { form.Unload(); };
    QTest::mouseClick(host.WidgetOf(form.Command1), Qt::LeftButton);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(host.WindowOf(form), nullptr);
    Settle();
    form.Command1.SetCaption("gone");
}

TEST_F(Windows, ControlDestroyedWhileShown) {
    {
        ui::Label temporary(form, "Temporary");
        form.Added(temporary);
        temporary.SetCaption("temporary");
        ASSERT_NE(host.WidgetOf(temporary), nullptr);
    }
    Settle();
    EXPECT_EQ(form.Find("Temporary"), nullptr);
}

class MdiMain : public ui::Form {
  public:
    explicit MdiMain(ui::Host& host) : ui::Form(host, "MDIFrmMain", ui::FormKind::MdiMain) {
        SetCaption("Velotrix");
        SetClientSize(15360, 10500);
        const char* captions[] = {"Load Project", "Save Project", "Add Device", "Remove Device",
                                  "Connect All",  "TCP/IP",       "Exit"};
        for (int16_t i = 0; i < 7; ++i) {
            ui::CommandButton& b = Command1.Load(i);
            b.Move(60 + i * 1500, 60, 1455, 375);
            b.SetCaption(captions[i]);
        }
    }
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};
};

TEST(Mdi, ChildrenAreSubwindowsOfTheMainWindowAndActivateInTurn) {
    gui::QtHost host;
    MdiMain main(host);
    main.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(main)->Window()));
    GuiTestForm a(host, ui::FormKind::MdiChild, "FrmA");
    GuiTestForm b(host, ui::FormKind::MdiChild, "FrmB");
    a.Move(300, 300, a.Width(), a.Height());
    b.Move(1500, 1200, b.Width(), b.Height());
    a.Show();
    b.Show();
    QMdiArea* area = host.WindowOf(main)->MdiArea();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(area->subWindowList().size(), 2);
    auto* subA = qobject_cast<QMdiSubWindow*>(host.WindowOf(a)->Window());
    ASSERT_NE(subA, nullptr);
    EXPECT_EQ(subA->mdiArea(), area);
    EXPECT_EQ(subA->pos(), QPoint(20, 20));
    EXPECT_EQ(host.WindowOf(a)->Surface()->size(), QSize(616, 424)) << "client area in twips";
    EXPECT_EQ(host.ActiveForm(), &b);
    EXPECT_EQ(a.lifecycle.back(), "Deactivate");

    area->setActiveSubWindow(subA);
    EXPECT_EQ(host.ActiveForm(), &a);
    EXPECT_EQ(a.lifecycle.back(), "Activate");
    EXPECT_EQ(b.lifecycle.back(), "Deactivate");

    subA->move(40, 60);
    EXPECT_EQ(a.Left(), 600) << "the person moved the window";
    EXPECT_EQ(a.Top(), 900);

    main.SetCaption("Velotrix Editor");
    EXPECT_EQ(host.WindowOf(main)->Window()->windowTitle(), QStringLiteral("Velotrix Editor"));
    EXPECT_EQ(host.WindowOf(main)->Surface()->height(), 29) << "the bar holds the buttons";
    QTest::qWait(20);
    ExpectPicture(host, main, "mdi");

    auto* subB = qobject_cast<QMdiSubWindow*>(host.WindowOf(b)->Window());
    subB->showMinimized();
    EXPECT_EQ(b.WindowState(), ui::vbMinimized);
    subB->showNormal();
    EXPECT_EQ(b.WindowState(), ui::vbNormal);
    EXPECT_EQ(host.WindowOf(b)->Surface()->size(), QSize(616, 424));

    EXPECT_TRUE(subA->close());
    EXPECT_EQ(a.lifecycle.back(), "Unload");
    EXPECT_EQ(host.ActiveForm(), &b);
    QTest::qWait(10);
}

}  // namespace
}  // namespace guitest
