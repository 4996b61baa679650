// What a screen reader finds in the windows: in the main window, the editor and every dialog
// each control has a name of its own (a combo box its label's, not its value), no two text
// boxes share one, no name holds a box glyph, option buttons are radio buttons, and the labels
// that act on a click take the keyboard focus and offer a press that does what the click does.
// A message box is read by its title and text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "GuiFixture.h"
#include "app/FrmVersion.h"
#include "app/MDIFrmMain.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmEditLabel.h"
#include "editor/FrmSelFilter.h"
#include "editor/senders/ChannelNames.h"
#include "gui/AccessibleNames.h"
#include "model/AddressTables.h"
#include "processing/FrmAM.h"
#include "processing/FrmCopyChannel.h"
#include "processing/FrmDucker.h"
#include "processing/FrmEqIn.h"
#include "processing/FrmLimiter.h"
#include "processing/FrmNG.h"
#include "programs/FrmEditNameSwitch.h"
#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"
#include "programs/FrmSwitch.h"
#include "project/DeviceWindows.h"
#include "project/FrmConfigure.h"
#include "project/FrmDevice.h"
#include "project/FrmHelpPriority.h"
#include "project/FrmNickName.h"
#include "project/FrmScan.h"
#include "project/FrmSearchCom.h"
#include "project/FrmSelect.h"
#include "project/FrmSetID.h"
#include "project/FrmSetIP.h"
#include "project/FrmWallPanel.h"
#include "project/Frm_ID_IP.h"
#include "support/TempDir.h"
#include "support/Typing.h"

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

