// A person's actions on the real widgets reach the controls as their events, in order.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

#include "GuiFixture.h"

namespace guitest {
namespace {

using Log = std::vector<std::string>;
using Input = GuiFixture;

// A point on the slider's groove near its maximum end.
QPoint NearTheEnd(const QSlider* s) {
    QStyleOptionSlider option;
    option.initFrom(s);
    option.orientation = s->orientation();
    option.minimum = s->minimum();
    option.maximum = s->maximum();
    option.sliderPosition = s->value();
    option.tickPosition = s->tickPosition();
    const QRect groove =
        s->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, s);
    return {groove.right() - 2, groove.center().y()};
}

TEST_F(Input, ClicksPicksAndTypingFireTheHandlersInOrder) {
    QTest::mouseClick(W<QPushButton>(form.Command1), Qt::LeftButton);
    QTest::mouseClick(W<QCheckBox>(form.Check1), Qt::LeftButton);
    QTest::mouseClick(W<QRadioButton>(form.Option1(1)), Qt::LeftButton);
    QTest::keyClick(W<QComboBox>(form.Combo1), Qt::Key_Down);
    QSlider* slider = W<QSlider>(form.Slider1);
    QTest::mouseClick(slider, Qt::LeftButton, {}, NearTheEnd(slider));
    QTest::mouseClick(host.WidgetOf(form.UpDown1)->findChild<QToolButton*>("up"), Qt::LeftButton);
    QTabBar* bar = host.WidgetOf(form.SSTab1)->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QTest::keyClicks(W<QLineEdit>(form.Text1), "12");
    QTest::keyClick(W<QLineEdit>(form.Text1), Qt::Key_Return);
    QTest::keyClicks(W<QLineEdit>(form.Text2), "12");
    QTest::keyClick(W<QLineEdit>(form.Text2), Qt::Key_Return);

    EXPECT_EQ(form.log,
              (Log{"Command1.Click", "Check1.Click", "Option1.Click(1)", "Combo1.Click",
                   "Slider1.Scroll", "Slider1.Change", "UpDown1.Change", "SSTab1.Click",
                   "Text1.KeyPress 49", "Text1.Change", "Text1.KeyPress 50", "Text1.Change",
                   "Text1.KeyPress 13", "Text1.Change", "Text2.KeyPress 49", "Text2.Change",
                   "Text2.KeyPress 50", "Text2.Change", "Text2.KeyPress 13"}));
    EXPECT_EQ(form.Text1.Text(), "12?") << "KeyPress replaced Enter by \"?\"";
    EXPECT_EQ(W<QLineEdit>(form.Text1)->text(), QStringLiteral("12?"));
    EXPECT_EQ(form.Text2.Text(), "12") << "Enter types nothing into a one-line box";
    EXPECT_EQ(form.Check1.Value(), 1);
    EXPECT_TRUE(W<QCheckBox>(form.Check1)->isChecked());
    EXPECT_TRUE(form.Option1(1).Value());
    EXPECT_FALSE(W<QRadioButton>(form.Option1(0))->isChecked()) << "the control cleared it";
    EXPECT_EQ(form.Combo1.ListIndex(), 1);
    EXPECT_EQ(form.Slider1.Value(), 6);
    EXPECT_EQ(form.UpDown1.Value(), 1);
    EXPECT_EQ(W<QLabel>(form.Label2)->text(), QStringLiteral("1"));
    EXPECT_EQ(form.SSTab1.Tab(), 1);
    EXPECT_TRUE(host.WidgetOf(form.Text6)->isVisible());
    EXPECT_FALSE(host.WidgetOf(form.Label3)->isVisible());
}

TEST_F(Input, ARefusedActionLeavesTheWidgetAsTheControlIs) {
    QTest::mouseClick(W<QRadioButton>(form.Option1(0)), Qt::LeftButton);
    EXPECT_TRUE(W<QRadioButton>(form.Option1(0))->isChecked()) << "a click never unchecks";
    form.Check1.On().Click = [this](int16_t) { form.Check1.SetValue(0); };
    QTest::mouseClick(W<QCheckBox>(form.Check1), Qt::LeftButton);
    EXPECT_EQ(form.Check1.Value(), 0);
    EXPECT_FALSE(W<QCheckBox>(form.Check1)->isChecked());
    form.SSTab1.On().Click = [this](int16_t) {
        if (form.SSTab1.Tab() == 2) form.SSTab1.SetTab(0);
    };
    QTabBar* bar = host.WidgetOf(form.SSTab1)->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(form.SSTab1.Tab(), 0);
    EXPECT_EQ(bar->currentIndex(), 0);
    EXPECT_TRUE(host.WidgetOf(form.Label3)->isVisible());
}

TEST_F(Input, EditableComboTypesThroughKeyPressAndPicksWithArrows) {
    QComboBox* combo = W<QComboBox>(form.Combo2);
    combo->setFocus();
    QTest::keyClicks(combo, "5x");
    EXPECT_EQ(form.Combo2.Text(), "5x");
    EXPECT_EQ(combo->currentText(), QStringLiteral("5x"));
    QTest::keyClick(combo, Qt::Key_Backspace);
    EXPECT_EQ(form.Combo2.Text(), "5");
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(form.Combo2.ListIndex(), 0);
    EXPECT_EQ(combo->currentText(), QStringLiteral("100"));
    EXPECT_EQ(form.log,
              (Log{"Combo2.KeyPress 53", "Combo2.Change", "Combo2.KeyPress 120", "Combo2.Change",
                   "Combo2.KeyPress 8", "Combo2.Change", "Combo2.Click"}));
}

// A click on the row already selected, and Space or Enter on it, click it again.
TEST_F(Input, ListPicksRepeatedPicksAndDoubleClicksAndTabStripDoubleClick) {
    QListWidget* list = W<QListWidget>(form.List1);
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(form.List1.ListIndex(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::keyClick(list, Qt::Key_Space);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(form.List1.ListIndex(), 1);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    QTabBar* bar = host.WidgetOf(form.SSTab1)->findChild<QTabBar*>();
    QTest::mouseDClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_EQ(form.log, (Log{"List1.Click", "List1.Click", "List1.Click", "List1.Click",
                             "List1.DblClick", "SSTab1.DblClick"}));
}

TEST_F(Input, LabelAndPictureMouseEventsInTheirUnits) {
    QTest::mouseClick(host.WidgetOf(form.Label1), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mousePress(host.WidgetOf(form.Picture1), Qt::RightButton, {}, QPoint(30, 40));
    QTest::mouseRelease(host.WidgetOf(form.Picture1), Qt::RightButton, {}, QPoint(30, 40));
    EXPECT_EQ(form.log, (Log{"Label1.MouseDown 1 150,75", "Label1.MouseUp 1 150,75", "Label1.Click",
                             "Picture1.MouseDown 2 30,40", "Picture1.MouseUp 2 30,40"}))
        << "labels in twips, pictures in pixels; a right click is no Click";
    form.log.clear();
    // A double click: a click, then the second press arrives as a double click.
    QTest::mouseClick(host.WidgetOf(form.Label1), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseDClick(host.WidgetOf(form.Label1), Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(host.WidgetOf(form.Label1), Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(form.log, (Log{"Label1.MouseDown 1 150,75", "Label1.MouseUp 1 150,75", "Label1.Click",
                             "Label1.DblClick", "Label1.MouseUp 1 150,75"}));
}

TEST_F(Input, DraggingOverALabelReportsTheHeldButton) {
    Log moves;
    form.Label1.On().MouseMove = [&](int16_t, int16_t button, int16_t, float x, float y) {
        moves.push_back(std::to_string(button) + " " + std::to_string(static_cast<int>(x)) + "," +
                        std::to_string(static_cast<int>(y)));
    };
    QWidget* label = host.WidgetOf(form.Label1);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(label, QPoint(40, 8));
    QTest::mouseMove(label, QPoint(120, 8));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(120, 8));
    EXPECT_EQ(moves, (Log{"1 600,120", "1 1800,120"})) << "outside the label too while held";
    EXPECT_EQ(form.log.back(), "Label1.MouseUp 1 1800,120") << "no Click off the label";
}

TEST_F(Input, CaretClipboardAndDeleteGoThroughTheControl) {
    QLineEdit* edit = W<QLineEdit>(form.Text2);
    form.Text2.SetText("-127");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    EXPECT_EQ(form.Text2.SelStart(), 4) << "caret moves are copied back";
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(form.Text2.SelStart(), 0);
    EXPECT_EQ(form.Text2.SelLength(), 4);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("-127"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(form.Text2.Text(), "127");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.Text2.Text(), "-127127");
    EXPECT_EQ(edit->text(), QStringLiteral("-127127"));
    EXPECT_EQ(edit->cursorPosition(), 4);
    const Log keys{"Text2.KeyPress 3", "Text2.KeyPress 22"};
    Log pressed;
    for (const auto& e : form.log) {
        if (e.rfind("Text2.KeyPress", 0) == 0) pressed.push_back(e);
    }
    EXPECT_EQ(pressed, keys);
}

TEST_F(Input, MultiLineBoxKeepsCrLf) {
    form.Text2.SetMultiLine(true);
    auto* edit = W<QPlainTextEdit>(form.Text2);
    ASSERT_NE(edit, nullptr) << "a multi-line box is a plain text editor";
    edit->setFocus();
    QTest::keyClicks(edit, "ab");
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClicks(edit, "c");
    EXPECT_EQ(form.Text2.Text(), "ab\r\nc");
    EXPECT_EQ(edit->toPlainText(), QStringLiteral("ab\nc"));
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Left);
    EXPECT_EQ(form.Text2.SelStart(), 2) << "before the line break";
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(form.Text2.Text(), "a\r\nc");
}

TEST_F(Input, SetFocusFromAHandlerMovesTheKeyboardFocus) {
    QWidget* text1 = host.WidgetOf(form.Text1);
    QWidget* text2 = host.WidgetOf(form.Text2);
    text2->setFocus();
    EXPECT_EQ(form.Focused(), &form.Text2) << "the person's focus reaches the form";
    form.Text2.On().KeyPress = [this](int16_t, int16_t& key) {
        if (key == ui::vbKeyReturn) form.Text1.SetFocus();
    };
    QTest::keyClick(text2, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), text1);
}

TEST_F(Input, EnterAndEscapePressTheDefaultAndCancelButtons) {
    form.Command1.SetDefault(true);
    form.Command2(1).SetCancel(true);
    QTest::keyClick(W<QLineEdit>(form.Text2), Qt::Key_Return);
    QTest::keyClick(W<QLineEdit>(form.Text2), Qt::Key_Escape);
    QTest::keyClick(W<QCheckBox>(form.Check1), Qt::Key_Return);
    EXPECT_EQ(form.log, (Log{"Command1.Click", "Command2.Click(1)", "Command1.Click"}))
        << "the box sees no KeyPress";
}

}  // namespace
}  // namespace guitest
