// The Qt front end against the simulated device: a check box toggled by assistive
// technology sends what a mouse click sends, and the device's memory follows both; the
// editor's "Version" button shows the About box with what the device reports; a device that
// drops while the noise gate dialog is open closes the dialog with its editor.
#include <gtest/gtest.h>

// Ahead of the Qt headers, whose "slots" keyword would rename its members.
#include "support/EditorRoad.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "GuiFixture.h"
#include "app/FrmVersion.h"
#include "app/frmSplash.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/FrmCtrl.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "model/AddressTables.h"
#include "processing/FrmNG.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "protocol/Commands.h"

namespace guitest {
namespace {

using Bytes = std::vector<uint8_t>;

class DeviceRoad : public testsupport::EditorRoadTest {
  protected:
    // The state and its windows go before the host they are shown by.
    void TearDown() override { harness_.reset(); }

    // Output 1's mute bit as the device's memory holds it, read over the wire.
    int OutputOneMuted() {
        const int b = Byte(model::MuteAddr[1]);
        return b < 0 ? -1 : (b & 1);
    }
    // The last parameter frame the simulated device received since the log was cleared.
    Bytes LastBlockFrame() {
        Bytes last;
        for (const Bytes& frame : Simulated() ? Requests() : std::vector<Bytes>{}) {
            if (frame[3] == CmdChannelBlock) last = frame;
        }
        return last;
    }
    // The device in the project, connected, its editor open on the tab.
    FrmCtrl* Open(int16_t tab) {
        Connect({.stateHost = &qt});
        ModProject::OpenSpeakerEditor(S(), slot);
        FrmCtrl* f = ExistingFrmCtrl(S(), slot);
        if (f == nullptr) return nullptr;
        f->SSTab1.SetTab(tab);
        SettleEvents();
        return f;
    }
    void CloseEditor(FrmCtrl& f) {
        S().DevOffline[slot] = true;
        f.Unload();
        SettleEvents();
    }

