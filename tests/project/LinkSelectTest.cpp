// The link-type dialog and the COM search: what OK stores and shows, that Exit leaves
// everything as it was, the USB search finding the device's port, the last one, among other
// ports, and the RS485 search listing the ports that open, the first and the last.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "model/RecordFile.h"
#include "project/FrmSearchCom.h"
#include "project/FrmSelect.h"
#include "support/DeviceTest.h"

namespace {

using testsupport::DeviceTest;
using testsupport::Link;

// Opens the link dialog from the command bar and lets act work on it.
void WithSelect(ui::HeadlessHost& host, MDIFrmMain& main, std::function<void(FrmSelect&)> act) {
    host.DriveModal("FrmSelect", [act](ui::Form& f) { act(static_cast<FrmSelect&>(f)); });
    main.Command1(MDIFrmMain::CmdLink).UserClick();
}

// The search window runs once its timer has fired.
void LetSearchRun(ui::HeadlessHost& host) {
    host.DriveModal("FrmSearchCom", [&host](ui::Form&) { host.Advance(100); });
}

struct SelectDialog : apptest::ProgramTest {};

TEST_F(SelectDialog, ShowsTheStoredChoiceAndNeverRestsOnNone) {
    Start(1, 0);
    WithSelect(p.host, *main, [](FrmSelect& d) {
        EXPECT_EQ(d.Caption(), "Select");
        EXPECT_TRUE(d.Option2(1).Value());
        EXPECT_EQ(d.Combo1.ListIndex(), 1);
        EXPECT_EQ(d.Combo1.List(0), " NONE ");
        EXPECT_EQ(d.Combo1.List(32), "COM 32");
        d.Combo1.UserSelect(0);
        EXPECT_EQ(d.Combo1.ListIndex(), 1);
        EXPECT_TRUE(d.Frame1.Enabled());
        EXPECT_TRUE(d.Command2.Enabled());
        d.Command1(1).UserClick();
    });
}

TEST_F(SelectDialog, OkStoresTheLinkAndShowsItOnTheButton) {
    Start(2, 3);
    WithSelect(p.host, *main, [](FrmSelect& d) {
        EXPECT_FALSE(d.Frame1.Enabled());
        EXPECT_FALSE(d.Command2.Enabled());
        d.Option2(1).UserClick();
        EXPECT_TRUE(d.Frame1.Enabled());
        d.Combo1.UserSelect(12);
        d.Command1(0).UserClick();
    });
    EXPECT_EQ(apptest::ReadFile(p.File("init.cfg")), apptest::InitCfgBytes(12, 1));
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "RS485-COM12");
    EXPECT_EQ(s.LinkType, 1);

    WithSelect(p.host, *main, [](FrmSelect& d) {
        d.Option2(2).UserClick();
        EXPECT_FALSE(d.Command2.Enabled());
        d.Command1(0).UserClick();
    });
    EXPECT_EQ(apptest::ReadFile(p.File("init.cfg")), apptest::InitCfgBytes(12, 2));
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "TCP/IP");
    EXPECT_EQ(s.LinkType, 2);
    EXPECT_TRUE(p.host.Problems().empty());
}

// Exit, the window's close box and an OK whose init.cfg can't be written all leave the link,
// InitCfg, the button and the file as they were (LinkType even where init.cfg says otherwise).
TEST_F(SelectDialog, ExitCloseAndAFailedWriteLeaveEverythingAsItWas) {
    Start(0, 4);
    s.LinkType = 2;
    s.InitCfg.LinkType = 2;
    const InitCfgRecord before = s.InitCfg;
    const std::string button = main->Command1(MDIFrmMain::CmdLink).Caption();
    const auto unchanged = [&] {
        EXPECT_EQ(s.LinkType, 2);
        EXPECT_EQ(s.InitCfg, before);
        EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), button);
        EXPECT_EQ(apptest::ReadFile(p.File("init.cfg")), apptest::InitCfgBytes(4, 0));
    };
    const auto choose = [](FrmSelect& d) {
        EXPECT_TRUE(d.Option2(0).Value()) << "the dialog shows init.cfg";
        d.Option2(1).UserClick();
        d.Combo1.UserSelect(9);
    };
    WithSelect(p.host, *main, [&](FrmSelect& d) {
        choose(d);
        d.Command1(1).UserClick();
    });
    unchanged();
    WithSelect(p.host, *main, [&](FrmSelect& d) {
        choose(d);
        EXPECT_TRUE(d.UserClose());
    });
    unchanged();

    // A folder where the temporary of init.cfg goes: the write fails.
    std::filesystem::create_directory(model::TemporaryPath(p.File("init.cfg")));
    bool open = false;
    WithSelect(p.host, *main, [&](FrmSelect& d) {
        choose(d);
        d.Command1(0).UserClick();
        open = d.Visible();
        d.Command1(1).UserClick();
    });
    EXPECT_TRUE(open) << "the dialog stays for another try";
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt, "The link settings could not be saved to " +
                                               p.File("init.cfg") + ". Nothing was changed.");
    unchanged();
    EXPECT_TRUE(p.host.Problems().empty());
}

