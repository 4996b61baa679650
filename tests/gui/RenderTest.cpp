// The test form shown with real widgets: one widget of the right kind per control, in its
// container, and every property change from code mirrored at once.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>

#include "GuiFixture.h"
#include "gui/Geometry.h"

namespace guitest {
namespace {

using Render = GuiFixture;

TEST_F(Render, EveryControlHasItsWidgetInItsContainer) {
    EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Control test"));
    EXPECT_EQ(Surface()->size(), QSize(9240 / 15, 6360 / 15)) << "client area in twips";
    EXPECT_EQ(W<QLabel>(form.Label1)->text(), QStringLiteral("Level [dB]"));
    EXPECT_NE(W<QLineEdit>(form.Text1), nullptr);
    EXPECT_EQ(W<QPushButton>(form.Command1)->text(), QStringLiteral("Apply"));
    EXPECT_NE(W<QCheckBox>(form.Check1), nullptr);
    EXPECT_TRUE(W<QPushButton>(form.Check2)->isCheckable()) << "graphical check box";
    EXPECT_EQ(W<QGroupBox>(form.Frame1)->title(), QStringLiteral("Graph view"));
    QRadioButton* mag = W<QRadioButton>(form.Option1(0));
    EXPECT_EQ(mag->parentWidget(), host.WidgetOf(form.Frame1));
    EXPECT_FALSE(mag->autoExclusive());
    EXPECT_TRUE(mag->isChecked());
    EXPECT_FALSE(W<QComboBox>(form.Combo1)->isEditable());
    EXPECT_TRUE(W<QComboBox>(form.Combo2)->isEditable());
    EXPECT_EQ(W<QListWidget>(form.List1)->count(), 4);
    EXPECT_EQ(host.WidgetOf(form.Timer1), nullptr) << "a timer shows nothing";
    EXPECT_EQ(W<QSlider>(form.Slider2)->orientation(), Qt::Vertical);
    EXPECT_TRUE(W<QSlider>(form.Slider2)->invertedAppearance()) << "minimum at the top";
    EXPECT_EQ(W<QProgressBar>(form.ProgressBar1)->value(), 4000);
    EXPECT_EQ(host.WidgetOf(form.Command2(1))->parentWidget(), host.WidgetOf(form.Toolbar1));
    EXPECT_EQ(host.WidgetOf(form.Command2(1))->toolTip(), QStringLiteral("Save program to PC"));
    EXPECT_EQ(host.WidgetOf(form.Picture1)->geometry(), gui::PixelRect(form.Picture1));

    QTabBar* bar = host.WidgetOf(form.SSTab1)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->count(), 3);
    EXPECT_EQ(bar->tabText(1), QStringLiteral("Output1"));
    EXPECT_TRUE(host.WidgetOf(form.Label3)->isVisible());
    EXPECT_FALSE(host.WidgetOf(form.Text6)->isVisible()) << "on another tab";
}

TEST_F(Render, PropertyChangesFromCodeReachTheWidgets) {
    form.Command1.SetCaption("Store");
    EXPECT_EQ(W<QPushButton>(form.Command1)->text(), QStringLiteral("Store"));
    form.Label1.SetCaption("Caf\xE9 \x80");
    EXPECT_EQ(W<QLabel>(form.Label1)->text(), QString::fromUtf8("Caf\u00E9 \u20AC"));
    form.Label1.SetBackColor(ui::RGB(255, 255, 0));
    EXPECT_EQ(W<QLabel>(form.Label1)->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_TRUE(W<QLabel>(form.Label1)->autoFillBackground());
    form.Label1.SetBackStyle(0);
    EXPECT_FALSE(W<QLabel>(form.Label1)->autoFillBackground()) << "transparent";
    form.Text1.SetForeColor(ui::vbRed);
    EXPECT_EQ(W<QLineEdit>(form.Text1)->palette().color(QPalette::Text), QColor(255, 0, 0));
    form.Label1.SetFont(12, true);
    EXPECT_TRUE(W<QLabel>(form.Label1)->font().bold());
    EXPECT_EQ(W<QLabel>(form.Label1)->font().pixelSize(), 16);

    form.Frame1.SetVisible(false);
    EXPECT_FALSE(W<QRadioButton>(form.Option1(0))->isVisible()) << "inside a hidden frame";
    form.Frame1.SetVisible(true);
    EXPECT_TRUE(W<QRadioButton>(form.Option1(0))->isVisible());
    form.Command1.SetEnabled(false);
    EXPECT_FALSE(host.WidgetOf(form.Command1)->isEnabled());
    form.SetEnabled(false);
    EXPECT_FALSE(Window()->isEnabled());
    form.SetEnabled(true);

    form.Combo1.AddItem("16:1");
    EXPECT_EQ(W<QComboBox>(form.Combo1)->count(), 5);
    form.Combo1.SetListIndex(4);
    EXPECT_EQ(W<QComboBox>(form.Combo1)->currentText(), QStringLiteral("16:1"));
    form.List1.SetListIndex(2);
    EXPECT_EQ(W<QListWidget>(form.List1)->currentRow(), 2);
    form.List1.Clear();
    EXPECT_EQ(W<QListWidget>(form.List1)->count(), 0);

    form.Check1.SetValue(1);
    EXPECT_EQ(W<QCheckBox>(form.Check1)->checkState(), Qt::Checked);
    form.Check1.SetValue(2);
    EXPECT_EQ(W<QCheckBox>(form.Check1)->checkState(), Qt::PartiallyChecked);
    form.Option1(1).SetValue(true);
    EXPECT_FALSE(W<QRadioButton>(form.Option1(0))->isChecked());
    EXPECT_TRUE(W<QRadioButton>(form.Option1(1))->isChecked());
    form.Slider1.SetValue(30);
    EXPECT_EQ(W<QSlider>(form.Slider1)->value(), 30);
    form.Slider1.SetRange(0, 20);
    EXPECT_EQ(W<QSlider>(form.Slider1)->maximum(), 20);
    EXPECT_EQ(W<QSlider>(form.Slider1)->value(), 20);
    form.Text2.SetText("-127");
    EXPECT_EQ(W<QLineEdit>(form.Text2)->text(), QStringLiteral("-127"));
    form.ProgressBar1.SetValue(155);
    EXPECT_EQ(W<QProgressBar>(form.ProgressBar1)->value(), 10000);
    form.SSTab1.SetTab(2);
    EXPECT_TRUE(host.WidgetOf(form.Check3)->isVisible());
    EXPECT_FALSE(host.WidgetOf(form.Label3)->isVisible());
    form.SSTab1.SetTabCaption(2, "Overview");
    EXPECT_EQ(host.WidgetOf(form.SSTab1)->findChild<QTabBar*>()->tabText(2),
              QStringLiteral("Overview"));
    form.SetCaption("IP:192.168.0.20 Velotrix - Program load from device - 01: Main");
    EXPECT_EQ(Window()->windowTitle(),
              QStringLiteral("IP:192.168.0.20 Velotrix - Program load from device - 01: Main"));
    form.Command1.Move(5340, 600, 1335, 375);
    EXPECT_EQ(host.WidgetOf(form.Command1)->geometry(), QRect(356, 40, 89, 25));

    form.Command1.SetContainer(&form.Toolbar1);
    EXPECT_EQ(host.WidgetOf(form.Command1)->parentWidget(), host.WidgetOf(form.Toolbar1));
    form.Text1.SetContainer(&form.SSTab1, 2);
    EXPECT_TRUE(host.WidgetOf(form.Text1)->isVisible()) << "moved onto the current tab";

    EXPECT_EQ(form.log,
              (std::vector<std::string>{"Combo1.Click", "List1.Click", "Check1.Click",
                                        "Check1.Click", "Option1.Click(1)", "Slider1.Change",
                                        "Slider1.Change", "Text2.Change", "SSTab1.Click"}))
        << "code fires what code fires, never Scroll or key events";
}

TEST_F(Render, LightweightControlsStayBehindWindowedOnes) {
    form.Label1.Move(1440, 120, 1095, 285);
    form.Label1.ZOrder(0);
    const QObjectList& order = Surface()->children();
    EXPECT_LT(order.indexOf(host.WidgetOf(form.Label1)), order.indexOf(host.WidgetOf(form.Text1)));
    form.Command1.ZOrder(1);
    EXPECT_LT(order.indexOf(host.WidgetOf(form.Command1)),
              order.indexOf(host.WidgetOf(form.Text1)));
    EXPECT_GT(order.indexOf(host.WidgetOf(form.Command1)),
              order.indexOf(host.WidgetOf(form.Label1)));
}

TEST_F(Render, PictureBoxPaintsItsDisplayList) {
    ui::PictureBox& p = form.Picture1;
    p.Line(10, 20, 150, 20, ui::vbRed);
    p.SetDrawWidth(3);
    p.SetForeColor(ui::vbBlue);
    p.MoveTo(10, 60);
    p.LineTo(150, 60);
    p.PSet(200, 80, ui::RGB(0, 128, 0));
    p.SetCurrentXY(10, 90);
    p.SetForeColor(ui::vbBlack);
    p.Print("+180");
    const QImage image = host.WidgetOf(p)->grab().toImage();
    EXPECT_EQ(image.pixelColor(80, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(80, 21), QColor(255, 255, 255)) << "one pixel wide";
    EXPECT_EQ(image.pixelColor(80, 59), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(80, 61), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(200, 80), QColor(0, 128, 0));
    int dark = 0;
    for (int y = 90; y < 105; ++y) {
        for (int x = 10; x < 40; ++x) dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
    }
    EXPECT_GT(dark, 10) << "the printed text";
    p.Cls();
    EXPECT_EQ(host.WidgetOf(p)->grab().toImage().pixelColor(80, 20), QColor(255, 255, 255));
}

TEST_F(Render, TextsFitTheirControls) {
    ExpectTextsFit(host, form);
}

TEST_F(Render, Screenshot) {
    form.Picture1.SetForeColor(ui::vbBlue);
    form.Picture1.MoveTo(0, 56);
    for (int x = 0; x < 233; x += 4) form.Picture1.LineTo(x, 56 - 40 * std::sin(x / 20.0));
    form.Text1.SetText("12");
    form.Combo2.SetText("1000");
    form.List1.SetListIndex(1);
    form.Check1.SetValue(1);
    form.Slider1.SetValue(18);
    form.Slider2.SetValue(5);
    Settle();
    ExpectPicture(host, form, "controls");
}

}  // namespace
}  // namespace guitest