    gui::QtHost qt;
};

TEST_F(DeviceRoad, ToggledMuteSendsTheFrameOfAClick) {
    FrmCtrl* f = Open(1);
    ASSERT_NE(f, nullptr);
    ui::CheckBox& mute = f->Check1(8);
    ASSERT_EQ(mute.Value(), 0);
    QWidget* widget = qt.WidgetOf(mute);
    ASSERT_NE(widget, nullptr);
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(widget)->actionInterface();
    ASSERT_NE(actions, nullptr);
    const QString toggle = QAccessibleActionInterface::toggleAction();
    ASSERT_TRUE(actions->actionNames().contains(toggle));

    // Each way of changing the box reaches the device; switching on sends one frame.
    const std::function<void()> toggleAction = [&] { actions->doAction(toggle); };
    const std::function<void()> pressAction = [&] {
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTest::qWait(300);  // the press shows the button down for a moment first
    };
    // A change of state made on the widget itself, as an accessibility bridge may make it.
    const std::function<void()> widgetToggle = [&] {
        static_cast<QAbstractButton*>(widget)->toggle();
    };
    const std::function<void()> mouseClick = [&] { QTest::mouseClick(widget, Qt::LeftButton); };
    std::vector<Bytes> switchedOn;
    for (const auto& [on, off] :
         {std::pair{toggleAction, pressAction}, std::pair{widgetToggle, mouseClick},
          std::pair{mouseClick, toggleAction}}) {
        ClearLog();
        on();
        SettleEvents();
        EXPECT_EQ(mute.Value(), 1);
        EXPECT_EQ(OutputOneMuted(), 1);
        switchedOn.push_back(LastBlockFrame());
        off();
        SettleEvents();
        EXPECT_EQ(mute.Value(), 0);
        EXPECT_EQ(OutputOneMuted(), 0);
    }
    EXPECT_EQ(switchedOn[0], switchedOn[2]) << "toggle action and mouse click";
    EXPECT_EQ(switchedOn[1], switchedOn[2]) << "widget toggle and mouse click";
    if (!H().External()) {
        EXPECT_FALSE(switchedOn[2].empty());
    }

    CloseEditor(*f);
}

TEST_F(DeviceRoad, VersionShowsTheAboutBoxOfTheDevice) {
    FrmCtrl* f = Open(FrmCtrl::kTabOverview);
    ASSERT_NE(f, nullptr);
    S().SwVersion = std::string(kSwVersion);  // as the splash fixes it
    const auto version = H().Ask(slot, CmdReadVersion);
    ASSERT_TRUE(version);
    const std::string firmware = "V" + std::to_string((*version)[4] * 10 + (*version)[5]) + "." +
                                 std::to_string((*version)[6]);
    std::vector<std::string> shown;
    QString picture;
    WithModalForm<FrmVersion>(
        qt, "the About box", [&] { QTest::mouseClick(qt.WidgetOf(f->Command17), Qt::LeftButton); },
        [&](FrmVersion& box) {
            SettleEvents();
            picture = SaveScreenshot(qt.WindowOf(box)->Window(), "about-box");
            for (const ui::Label* l : {&box.Label2, &box.Label3, &box.Label4, &box.Label6}) {
                shown.push_back(qobject_cast<QLabel*>(qt.WidgetOf(*l))->text().toStdString());
            }
            QTest::mouseClick(qt.WidgetOf(box.Command1), Qt::LeftButton);
        });
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(shown[0], firmware);
    EXPECT_EQ(shown[1], "V" + S().DspVersion[slot]);
    EXPECT_EQ(shown[2], "V1.1.3");
    EXPECT_EQ(shown[3], "UID = " + S().DevUid[slot]);
    EXPECT_EQ(S().DevUid[slot].size(), 24u);
    EXPECT_GT(QFileInfo(picture).size(), 1000);
    EXPECT_FALSE(S().EditBusy);
    CloseEditor(*f);
}

// The link drops at the gate's first send: the user is told, the editor closes and the dialog
// with it, inside the dialog's own modal loop, and takes no more edits; the closed editor is
// released only once that loop and the handler that opened it have ended, and "Edit" opens a
// fresh one that sends.
TEST_F(DeviceRoad, ADropWhileTheNoiseGateIsOpenClosesItWithItsEditor) {
    FrmCtrl* f = Open(FrmCtrl::kTabInputs);
    ASSERT_NE(f, nullptr);
    VX_REQUIRE_SIMULATOR(H());
    std::string told;
    QString picture;
    bool closedInItsLoop = false;
    bool refused = false;
    const auto openGate = [&] { QTest::mouseClick(qt.WidgetOf(f->Command13(0)), Qt::LeftButton); };
    WithModalForm<FrmNG>(qt, "the noise gate window", openGate, [&](FrmNG& gate) {
        SettleEvents();
        picture = SaveScreenshot(qt.WindowOf(gate)->Window(), "noise-gate-before-a-drop");
        H().Device().AddFault({.kind = devsim::FaultKind::DropConnection,
                               .fromFrame = H().Device().FrameCount() + 1,
                               .count = 1});
        told = AnswerBox([&] { QTest::mouseClick(qt.WidgetOf(gate.Check5), Qt::LeftButton); },
                         QMessageBox::Ok);
        SettleEvents();
        closedInItsLoop = !gate.Loaded() && f->Finished() && f->InUse();
        refused = !gate.Slider3.UserScroll(10) && !gate.Check5.UserClick();
    });
    SettleEvents();
    EXPECT_EQ(told, "Device @ IP:" + S().DevList[slot].IpText + " will be disconnected");
    EXPECT_TRUE(closedInItsLoop);
    EXPECT_TRUE(refused);
    EXPECT_GT(QFileInfo(picture).size(), 1000);
    EXPECT_EQ(S().FrmCtrlWin[slot].get(), f) << "no editor window is made behind the user";
    EXPECT_FALSE(f->InUse());
    EXPECT_TRUE(S().OpDone);
    EXPECT_FALSE(S().EditBusy);

    ModProject::ConnectDevice(S(), slot);
    ModProject::OpenSpeakerEditor(S(), slot);
    FrmCtrl* again = ExistingFrmCtrl(S(), slot);
    ASSERT_NE(again, nullptr);
    SettleEvents();
    again->SSTab1.SetTab(1);
    ClearLog();
    QTest::mouseClick(qt.WidgetOf(again->Check1(8)), Qt::LeftButton);
    SettleEvents();
    EXPECT_EQ(OutputOneMuted(), again->Check1(8).Value());
    CloseEditor(*again);
}

}  // namespace
}  // namespace guitest
