// The program and switch preset windows shown by the Qt front end: every text fits its
// widget, pictures of the store, read, switch and switch name windows are saved, the store
// window's name box and slot list answer the person in their widgets, and the program file
// dialog opens inside the "preset" folder with no file name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "GuiFixture.h"
#include "app/Wiring.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "model/DeviceDefaults.h"
#include "programs/FrmEditNameSwitch.h"
#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"
#include "programs/FrmSwitch.h"
#include "programs/ProgramFiles.h"
#include "programs/SwitchNames.h"
#include "state/State.h"
#include "support/TempDir.h"

namespace guitest {
namespace {

class ProgramDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        model::InitDeviceDefault(*s, 0);
        s->CurDev = 0;
        s->AppDir = home.Path();
        auto& par = s->DevParam[0];
        par.SlotName[0] = "Speech          ";
        par.SlotName[1] = "Band live       ";
        par.ExtraSlotName[0] = "Late night      ";
        par.SwitchPresetMask[0] = 5;
        s->SwitchNames = {"Amplifiers", "Fans", "Stage light", "Curtain", ""};
        ASSERT_TRUE(ModProg::WriteSwitchNames(*s));
    }
    testsupport::TempDir home;
    gui::QtHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(ProgramDialogs, StoreReadAndSwitchWindows) {
    FrmStore store(*s);
    ShootDialog(host, store, "program-store");
    FrmStoreExtra storeExtra(*s);
    ShootDialog(host, storeExtra, "program-store-extra");
    FrmRead read(*s);
    ShootDialog(host, read, "program-read");
    FrmReadExtra readExtra(*s);
    ShootDialog(host, readExtra, "program-read-extra");

    FrmSwitch sw(*s);
    sw.Show();
    SettleEvents();
    FrmEditNameSwitch names(*s);
    ShootDialog(host, names, "switch-names");
    ShootDialog(host, sw, "switch");
}

// The store window's widgets: a punctuation key typed into the name box shows one message and
// reaches neither the box nor its widget; a click on the row the position selected copies the
// row's name.
TEST_F(ProgramDialogs, TheStoreWindowRefusesASymbolOnceAndTakesAClickOnTheSelectedRow) {
    s->DevParam[0].SlotName[3] = "Choir           ";
    FrmStore store(*s);
    store.Show();
    SettleEvents();
    auto* edit = qobject_cast<QLineEdit*>(host.WidgetOf(store.Text1));
    auto* list = qobject_cast<QListWidget*>(host.WidgetOf(store.List1));
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(list, nullptr);
    store.Text1.SetText("");
    QTest::keyClicks(edit, "Stage");
    const auto prompts = AnswerEveryBox([&] { QTest::keyClick(edit, ','); });
    EXPECT_EQ(prompts, std::vector<std::string>{"Symbol not admited"});
    EXPECT_EQ(store.Text1.Text(), "Stage");
    EXPECT_EQ(edit->text(), QStringLiteral("Stage"));

    store.Combo1.UserSelect(3);
    EXPECT_EQ(list->currentRow(), 3);
    EXPECT_EQ(edit->text(), QStringLiteral("Stage"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(3)).center());
    EXPECT_EQ(store.Text1.Text(), "Choir");
    EXPECT_EQ(edit->text(), QStringLiteral("Choir"));
    EXPECT_EQ(store.Combo1.ListIndex(), 3);
    store.Unload();
}

TEST_F(ProgramDialogs, TheProgramFileDialogOpensInsideThePresetFolder) {
    QString folder;
    QString name = QStringLiteral("?");
    host.Post([&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        folder = dialog->directory().absolutePath();
        if (auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name = edit->text();
        }
        SaveScreenshot(dialog, "program-file-dialog");
        dialog->reject();
    });
    ModProg::SaveProgramToPC(*s);
    EXPECT_EQ(folder.toStdString(), home.File("preset"));
    EXPECT_EQ(name.toStdString(), "");
}

}  // namespace
}  // namespace guitest
