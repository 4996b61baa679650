// What a screen reader finds in the windows: every button of the editor has a name, no two
// text boxes of a tab share one, option buttons are radio buttons, and the labels that act
// on a click take the keyboard focus and offer a press that does what the click does. A
// message box is read by its title and text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "editor/FrmCtrl.h"
#include "gui/AccessibleNames.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"

namespace guitest {
namespace {

bool IsButton(QAccessible::Role r) {
    return r == QAccessible::Button || r == QAccessible::CheckBox ||
           r == QAccessible::RadioButton || r == QAccessible::ButtonMenu ||
           r == QAccessible::ButtonDropDown;
}

// Every interface a screen reader reaches from the window, hidden ones left out.
void Walk(QAccessibleInterface* i, std::vector<QAccessibleInterface*>& out) {
    if (i == nullptr || i->state().invisible) return;
    out.push_back(i);
    for (int k = 0; k < i->childCount(); ++k) Walk(i->child(k), out);
}

bool Offers(QAccessibleInterface* i, const QString& action) {
    QAccessibleActionInterface* a = i != nullptr ? i->actionInterface() : nullptr;
    return a != nullptr && a->actionNames().contains(action);
}

void Do(QAccessibleInterface* i, const QString& action) {
    ASSERT_TRUE(Offers(i, action));
    i->actionInterface()->doAction(action);
    SettleEvents();
}

std::string Name(QAccessibleInterface* i) {
    return i->text(QAccessible::Name).toStdString();
}

class Accessibility : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        s->DevModel[kSlot] = 1;
    }
    QAccessibleInterface* Of(const ui::Control& c) {
        QWidget* w = host.WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Path();
        return w != nullptr ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
};

TEST_F(Accessibility, EveryTabOfTheEditorReadsWithoutGapsOrTwins) {
    OpenEditor();
    QWidget* window = host.WindowOf(*f)->Window();
    for (int16_t tab = 0; tab < f->SSTab1.Tabs(); ++tab) {
        SCOPED_TRACE(f->SSTab1.TabCaption(tab));
        f->SSTab1.SetTab(tab);
        SettleEvents();
        std::vector<QAccessibleInterface*> all;
        Walk(QAccessible::queryAccessibleInterface(window), all);
        std::map<std::string, int> textBoxes;
        int buttons = 0;
        for (QAccessibleInterface* i : all) {
            const std::string where =
                i->object() != nullptr ? i->object()->objectName().toStdString() : std::string("?");
            if (IsButton(i->role())) {
                ++buttons;
                EXPECT_FALSE(i->text(QAccessible::Name).trimmed().isEmpty())
                    << "unnamed button " << where;
            }
            if (i->role() == QAccessible::EditableText) {
                EXPECT_FALSE(Name(i).empty()) << "unnamed text box " << where;
                EXPECT_EQ(++textBoxes[Name(i)], 1) << "two text boxes read " << Name(i);
            }
        }
        EXPECT_GT(buttons, 20);
        for (ui::Control* c : f->Controls()) {
            if (!c->Shown()) continue;
            if (gui::ClickableLabel(*c)) {
                EXPECT_TRUE(Offers(Of(*c), QAccessibleActionInterface::pressAction()))
                    << "clickable label without a press " << c->Path();
                EXPECT_TRUE(host.WidgetOf(*c)->focusPolicy() & Qt::TabFocus) << c->Path();
            }
            if (c->GetKind() == ui::Kind::OptionButton) {
                EXPECT_EQ(Of(*c)->role(), QAccessible::RadioButton) << c->Path();
            }
        }
    }
}

TEST_F(Accessibility, NamesComeFromCaptionsFramesTabsAndLabels) {
    OpenEditor();
    f->SSTab1.SetTab(1);
    SettleEvents();
    // An output tab carries the output's channel name ("Out1" by default).
    EXPECT_EQ(Name(Of(f->Text4(1))), "Out1 Equalizer Freq [Hz] 2");
    EXPECT_EQ(Name(Of(f->Text8(0))), "Out1 High Pass Filter Freq [Hz]");
    EXPECT_EQ(Name(Of(f->Text400(0))), "Out1 RMS Compressor Threshold [dBu]");
    EXPECT_EQ(Name(Of(f->Check1(8))), "Out1 Lev [dB] Mute");
    EXPECT_EQ(Name(Of(f->Command17)), "Version");
    f->SSTab1.SetTab(FrmCtrl::kTabRouting);
    SettleEvents();
    EXPECT_EQ(Name(Of(f->Check9(2 * 8 + 4))), "Routing Output Routing Inp5 Out3");
    EXPECT_EQ(Name(Of(f->Option2(2))), "Routing Output Selected Out3");
    EXPECT_EQ(Name(Of(f->Text3(0))), "Routing Editing mix routing In1");
}

TEST_F(Accessibility, JumpLabelsAndOptionButtonsActOnTheirPress) {
    OpenEditor();
    f->SSTab1.SetTab(FrmCtrl::kTabOverview);
    SettleEvents();
    Do(Of(f->Label300(18)), QAccessibleActionInterface::pressAction());  // "Outpu3"
    EXPECT_EQ(f->SSTab1.Tab(), 3);

    f->SSTab1.SetTab(FrmCtrl::kTabOverview);
    SettleEvents();
    QWidget* jump = host.WidgetOf(f->Label300(20));  // "Outpu5"
    jump->setFocus();
    QTest::keyClick(jump, Qt::Key_Space);
    SettleEvents();
    EXPECT_EQ(f->SSTab1.Tab(), 5);

    // "Phase" of output 5: the option is chosen and the phase scale shows.
    QAccessibleInterface* phase = Of(f->Option4(4));
    Do(phase, QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(f->Option4(4).Value());
    EXPECT_FALSE(f->Option3(4).Value());
    EXPECT_TRUE(phase->state().checked);
    EXPECT_TRUE(f->Label9(4 * 9).Visible());
}

TEST_F(Accessibility, TheStatusWindowOpensTheEditorFromTheKeyboardAndByItsPress) {
    ModProject::ShowDeviceWindow(*s, kSlot);
    FrmDevice& w = FrmDeviceOf(*s, kSlot);
    SettleEvents();
    QAccessibleInterface* edit = Of(w.Label2);
    EXPECT_EQ(Name(edit), "Edit");
    EXPECT_EQ(Name(Of(w.Label1)), "Connect");
    EXPECT_TRUE(Offers(Of(w.Label1), QAccessibleActionInterface::pressAction()));
    EXPECT_TRUE(Offers(Of(w.Label10), QAccessibleActionInterface::pressAction()));
    Do(edit, QAccessibleActionInterface::pressAction());
    ASSERT_NE(ExistingFrmCtrl(*s, kSlot), nullptr);
    EXPECT_NE(s->EditorSlot[kSlot][0], 0);

    s->DevOffline[kSlot] = true;
    ExistingFrmCtrl(*s, kSlot)->Unload();
    SettleEvents();
    QWidget* label = host.WidgetOf(w.Label2);
    label->setFocus();
    QTest::keyClick(label, Qt::Key_Return);
    SettleEvents();
    EXPECT_NE(ExistingFrmCtrl(*s, kSlot), nullptr);
}

// Once the next message box is up: what a screen reader reads of it (its name and its
// texts in order) into read; then its last button closes it.
void ReadNextBox(std::vector<std::string>& read) {
    read.clear();
    QTimer::singleShot(50, [&read] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(box);
        read.push_back(Name(i));
        std::vector<QAccessibleInterface*> all;
        Walk(i, all);
        for (QAccessibleInterface* k : all) {
            if (k->role() == QAccessible::StaticText || k->role() == QAccessible::Graphic) {
                read.push_back(Name(k));
            }
        }
        box->buttons().constLast()->click();
    });
}

TEST_F(Accessibility, AMessageBoxIsReadByItsTitleAndText) {
    std::vector<std::string> read;
    ReadNextBox(read);
    host.MsgBox("                Are you sure?", ui::vbYesNo, "Delete Device");
    EXPECT_EQ(read, (std::vector<std::string>{"Delete Device", "Are you sure?"}));

    ReadNextBox(read);
    host.MsgBox("Please wait the last requested operation to be accomplished",
                ui::vbOKOnly + ui::vbExclamation, "Exit");
    EXPECT_EQ(read, (std::vector<std::string>{
                        "Exit", "Warning",
                        "Please wait the last requested operation to be accomplished"}));
}

}  // namespace
}  // namespace guitest
