#include <gtest/gtest.h>
#include <stdlib.h>

#include <array>
#include <string>
#include <vector>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "app/frmSplash.h"
#include "model/DevImageRecord.h"
#include "project/FrmDevice.h"
#include "sys/InstanceLock.h"

namespace {

using apptest::Session;

// startBf.ini whose image k starts with the bytes k, k + 1, k + 2.
std::vector<uint8_t> NumberedImages() {
    std::vector<uint8_t> file(65 * model::DevImageRecord::Size, 0);
    for (size_t k = 0; k < 65; ++k) {
        for (size_t b = 0; b < 3; ++b) file[k * model::DevImageRecord::Size + b] = uint8_t(k + b);
    }
    return file;
}

bool HasWindow(State& s, int16_t slot) {
    return s.FrmDeviceWin[slot] && s.FrmDeviceWin[slot]->Visible();
}

struct Startup : apptest::ProgramTest {};

TEST_F(Startup, AFreshFolderGivesAnEmptyUsbProject) {
    setenv("LC_ALL", "de_DE.UTF-8", 1);
    Start(-1);
    unsetenv("LC_ALL");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(s.SwVersion, "V1.1.3");
    EXPECT_EQ(s.AppDir, p.home.Path());
    EXPECT_EQ(s.DecimalComma, 1);
    EXPECT_DOUBLE_EQ(s.DpiScale, 1.0);
    EXPECT_EQ(s.LinkType, 0);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "USB-COM0");
    EXPECT_TRUE(main->Visible());
    EXPECT_EQ(p.host.ShownForms(), std::vector<ui::Form*>{main}) << "the splash is gone";
    EXPECT_TRUE(p.host.Messages().empty());
    EXPECT_EQ(s.FrmDeviceHwnd[0], 255);

    const auto& b = main->Command1;
    EXPECT_TRUE(b(0).Enabled());
    EXPECT_FALSE(b(1).Enabled() || b(3).Enabled() || b(4).Enabled());
    EXPECT_TRUE(b(2).Enabled());
    EXPECT_TRUE(b(5).Enabled());
    EXPECT_TRUE(b(7).Visible());
    EXPECT_FALSE(b(7).Enabled());
    EXPECT_FALSE(b(8).Visible());
}

TEST_F(Startup, RestoresTheTcpDevicesOfflineInTheirPlaces) {
    model::PerSlot<model::DeviceRecord> list{};
    list[2] = apptest::TcpRecord(10, 0, 0, 2);
    list[2].Online = 1;
    list[2].WinLeft = 3490;
    list[2].WinTop = 705;
    list[9] = apptest::TcpRecord(10, 0, 0, 9);
    list[9].IpText = "10.0.0.99";  // disagrees with the octets
    list[9].NickName = "stage left";
    list[5] = apptest::SerialRecord(1, 7);
    apptest::WriteFile(p.File("startBf.ini"), NumberedImages());
    Start(2, 3, list);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "TCP/IP");
    EXPECT_EQ(s.LinkType, 2);
    for (int16_t slot = 0; slot < 65; ++slot) {
        EXPECT_EQ(HasWindow(s, slot), slot == 2 || slot == 9) << slot;
    }
    FrmDevice& w2 = *s.FrmDeviceWin[2];
    FrmDevice& w9 = *s.FrmDeviceWin[9];
    EXPECT_EQ(w2.Caption(), " IP:10.0.0.2 - Offline");
    EXPECT_EQ(w9.Caption(), " IP:10.0.0.9 - Offline");
    EXPECT_EQ(w2.Label1.Caption(), "Connect");
    EXPECT_EQ(w9.Label10.Caption(), "stage left");
    EXPECT_EQ(w2.Left(), 3490);
    EXPECT_EQ(w2.Top(), 705);
    EXPECT_EQ(s.DevList[2].Online, 0);
    EXPECT_EQ(s.DevList[9].IpText, "10.0.0.9");
    EXPECT_EQ(s.DevAddr[9], 9);
    EXPECT_EQ(s.DevSlot[9][0], 9);
    EXPECT_EQ(s.NewDevIp, (std::array<uint8_t, 4>{10, 0, 0, 9})) << "the last restored device";
    EXPECT_EQ(s.DevImage[9].ProgImage[0], 9);
    EXPECT_EQ(s.DevImage[9].ProgImage[2], 11);
    EXPECT_EQ(s.DevImage[5].ProgImage[0], 0) << "another link type keeps no image";
    EXPECT_EQ(s.DevList[5].Used, -1) << "records of another link type stay in the list";

    const auto& b = main->Command1;
    EXPECT_TRUE(b(1).Enabled() && b(2).Enabled() && b(3).Enabled() && b(4).Enabled());
    EXPECT_FALSE(b(5).Enabled());
    EXPECT_TRUE(b(8).Visible());
    EXPECT_FALSE(b(7).Visible());
}

