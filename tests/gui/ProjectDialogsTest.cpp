// The project and device dialogs shown by the Qt front end: every text fits its widget, and
// a picture of each is saved. Nothing here reaches a port or the network: the COM search's
// timer is stopped before it fires and no port is listed, and the scan dialog only reads the
// machine's addresses.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QTest>
#include <functional>
#include <memory>

#include "GuiFixture.h"
#include "app/Wiring.h"
#include "files/StateFiles.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "model/RecordFile.h"
#include "project/FrmConfigure.h"
#include "project/FrmHelpPriority.h"
#include "project/FrmNickName.h"
#include "project/FrmScan.h"
#include "project/FrmSearchCom.h"
#include "project/FrmSelect.h"
#include "project/FrmWallPanel.h"
#include "project/Frm_ID_IP.h"
#include "state/State.h"
#include "support/TempDir.h"

namespace guitest {
namespace {

class ProjectDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("VELOTRIX_COM_PORTS", "", 1);
        s->AppDir = home.Path();
        model::DeviceRecord& rec = s->DevList[0];
        rec.Used = -1;
        rec.Online = 1;
        rec.NickName = "Stage left";
        s->DevInfoText[0] = "00:1A:2B:3C:4D:5E";
        s->DevNetIp[0] = {192, 168, 10, 200};
        s->DevNetId[0] = 12;
        s->DevParam[0].ExtEnableMask = 5;
        s->DevParam[0].ExtPriority = 3;
        s->DevParam[0].WallPanelMode = 1;
    }
    // Shows the form, lets prepare adjust it, checks its texts and saves its picture.
    void Shoot(
        ui::Form& f, const std::string& name, const std::function<void()>& prepare = [] {}) {
        f.Show();
        prepare();
        ASSERT_NE(host.WindowOf(f), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(f)->Window()));
        SettleEvents();
        ExpectTextsFit(host, f);
        ExpectPicture(host, f, name);
        f.Unload();
        SettleEvents();
    }

    testsupport::TempDir home;
    gui::QtHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(ProjectDialogs, LinkTypeAndComSearch) {
    FrmSelect select(*s);
    Shoot(select, "dialog-select");
    FrmSearchCom search(*s, true);
    Shoot(search, "dialog-search-com", [&] {
        search.Timer1.SetTimerEnabled(false);
        search.Label2.SetCaption("COM 7");
        search.ProgressBar1.SetValue(7);
    });
}

// Shown modally by the Qt front end: a changed choice left by the window's close box or by
// Escape leaves InitCfg and init.cfg as they were; OK stores it.
TEST_F(ProjectDialogs, TheLinkDialogsCloseBoxAndEscapeUndoTheChoice) {
    s->InitCfg = {4, "", 0};
    ASSERT_TRUE(StateFiles::WriteInitCfg(*s));
    const InitCfgRecord before = s->InitCfg;
    FrmSelect select(*s);
    const auto choose = [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(select)->Window()));
        QTest::mouseClick(host.WidgetOf(select.Option2(1)), Qt::LeftButton);
        EXPECT_EQ(s->InitCfg.LinkType, 1);
    };
    host.Post([&] {
        choose();
        host.WindowOf(select)->Window()->close();
    });
    select.ShowModal();
    EXPECT_FALSE(select.Loaded());
    EXPECT_EQ(s->InitCfg, before);

    FrmSelect again(*s);
    host.Post([&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(again)->Window()));
        QTest::mouseClick(host.WidgetOf(again.Option2(2)), Qt::LeftButton);
        QTest::keyClick(host.WindowOf(again)->Window(), Qt::Key_Escape);
    });
    again.ShowModal();
    EXPECT_EQ(s->InitCfg, before);
    std::vector<uint8_t> file;
    ASSERT_EQ(model::ReadFileHead(home.File("init.cfg"), 64, file), model::FileRead::Read);
    EXPECT_EQ(file, StateFiles::EncodeInitCfg(before));
}

TEST_F(ProjectDialogs, NetworkScan) {
    FrmScan scan(*s);
    Shoot(scan, "dialog-scan", [&] {
        for (const char* address : {"127.0.0.4", "127.0.0.9", "127.0.0.17"}) {
            scan.List1.AddItem(address);
        }
        scan.List1.SetSelected(1, true);
    });
}

TEST_F(ProjectDialogs, DeviceSettings) {
    Frm_ID_IP idIp(*s);
    Shoot(idIp, "dialog-id-ip");
    s->DevNetId[0] = 100;  // an ID and a first octet that the lists can't show
    s->DevNetIp[0] = {240, 0, 0, 9};
    Frm_ID_IP outside(*s);
    Shoot(outside, "dialog-id-ip-outside-lists");
    s->NickNameDev = 0;
    FrmNickName nick(*s);
    Shoot(nick, "dialog-nick-name");
    FrmConfigure configure(*s);
    Shoot(configure, "dialog-configure");
    FrmHelpPriority priority(*s);
    Shoot(priority, "dialog-priority-info");
    FrmWallPanel wall(*s);
    Shoot(wall, "dialog-wall-panel");
}

}  // namespace
}  // namespace guitest