class ComSearch : public DeviceTest {
  protected:
    MDIFrmMain* StartUsb() {
        testsupport::DeviceHarness& h = Start({.link = Link::Usb});
        if (h.GetLink() != Link::Usb) return nullptr;
        devicePort_ = std::getenv("VELOTRIX_COM_PORTS");
        return apptest::StartProgramFor(h);
    }
    // A pseudo-terminal that opens but where no device answers.
    std::string SilentPort() {
        silent_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (silent_ < 0 || grantpt(silent_) != 0 || unlockpt(silent_) != 0) return {};
        return ptsname(silent_);
    }
    void TearDown() override {
        if (silent_ >= 0) close(silent_);
    }
    // COM1 to COM32 as given, the ports not given empty.
    static void UsePorts(const std::map<int, std::string>& given) {
        std::string list;
        for (int n = 1; n <= 32; ++n) {
            if (n > 1) list += ",";
            if (given.contains(n)) list += given.at(n);
        }
        setenv("VELOTRIX_COM_PORTS", list.c_str(), 1);
    }
    // The search from the link dialog with the USB or RS485 option; the port it selected.
    int16_t Search(MDIFrmMain& main, int16_t option) {
        int16_t chosen = -1;
        LetSearchRun(H().host);
        WithSelect(H().host, main, [&](FrmSelect& d) {
            d.Option2(option).UserClick();
            d.Command2.UserClick();
            chosen = d.Combo1.ListIndex();
            d.Command1(1).UserClick();
        });
        return chosen;
    }

    std::string devicePort_;
    int silent_ = -1;
};

// The device on the last port, COM32; the simulated device also leaves the first probe of
// its port unanswered.
TEST_F(ComSearch, UsbFindsTheDeviceOnTheLastPort) {
    MDIFrmMain* main = StartUsb();
    VX_REQUIRE_LINK(H(), Link::Usb);
    ASSERT_NE(main, nullptr);
    const std::string silent = SilentPort();
    ASSERT_FALSE(silent.empty());
    H().ShortenTimeouts(0.5);
    // COM2 opens but nothing answers, the other ports below COM32 do not exist.
    UsePorts({{1, "/nonexistent/tty"}, {2, silent}, {32, devicePort_}});
    if (!H().External()) {
        H().Device().AddFault({.kind = devsim::FaultKind::NoReply, .code = 0x39, .count = 1});
    }

    EXPECT_EQ(Search(*main, 0), 32);
    EXPECT_TRUE(S().SearchComFound);
    EXPECT_EQ(S().SearchComPort, 32);
    EXPECT_EQ(S().ComPortName, "COM32");
    ASSERT_EQ(H().host.Messages().size(), 1u);
    EXPECT_EQ(H().host.Messages()[0].prompt, "COM 32");
    EXPECT_EQ(H().host.Messages()[0].title, "Search COM");
    EXPECT_EQ(S().RxBuf[10], 0x46);
    EXPECT_EQ(S().InitCfg.ComPort, 1) << "Exit keeps the stored port";
    EXPECT_EQ(apptest::ReadFile(H().home.File("init.cfg")), apptest::InitCfgBytes(1, 0));
    if (H().External()) return;
    const auto& log = H().Device().Log();
    ASSERT_EQ(log.size(), 2u) << "the second probe of the port is answered";
    const std::array<uint8_t, 13> probe{0xF0, 0x46, 0, 0x39, 0, 0, 0, 0, 0, 0, 0, 1, 0xF7};
    EXPECT_TRUE(std::equal(probe.begin(), probe.end(), log[1].request.begin()));
}

TEST_F(ComSearch, UsbWithoutAnAnswerSaysSo) {
    MDIFrmMain* main = StartUsb();
    VX_REQUIRE_SIMULATOR(H());
    ASSERT_NE(main, nullptr);
    H().ShortenTimeouts(0.5);
    H().Device().AddFault({.kind = devsim::FaultKind::WrongCheck, .code = 0x39});
    EXPECT_EQ(Search(*main, 0), 1);
    EXPECT_FALSE(S().SearchComFound);
    ASSERT_EQ(H().host.Messages().size(), 1u);
    EXPECT_EQ(H().host.Messages()[0].prompt, " COM not found");
    EXPECT_EQ(H().Device().Log().size(), 2u) << "a reply without 'F' in byte 10 is no answer";
}

TEST_F(ComSearch, Rs485ListsEveryPortThatOpens) {
    MDIFrmMain* main = StartUsb();
    VX_REQUIRE_LINK(H(), Link::Usb);
    ASSERT_NE(main, nullptr);
    const std::string silent = SilentPort();
    ASSERT_FALSE(silent.empty());
    UsePorts({{1, devicePort_}, {2, "/nonexistent/tty"}, {32, silent}});
    EXPECT_EQ(Search(*main, 1), 1);
    ASSERT_EQ(H().host.Messages().size(), 1u);
    EXPECT_EQ(H().host.Messages()[0].prompt, "Found:\r\nCOM1\r\nCOM32");
    EXPECT_EQ(S().SearchComPort, 1);
    if (!H().External()) {
        EXPECT_TRUE(H().Device().Log().empty()) << "the RS485 search addresses no device";
    }
}

}  // namespace