TEST_F(Startup, Rs485ProjectsOpenOnlyTheirOwnRecords) {
    model::PerSlot<model::DeviceRecord> list{};
    list[0] = apptest::SerialRecord(0, 0);
    list[1] = apptest::SerialRecord(1, 7);
    list[4] = apptest::SerialRecord(1, 12);
    list[6] = apptest::TcpRecord(10, 0, 0, 6);
    list[8] = apptest::SerialRecord(1, 3);
    list[8].Used = 0;
    Start(1, 5, list);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "RS485-COM5");
    EXPECT_EQ(s.LinkType, 1);
    for (int16_t slot = 0; slot < 65; ++slot) {
        EXPECT_EQ(HasWindow(s, slot), slot == 1 || slot == 4) << slot;
    }
    EXPECT_EQ(s.FrmDeviceWin[1]->Caption(), " RS485 - ID:07 - Offline");
    EXPECT_EQ(s.FrmDeviceWin[4]->Caption(), " RS485 - ID:12 - Offline");
    EXPECT_EQ(s.DevAddr[1], 7);
    EXPECT_EQ(s.DevAddr[4], 12);
    EXPECT_EQ(s.NewDevIp, (std::array<uint8_t, 4>{192, 168, 0, 1}));
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled());
    EXPECT_FALSE(main->Command1(7).Visible() || main->Command1(8).Visible());
}

TEST_F(Startup, AnUnknownLinkTypeIsTcp) {
    Start(7, 2);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "TCP/IP");
    EXPECT_EQ(s.LinkType, 2);
    EXPECT_EQ(s.InitCfg.LinkType, 2);
}

TEST_F(Startup, OneUsbDeviceDisablesAddDeviceUntilItsWindowCloses) {
    model::PerSlot<model::DeviceRecord> list{};
    list[0] = apptest::SerialRecord(0, 0);
    Start(0, 3, list);
    ASSERT_TRUE(HasWindow(s, 0));
    EXPECT_EQ(s.FrmDeviceWin[0]->Caption(), " USB - Offline");
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "USB-COM3");
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled());
    p.host.Advance(5000);
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled()) << "not the timer's";

    p.host.Answer(ui::vbYes);
    ASSERT_TRUE(s.FrmDeviceWin[0]->UserClose());
    EXPECT_EQ(s.DevList[0].Used, 0);
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled());
}

TEST_F(Startup, ASecondCopyWakesTheFirstAndEnds) {
    setenv("XDG_RUNTIME_DIR", p.home.Path().c_str(), 1);
    sys::InstanceLock first("velotrix-test");
    ASSERT_TRUE(first.Acquired());

    EXPECT_EQ(apptest::StartProgram(p.host, *p.state), nullptr);
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt, "... duplicate instance.");
    EXPECT_EQ(p.host.Messages()[0].title, "Error");
    EXPECT_EQ(p.host.Messages()[0].style, ui::vbCritical);
    EXPECT_TRUE(p.host.Ended());
    EXPECT_EQ(first.TakeActivationRequests(), 1);
    EXPECT_FALSE(s.MainWin) << "no main window comes up";
    EXPECT_TRUE(p.host.ShownForms().empty());
}

TEST(StartupScreen, SmallScreenWarnsAndGoesOn) {
    for (auto [w, h, warned] :
         {std::tuple{640, 480, true}, {1024, 480, false}, {640, 800, false}}) {
        Session p;
        p.host.SetScreen({w, h, 120});
        MDIFrmMain* main = apptest::StartProgram(p.host, *p.state);
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(p.host.Messages().size(), warned ? 1u : 0u) << w << "x" << h;
        if (warned) {
            EXPECT_EQ(p.host.Messages()[0].prompt, "Minimum display resolution is 800x600");
            EXPECT_EQ(p.host.Messages()[0].title, "Warning");
            EXPECT_EQ(p.host.Messages()[0].style, ui::vbOKOnly);
        }
        EXPECT_DOUBLE_EQ(p.state->DpiScale, 0.8);
        EXPECT_LE(main->Width(), w * 15);
    }
}

TEST_F(Startup, TheMainWindowWaitsForTheSplashTimer) {
    setenv("XDG_RUNTIME_DIR", p.home.Path().c_str(), 1);
    s.InstanceName = "velotrix-test";
    frmSplash splash(*p.state);
    splash.Show();
    EXPECT_FALSE(splash.Label1.Visible());
    EXPECT_FALSE(splash.Label2.Visible());
    p.host.Advance(1999);
    EXPECT_FALSE(s.MainWin);
    p.host.Advance(1);
    ASSERT_TRUE(s.MainWin);
    EXPECT_TRUE(s.MainWin->Visible());
    EXPECT_TRUE(splash.Finished());
    p.host.Advance(10000);
    EXPECT_EQ(p.host.ShownForms().size(), 1u) << "the splash fires once";
}

}  // namespace
