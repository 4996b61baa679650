#include <gtest/gtest.h>

#include <array>
#include <string>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "project/FrmDevice.h"
#include "project/FrmSetIP.h"

namespace {

struct AddDevice : apptest::ProgramTest {
    ui::CommandButton& Button(int16_t i) { return main->Command1(i); }
};

TEST_F(AddDevice, ByIpAddressShowsAnOfflineWindowAndDoesNotConnect) {
    Start(2);
    apptest::AddDeviceByIp(p.host, *main, "192.168.0.20");
    ASSERT_EQ(s.DevList[0].Used, -1);
    EXPECT_EQ(s.DevList[0].IpText, "192.168.0.20");
    EXPECT_EQ(s.DevList[0].LinkKind, 2);
    EXPECT_EQ(s.DevAddr[0], 0);
    FrmDevice& w = *s.FrmDeviceWin[0];
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), " IP:192.168.0.20 - Offline");
    EXPECT_EQ(s.DevList[0].Online, 0);
    EXPECT_FALSE(s.CmdBusy);

    apptest::AddDeviceByIp(p.host, *main, "192.168.0.21");
    EXPECT_EQ(s.FrmDeviceWin[1]->Caption(), " IP:192.168.0.21 - Offline");
    EXPECT_EQ(s.FrmDeviceWin[1]->Top(), FrmDevice::kHeight + 40) << "windows are arranged";
    EXPECT_TRUE(Button(MDIFrmMain::CmdAddDevice).Enabled());
    p.host.Advance(1000);
    EXPECT_FALSE(Button(MDIFrmMain::CmdLink).Enabled());
    EXPECT_TRUE(Button(MDIFrmMain::CmdConnectAll).Enabled());
}

TEST_F(AddDevice, ADuplicateIsRefusedAndNothingIsAdded) {
    Start(2);
    apptest::AddDeviceByIp(p.host, *main, "10.1.2.3");
    p.host.TakeMessages();
    p.host.DriveModal("FrmSetIP", [](ui::Form& f) {
        auto& d = static_cast<FrmSetIP&>(f);
        // The proposal is the address just added: OK refuses it, Cancel leaves.
        d.Command1(0).UserClick();
        d.Command1(1).UserClick();
    });
    Button(MDIFrmMain::CmdAddDevice).UserClick();
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt, "IP addess already inserted");
    EXPECT_EQ(s.DevList[1].Used, 0);
    EXPECT_FALSE(s.FrmDeviceWin[1]);
}

TEST_F(AddDevice, ByRs485Id) {
    Start(1);
    apptest::AddDeviceById(p.host, *main, 7);
    apptest::AddDeviceById(p.host, *main, 7);
    ASSERT_EQ(s.DevList[0].Used, -1);
    EXPECT_EQ(s.DevList[0].DevId, 7);
    EXPECT_EQ(s.DevAddr[0], 7);
    EXPECT_EQ(s.FrmDeviceWin[0]->Caption(), " RS485 - ID:07 - Offline");
    EXPECT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt, "ID device already inserted");
    EXPECT_EQ(s.DevList[1].Used, 0);
}

TEST_F(AddDevice, AFullProjectAddsNothing) {
    Start(2);
    for (int16_t slot = 0; slot < 65; ++slot) {
        s.DevList[slot] = apptest::TcpRecord(10, 0, 0, static_cast<uint8_t>(slot + 1));
    }
    apptest::AddDeviceByIp(p.host, *main, "10.0.0.200");
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt, "Already 64 devices inserted");
    for (int16_t slot = 0; slot < 65; ++slot) EXPECT_FALSE(s.FrmDeviceWin[slot]) << slot;
}

TEST_F(AddDevice, OneUsbDeviceInSlotZero) {
    Start(0);
    Button(MDIFrmMain::CmdAddDevice).UserClick();
    EXPECT_TRUE(p.host.Problems().empty()) << "no dialog on USB";
    ASSERT_EQ(s.DevList[0].Used, -1);
    EXPECT_EQ(s.DevList[0].LinkKind, 0);
    EXPECT_EQ(s.FrmDeviceWin[0]->Caption(), " USB - Offline");
    EXPECT_FALSE(Button(MDIFrmMain::CmdAddDevice).Enabled());
    p.host.Advance(1000);
    EXPECT_TRUE(Button(MDIFrmMain::CmdIdIp).Visible());
    EXPECT_FALSE(Button(MDIFrmMain::CmdIdIp).Enabled()) << "the device is offline";
}

TEST_F(AddDevice, SeventeenWindowsStandInTwoColumns) {
    Start(2);
    for (int k = 1; k <= 17; ++k)
        apptest::AddDeviceByIp(p.host, *main, "10.0.0." + std::to_string(k));
    EXPECT_EQ(s.FrmDeviceWin[0]->Top(), 0);
    EXPECT_EQ(s.FrmDeviceWin[1]->Top(), 705);
    EXPECT_EQ(s.FrmDeviceWin[15]->Top(), 15 * 705);
    EXPECT_EQ(s.FrmDeviceWin[15]->Left(), 0);
    EXPECT_EQ(s.FrmDeviceWin[16]->Top(), 0);
    EXPECT_EQ(s.FrmDeviceWin[16]->Left(), 3490);
}

}  // namespace