// The widget that a screen reader reads by name in the window; nullptr when none is.
QWidget* Named(QWidget* window, const std::string& name) {
    std::vector<QAccessibleInterface*> all;
    Walk(QAccessible::queryAccessibleInterface(window), all);
    for (QAccessibleInterface* i : all) {
        if (Name(i) == name) return qobject_cast<QWidget*>(i->object());
    }
    return nullptr;
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

// A character a screen reader cannot read: a control character or the box glyph shown for
// one.
bool Unreadable(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xFFFD || u == 0x25A1;
}

bool ActedOn(QAccessible::Role r) {
    return IsButton(r) || r == QAccessible::ComboBox || r == QAccessible::EditableText ||
           r == QAccessible::Slider || r == QAccessible::SpinBox || r == QAccessible::List ||
           r == QAccessible::PageTab || r == QAccessible::ProgressBar;
}

// What a screen reader finds in the window: every control it can act on has a name of its
// own, a combo box is not read by its value, no two text boxes read alike, no name holds a
// control character or a box glyph.
void ExpectReadable(QWidget* window, const std::string& where) {
    std::vector<QAccessibleInterface*> all;
    Walk(QAccessible::queryAccessibleInterface(window), all);
    std::map<QString, int> textBoxes;
    for (QAccessibleInterface* i : all) {
        const QString name = i->text(QAccessible::Name);
        const std::string what =
            where + ": " +
            (i->object() != nullptr ? i->object()->objectName().toStdString() : std::string("?")) +
            " \"" + name.toStdString() + "\"";
        EXPECT_FALSE(std::any_of(name.begin(), name.end(), Unreadable)) << what;
        if (!ActedOn(i->role())) continue;
        EXPECT_FALSE(name.trimmed().isEmpty()) << "unnamed " << what;
        if (i->role() == QAccessible::ComboBox) {
            EXPECT_NE(name, i->text(QAccessible::Value)) << "read by its value " << what;
        }
        if (i->role() == QAccessible::EditableText) {
            EXPECT_EQ(++textBoxes[name], 1) << "two text boxes read alike " << what;
        }
    }
}

// Labels that act on a click take the keyboard focus and offer a press; option buttons are
// radio buttons.
void ExpectActionsOffered(const gui::QtHost& host, const ui::Form& form) {
    for (ui::Control* c : form.Controls()) {
        if (!c->Shown() || host.WidgetOf(*c) == nullptr) continue;
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(host.WidgetOf(*c));
        if (gui::ClickableLabel(*c)) {
            EXPECT_TRUE(Offers(i, QAccessibleActionInterface::pressAction())) << c->Path();
            EXPECT_TRUE(host.WidgetOf(*c)->focusPolicy() & Qt::TabFocus) << c->Path();
        }
        if (c->GetKind() == ui::Kind::OptionButton) {
            EXPECT_EQ(i->role(), QAccessible::RadioButton) << c->Path();
        }
    }
}

class EveryWindow : public MainWindowFixture {};

// The main window with a status window and the editor on each of its tabs, then every dialog,
// for a device whose names of input 3 and output 2 are zero bytes (shown empty).
TEST_F(EveryWindow, ReadsWithoutGapsTwinsOrGlyphs) {
    s->DevModel[kSlot] = 1;
    auto& image = s->DevImage[kSlot].ProgImage;
    for (int ch : {2, 9}) std::fill_n(image.begin() + model::ChNameAddr[ch], 6, 0);
    OpenEditor();
    // Such a name shows empty where it shows: on its tab, its overview label, its link box,
    // its column of the inputs and in the name editor's box.
    QTabBar* bar = host.WidgetOf(f->SSTab1)->findChild<QTabBar*>();
    EXPECT_NE(f->SSTab1.TabCaption(2).find('\0'), std::string::npos);
    EXPECT_EQ(bar->tabText(2), QString());
    EXPECT_EQ(qobject_cast<QLabel*>(host.WidgetOf(f->Label300(17)))->text(), QString());
    EXPECT_EQ(qobject_cast<QAbstractButton*>(host.WidgetOf(f->Check13(9)))->text(), QString());
    EXPECT_EQ(qobject_cast<QGroupBox*>(host.WidgetOf(f->Frame17(2)))->title(), QString());
    FrmEditLabel names(*s);
    names.Load();
    EXPECT_EQ(names.Text1(2).Text(), "");
    names.Unload();
    QWidget* window = host.WindowOf(*main)->Window();
    for (int16_t tab = 0; tab < f->SSTab1.Tabs(); ++tab) {
        f->SSTab1.SetTab(tab);
        SettleEvents();
        ExpectReadable(window, "editor tab " + std::to_string(tab));
        ExpectActionsOffered(host, *f);
    }
    ExpectActionsOffered(host, FrmDeviceOf(*s, kSlot));

    FrmSwitch switches(*s);
    const std::vector<std::function<std::unique_ptr<ui::Form>()>> dialogs = {
        [&] { return std::make_unique<FrmEditLabel>(*s); },
        [&] { return std::make_unique<FrmSelFilter>(*s); },
        [&] { return std::make_unique<FrmAM>(*s); },
        [&] { return std::make_unique<FrmDucker>(*s); },
        [&] { return std::make_unique<FrmEqIn>(*s); },
        [&] { return std::make_unique<FrmLimiter>(*s); },
        [&] { return std::make_unique<FrmNG>(*s); },
        [&] { return std::make_unique<FrmCopyInput>(*s); },
        [&] { return std::make_unique<FrmCopyOut>(*s); },
        [&] { return std::make_unique<FrmRead>(*s); },
        [&] { return std::make_unique<FrmReadExtra>(*s); },
        [&] { return std::make_unique<FrmStore>(*s); },
        [&] { return std::make_unique<FrmStoreExtra>(*s); },
        [&] { return std::make_unique<FrmVersion>(*s); },
        [&] { return std::make_unique<FrmConfigure>(*s); },
        [&] { return std::make_unique<FrmHelpPriority>(*s); },
        [&] { return std::make_unique<FrmNickName>(*s); },
        [&] { return std::make_unique<FrmScan>(*s); },
        [&] { return std::make_unique<FrmSelect>(*s); },
        [&] { return std::make_unique<FrmSearchCom>(*s, true); },
        [&] { return std::make_unique<FrmSetID>(*s); },
        [&] { return std::make_unique<FrmSetIP>(*s); },
        [&] { return std::make_unique<FrmWallPanel>(*s); },
        [&] { return std::make_unique<Frm_ID_IP>(*s); },
        [&] { return std::make_unique<FrmEditNameSwitch>(*s); },
    };
    switches.Show();
    for (const auto& make : dialogs) {
        const std::unique_ptr<ui::Form> dialog = make();
        dialog->Show();
        if (auto* search = dynamic_cast<FrmSearchCom*>(dialog.get())) {
            search->Timer1.SetTimerEnabled(false);
        }
        SettleEvents();
        ASSERT_NE(host.WindowOf(*dialog), nullptr) << dialog->Name();
        ExpectReadable(host.WindowOf(*dialog)->Window(), dialog->Name());
        ExpectActionsOffered(host, *dialog);
        dialog->Unload();
        SettleEvents();
    }
    ExpectReadable(host.WindowOf(switches)->Window(), switches.Name());
    switches.Unload();
    for (int ch : {2, 9}) {
        EXPECT_TRUE(std::all_of(image.begin() + model::ChNameAddr[ch],
                                image.begin() + model::ChNameAddr[ch] + 6,
                                [](uint8_t b) { return b == 0; }))
            << "names are shown as they are, nothing is written";
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

TEST_F(Accessibility, ComboBoxesAndAddressBoxesAreReadByTheirLabels) {
    OpenEditor();
    f->SSTab1.SetTab(FrmCtrl::kTabInputs);
    SettleEvents();
    QAccessibleInterface* micLine = Of(f->Combo5(2));
    EXPECT_EQ(Name(micLine), "Inputs Inp3 Mic/Line");
    EXPECT_EQ(micLine->text(QAccessible::Value), QStringLiteral("Line"));
    EXPECT_TRUE(Offers(micLine, QAccessibleActionInterface::showMenuAction()));

    FrmScan scan(*s);
    scan.Show();
    SettleEvents();
    EXPECT_EQ(Name(Of(scan.Text1(1))), "Scan the following IP range: From: 2");
    EXPECT_EQ(Name(Of(scan.Text1(7))), "Scan the following IP range: To: 4");
    scan.Unload();
}

TEST_F(Accessibility, NamesFollowTheCaptionsTheyAreMadeOf) {
    OpenEditor();
    s->ChName[kSlot][2] = "Vox";
    ModFun::SendChannelNames(*s);  // the device is offline: nothing is sent
    f->SSTab1.SetTab(FrmCtrl::kTabRouting);
    SettleEvents();
    EXPECT_EQ(Name(Of(f->Check9(4 * 8 + 2))), "Routing Output Routing Vox Out5");
    EXPECT_EQ(Name(Of(f->Check13(2))), "Input Linked Vox");
    f->SSTab1.SetTab(FrmCtrl::kTabInputs);
    SettleEvents();
    EXPECT_EQ(Name(Of(f->Combo5(2))), "Inputs Vox Mic/Line");
    EXPECT_EQ(Name(Of(f->Text14(2))), "Inputs Vox Filter 1st ord");
}

// A repeated control whose caption shows a value or a user's name keeps its own number when
// captions change: band 2's type button stays band 2 after band 1's type changed, the preset
// and group buttons read their own numbers, and the box read as switch 3 after outputs 1 and 3
// were named switches output 3.
TEST_F(Accessibility, RepeatedControlsKeepTheirOwnNumbersWhenCaptionsChange) {
    OpenEditor();
    FrmEqIn eq(*s);
    eq.Show();
    SettleEvents();
    WithModalForm<FrmSelFilter>(
        host, "the filter type dialog", [&] { eq.Command3(0).UserClick(); },
        [](FrmSelFilter& types) {
            types.Combo1.SetListIndex(1);
            types.Command1(0).UserClick();
        });
    SettleEvents();
    EXPECT_EQ(eq.Command3(0).Caption(), "HiSHF Q");
    EXPECT_EQ(Name(Of(eq.Command3(0))), "Band 1 type HiSHF Q");
    EXPECT_EQ(Name(Of(eq.Command3(1))), "Band 2 type PEAK EQ");
    EXPECT_EQ(Name(Of(eq.Command3(2))), "Band 3 type PEAK EQ");
    eq.Unload();
    FrmAM mixer(*s);
    mixer.Show();
    SettleEvents();
    EXPECT_EQ(Name(Of(mixer.Check2)), "Group 1");
    EXPECT_EQ(Name(Of(mixer.Check3)), "Group 2");
    mixer.Unload();

    testsupport::TempDir home;
    s->AppDir = home.Path();
    FrmSwitch switches(*s);
    switches.Show();
    SettleEvents();
    EXPECT_EQ(Name(Of(switches.Option1(3))), "Preset 4");
    WithModalForm<FrmEditNameSwitch>(
        host, "the switch name editor", [&] { switches.Command1.UserClick(); },
        [](FrmEditNameSwitch& names) {
            testsupport::Retype(names.Text1(0), "Fan");
            testsupport::Retype(names.Text1(2), "Pump");
            names.Command1(0).UserClick();
        });
    SettleEvents();
    std::vector<std::string> read;
    for (int16_t k = 0; k < 4; ++k) read.push_back(Name(Of(switches.Check5(k))));
    EXPECT_EQ(read,
              (std::vector<std::string>{"Switch 1 Fan", "Switch 2", "Switch 3 Pump", "Switch 4"}));
    QWidget* third = Named(host.WindowOf(switches)->Window(), "Switch 3 Pump");
    ASSERT_NE(third, nullptr);
    third->setFocus();
    QTest::keyClick(third, Qt::Key_Space);
    SettleEvents();
    EXPECT_EQ(switches.Check5(2).Value(), 1);
    EXPECT_EQ(s->DevParam[kSlot].SwitchPresetMask[0], 4.0);
    ExpectPicture(host, switches, "switch-named");
    switches.Unload();
    SettleEvents();
}

// Enter on the tab that has the focus does what a double click on the tab strip does: on an
// output tab it opens "Edit Names", with the editor busy while it is open.
TEST_F(Accessibility, EnterOnAFocusedTabOpensEditNames) {
    OpenEditor();
    f->SSTab1.SetTab(FrmCtrl::kTabInputs);
    SettleEvents();
    QTabBar* bar = host.WidgetOf(f->SSTab1)->findChild<QTabBar*>();
    bar->setFocus();
    QTest::keyClick(bar, Qt::Key_Right);
    SettleEvents();
    EXPECT_EQ(f->SSTab1.Tab(), 1);
    bool busy = false;
    WithModalForm<FrmEditLabel>(
        host, "Edit Names", [&] { QTest::keyClick(bar, Qt::Key_Return); },
        [&](FrmEditLabel& names) {
            EXPECT_EQ(names.Caption(), "Edit Names");
            busy = s->EditBusy;
            names.Command1(1).UserClick();
        });
    EXPECT_TRUE(busy);
    EXPECT_FALSE(s->EditBusy);
    EXPECT_EQ(f->SSTab1.Tab(), 1);
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
    // The nick name is read as such, and its hint names the key that edits it.
    QAccessibleInterface* nick = Of(w.Label10);
    EXPECT_EQ(Name(nick), "Nick name no-name");
    EXPECT_EQ(nick->text(QAccessible::Description).toStdString(),
              "double click or press Enter to edit a nick name");
    EXPECT_TRUE(Offers(nick, QAccessibleActionInterface::pressAction()));
    QWidget* nickLabel = host.WidgetOf(w.Label10);
    nickLabel->setFocus();
    WithModalForm<FrmNickName>(
        host, "the nick-name dialog", [&] { QTest::keyClick(nickLabel, Qt::Key_Return); },
        [](FrmNickName& dialog) { dialog.Command1(1).UserClick(); });
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

// The ducker's value boxes show what their sliders stand for: a screen reader reads them as
// texts that cannot be edited, they keep the focus and take no typing.
TEST_F(Accessibility, TheDuckerValueBoxesAreReadOnly) {
    OpenEditor();
    FrmDucker ducker(*s);
    ducker.Show();
    SettleEvents();
    const std::string shown = ducker.Text1(0).Text();
    QWidget* box = host.WidgetOf(ducker.Text1(0));
    QAccessibleInterface* i = Of(ducker.Text1(0));
    EXPECT_EQ(Name(i), "Hold Time [ms]");
    EXPECT_EQ(i->text(QAccessible::Value).toStdString(), shown);
    ASSERT_NE(i->textInterface(), nullptr);
    EXPECT_EQ(i->textInterface()->text(0, i->textInterface()->characterCount()).toStdString(),
              shown);
    EXPECT_TRUE(i->state().readOnly);
    EXPECT_FALSE(i->state().editable);
    EXPECT_TRUE(box->focusPolicy() & Qt::TabFocus);
    box->setFocus();
    QTest::keyClicks(box, "5");
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    SettleEvents();
    EXPECT_TRUE(box->hasFocus());
    EXPECT_EQ(ducker.Text1(0).Text(), shown);
    EXPECT_EQ(qobject_cast<QLineEdit*>(box)->text().toStdString(), shown);
    ducker.Unload();
    SettleEvents();
}

// Runs open, which is to show a message box: what a screen reader reads of that box (its name
// and its texts in order); then its last button closes it.
std::vector<std::string> ReadBox(const std::function<void()>& open) {
    std::vector<std::string> read;
    WithBox(open, [&read](QMessageBox& box) {
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(&box);
        read.push_back(Name(i));
        std::vector<QAccessibleInterface*> all;
        Walk(i, all);
        for (QAccessibleInterface* k : all) {
            if (k->role() == QAccessible::StaticText || k->role() == QAccessible::Graphic) {
                read.push_back(Name(k));
            }
        }
        box.buttons().constLast()->click();
    });
    return read;
}

TEST_F(Accessibility, AMessageBoxIsReadByItsTitleAndText) {
    std::vector<std::string> read = ReadBox(
        [&] { host.MsgBox("                Are you sure?", ui::vbYesNo, "Delete Device"); });
    EXPECT_EQ(read, (std::vector<std::string>{"Delete Device", "Are you sure?"}));

    read = ReadBox([&] {
        host.MsgBox("Please wait the last requested operation to be accomplished",
                    ui::vbOKOnly + ui::vbExclamation, "Exit");
    });
    EXPECT_EQ(read, (std::vector<std::string>{
                        "Exit", "Warning",
                        "Please wait the last requested operation to be accomplished"}));
}

}  // namespace
}  // namespace guitest
