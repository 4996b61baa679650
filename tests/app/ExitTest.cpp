#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "devsim/Device.h"
#include "editor/FrmCtrl.h"
#include "model/DevImageRecord.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "support/DeviceTest.h"

namespace {

using testsupport::DeviceOptions;
using testsupport::DeviceTest;
using testsupport::Link;

// The codes the device received, in order.
std::vector<uint8_t> Codes(devsim::Device& d) {
    std::vector<uint8_t> codes;
    for (const devsim::LoggedFrame& f : d.Log()) codes.push_back(f.request[devsim::kCodePos]);
    return codes;
}

bool Received(devsim::Device& d, uint8_t code) {
    const std::vector<uint8_t> codes = Codes(d);
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

std::vector<uint8_t> ImageBytes(const model::DevImageRecord& image) {
    std::vector<uint8_t> out(image.ProgImage.begin(), image.ProgImage.end());
    out.insert(out.end(), image.DevExtra.begin(), image.DevExtra.end());
    out.insert(out.end(), image.PanelState.begin(), image.PanelState.end());
    return out;
}

struct Exit : apptest::ProgramTest {};

TEST_F(Exit, RefusedWhileAParameterSendIsOpen) {
    Start(-1);
    s.OpDone = false;
    s.EditBusy = true;
    EXPECT_FALSE(main->UserClose());
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt,
              "Please wait the last requested operation to be accomplished");
    EXPECT_EQ(p.host.Messages()[0].title, "Exit");
    EXPECT_FALSE(s.EditBusy);
    EXPECT_TRUE(main->Visible());
    EXPECT_TRUE(apptest::ReadFile(p.File("start.ini")).empty());
}

TEST_F(Exit, NoKeepsTheProgramAndWritesNothing) {
    Start(-1);
    p.host.Answer(ui::vbNo);
    main->Command1(MDIFrmMain::CmdExit).UserClick();
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt, "               Are you sure ? ");
    EXPECT_EQ(p.host.Messages()[0].style, ui::vbYesNo + ui::vbDefaultButton2);
    EXPECT_FALSE(p.host.Ended());
    EXPECT_TRUE(main->Loaded());
    EXPECT_TRUE(apptest::ReadFile(p.File("start.ini")).empty());
    EXPECT_TRUE(apptest::ReadFile(p.File("startBf.ini")).empty());
}

TEST_F(Exit, SerialRecordsCarryTheComPortAndAnOfflineUsbDeviceHearsNothing) {
    model::PerSlot<model::DeviceRecord> list{};
    list[0] = apptest::SerialRecord(0, 0);
    list[0].IpOctets = {1, 2, 3, 4};
    list[0].NickName = "desk";
    list[3] = apptest::TcpRecord(10, 0, 0, 3);  // another link type: no window
    list[3].WinLeft = 100;
    list[3].WinTop = 200;
    Start(0, 12, list);
    s.FrmDeviceWin[0]->Move(600, 900, FrmDevice::kWidth, FrmDevice::kHeight);

    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    model::PerSlot<model::DeviceRecord> expected{};
    expected[0] = list[0];
    expected[0].IpOctets = {12, 12, 12, 12};
    expected[0].WinLeft = 600;
    expected[0].WinTop = 900;
    expected[3] = list[3];
    EXPECT_EQ(apptest::ReadFile(p.File("start.ini")), apptest::StartIniBytes(expected));
    EXPECT_EQ(apptest::ReadFile(p.File("startBf.ini")).size(), 65u * 1763u);
    EXPECT_EQ(p.host.SleptMs(), 0) << "no command was sent, so no pause";
}

TEST_F(Exit, AStateFileThatCannotBeWrittenIsReported) {
    Start(-1);
    ASSERT_EQ(unlink(p.File("start.ini").c_str()), 0);
    ASSERT_EQ(mkdir(p.File("start.ini").c_str(), 0700), 0);  // nothing can replace it

    p.host.Answer(ui::vbYes);
    p.host.Answer(ui::vbNo);
    main->Command1(MDIFrmMain::CmdExit).UserClick();
    std::vector<ui::HeadlessHost::Message> m = p.host.TakeMessages();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_NE(m[1].prompt.find(p.File("start.ini")), std::string::npos) << m[1].prompt;
    EXPECT_EQ(m[1].prompt.find("startBf.ini"), std::string::npos) << "that one was written";
    EXPECT_EQ(m[1].title, "Exit");
    EXPECT_FALSE(p.host.Ended()) << "the user stays to make room";
    EXPECT_TRUE(main->Loaded());
    EXPECT_EQ(apptest::ReadFile(p.File("startBf.ini")).size(), 65u * 1763u);

    p.host.Answer(ui::vbYes);
    p.host.Answer(ui::vbYes);
    main->Command1(MDIFrmMain::CmdExit).UserClick();
    EXPECT_TRUE(p.host.Ended()) << "or leaves anyway";
}

class ExitWithDevices : public DeviceTest {};

// Two devices on TCP/IP: beside an outside device the second is simulated.
TEST_F(ExitWithDevices, WritesTheStateFilesByteExactAndClosesTheTcpSessions) {
    testsupport::DeviceHarness& h = Start({.link = Link::Tcp, .tcpDevices = 2});
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    apptest::AddDeviceByIp(h.host, *main, h.Address(0));
    apptest::AddDeviceByIp(h.host, *main, h.Address(1));
    ASSERT_EQ(S().DevList[1].Used, -1);
    h.host.Advance(1000);
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    ASSERT_EQ(S().DevList[0].Online, 1);
    ASSERT_EQ(S().DevList[1].Online, 1);
    EXPECT_TRUE(h.host.Messages().empty());
    S().FrmDeviceWin[1]->Move(4000, 1500, FrmDevice::kWidth, FrmDevice::kHeight);
    const std::string name0 = S().DevList[0].NickName;
    const std::vector<uint8_t> memory = h.ReadMemory(0, 64, 912);
    ASSERT_EQ(memory.size(), 912u);
    if (!h.External()) h.Device(0).ClearLog();
    h.Device(1).ClearLog();
    const int64_t slept = h.host.SleptMs();

    ASSERT_TRUE(apptest::ExitWithYes(h.host, *main));
    if (!h.External()) {
        EXPECT_EQ(Codes(h.Device(0)), std::vector<uint8_t>{CmdCloseTcp});
    }
    EXPECT_EQ(Codes(h.Device(1)), std::vector<uint8_t>{CmdCloseTcp});
    EXPECT_EQ(h.host.SleptMs() - slept, 3000);

    // The free slots were read from no file at all: zeros and empty texts.
    model::PerSlot<model::DeviceRecord> expected;
    expected.fill(apptest::ZeroRecord());
    for (int k = 0; k < 2; ++k) {
        std::array<unsigned, 4> ip{};
        ASSERT_EQ(std::sscanf(h.Address(static_cast<size_t>(k)).c_str(), "%u.%u.%u.%u", &ip[0],
                              &ip[1], &ip[2], &ip[3]),
                  4);
        expected[k] = apptest::TcpRecord(static_cast<uint8_t>(ip[0]), static_cast<uint8_t>(ip[1]),
                                         static_cast<uint8_t>(ip[2]), static_cast<uint8_t>(ip[3]));
        expected[k].Online = 1;
        expected[k].NickName = S().DevList[k].NickName;
    }
    expected[1].WinLeft = 4000;
    expected[1].WinTop = 1500;
    const std::vector<uint8_t> name = h.ReadMemory(0, 32, 16);
    EXPECT_EQ(name0, std::string(name.begin(), name.end())) << "the name the device reported";
    const std::vector<uint8_t> list = apptest::ReadFile(h.home.File("start.ini"));
    const std::vector<uint8_t> want = apptest::StartIniBytes(expected);
    EXPECT_EQ(list, want);

    std::vector<uint8_t> images;
    for (const model::DevImageRecord& image : S().DevImage) {
        const std::vector<uint8_t> b = ImageBytes(image);
        images.insert(images.end(), b.begin(), b.end());
    }
    const std::vector<uint8_t> file = apptest::ReadFile(h.home.File("startBf.ini"));
    EXPECT_EQ(file, images);
    EXPECT_TRUE(std::equal(memory.begin(), memory.end(), file.begin()))
        << "slot 0 holds the device's working program";
}

// The busy pointer shows for the pause, and no meter request of the open editor follows the
// closing command, however overdue its poll is after the pause.
TEST_F(ExitWithDevices, NothingFollowsTheClosingCommand) {
    testsupport::DeviceHarness& h = Start({.link = Link::Tcp});
    VX_REQUIRE_SIMULATOR(h);
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    apptest::AddDeviceByIp(h.host, *main, h.Address(0));
    h.host.Advance(1000);
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    ASSERT_EQ(S().DevList[0].Online, 1);
    S().FrmDeviceWin[0]->Label2.UserClick();  // "Edit"
    FrmCtrl* editor = ExistingFrmCtrl(S(), 0);
    ASSERT_NE(editor, nullptr);
    editor->SSTab1.UserSelectTab(1);
    h.host.Advance(2100);
    ASSERT_TRUE(Received(h.Device(0), CmdPollLevelsOut)) << "the editor polls";
    h.Device(0).ClearLog();

    ASSERT_TRUE(apptest::ExitWithYes(h.host, *main));
    EXPECT_EQ(h.host.MousePointer(), ui::vbArrowHourglass);
    h.host.Advance(5000);
    EXPECT_EQ(Codes(h.Device(0)), std::vector<uint8_t>{CmdCloseTcp});
}

TEST_F(ExitWithDevices, ATcpProjectWithoutConnectionsSendsNothing) {
    testsupport::DeviceHarness& h = Start({.link = Link::Tcp});
    VX_REQUIRE_LINK(h, Link::Tcp);
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    apptest::AddDeviceByIp(h.host, *main, h.Address(0));
    ASSERT_TRUE(apptest::ExitWithYes(h.host, *main));
    if (!h.External()) {
        EXPECT_EQ(h.Device(0).FrameCount(), 0);
    }
    EXPECT_EQ(h.host.SleptMs(), 0);
}

// Three devices on TCP/IP, and the device of slot k fails its closing command, k = 0, 1, 2 in
// turn (3: none fails): each device before it got exactly one closing command, none after it is
// addressed, the transport says so and there is no pause; the program ends with both state
// files written.
TEST_F(ExitWithDevices, EachClosingCommandOverTcpCanFail) {
    for (size_t failing = 0; failing <= 3; ++failing) {
        SCOPED_TRACE("failing " + std::to_string(failing));
        testsupport::DeviceHarness& h = Start({.link = Link::Tcp, .tcpDevices = 3});
        VX_REQUIRE_SIMULATOR(h);
        MDIFrmMain* main = apptest::StartProgramFor(h);
        ASSERT_NE(main, nullptr);
        for (size_t k = 0; k < 3; ++k) apptest::AddDeviceByIp(h.host, *main, h.Address(k));
        h.host.Advance(1000);
        main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
        for (int16_t k = 0; k < 3; ++k) ASSERT_EQ(S().DevList[k].Online, 1);
        h.ShortenTimeouts(0.1);
        for (size_t k = 0; k < 3; ++k) h.Device(k).ClearLog();
        if (failing < 3) h.Device(failing).AddFault({devsim::FaultKind::NoReply, CmdCloseTcp});
        const int64_t slept = h.host.SleptMs();

        ASSERT_TRUE(apptest::ExitWithYes(h.host, *main));
        for (size_t k = 0; k < 3; ++k) {
            const auto slot = static_cast<int16_t>(k);
            EXPECT_EQ(Requests(k),
                      k <= failing ? std::vector<std::vector<uint8_t>>{Frame(slot, CmdCloseTcp, {})}
                                   : std::vector<std::vector<uint8_t>>{})
                << "device " << k;
        }
        EXPECT_EQ(h.host.SleptMs() - slept, failing < 3 ? 0 : 3000);
        const auto messages = h.host.TakeMessages();
        ASSERT_EQ(messages.size(), failing < 3 ? 2u : 1u);
        if (failing < 3) {
            EXPECT_EQ(messages[1].prompt,
                      "Device @ IP:" + h.Address(failing) + " will be disconnected");
        }
        EXPECT_EQ(apptest::ReadFile(h.home.File("start.ini")).size(), 65u * 128u);
        EXPECT_EQ(apptest::ReadFile(h.home.File("startBf.ini")).size(), 65u * 1763u);
    }
}

// On a serial link the closing command is one frame to the first online slot, sent without
// waiting for a reply: a device that does not answer it changes nothing, the pause follows
// either way. On RS485 the first slot holds the device with the higher ID.
TEST_F(ExitWithDevices, TheSerialClosingCommandIsOneFrameAnsweredOrNot) {
    for (Link link : {Link::Usb, Link::Rs485}) {
        for (bool answered : {true, false}) {
            SCOPED_TRACE(std::string(link == Link::Usb ? "USB" : "RS485") +
                         (answered ? "" : ", no answer"));
            testsupport::DeviceHarness& h = Start({.link = link, .rs485Ids = {3, 7}});
            VX_REQUIRE_SIMULATOR(h);
            MDIFrmMain* main = apptest::StartProgramFor(h);
            ASSERT_NE(main, nullptr);
            if (link == Link::Usb) {
                main->Command1(MDIFrmMain::CmdAddDevice).UserClick();
            } else {
                apptest::AddDeviceById(h.host, *main, 7);
                apptest::AddDeviceById(h.host, *main, 3);
            }
            h.host.Advance(1000);
            main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
            ASSERT_EQ(S().DevList[0].Online, 1);
            const size_t told = link == Link::Usb ? 0 : 1;  // the device in slot 0
            const uint8_t address = link == Link::Usb ? 0 : 7;
            for (size_t k = 0; k < h.DeviceCount(); ++k) h.Device(k).ClearLog();
            if (!answered) h.Device(told).AddFault({devsim::FaultKind::NoReply, CmdCloseSerial});
            const int64_t slept = h.host.SleptMs();

            ASSERT_TRUE(apptest::ExitWithYes(h.host, *main));
            EXPECT_EQ(h.host.SleptMs() - slept, 3000);
            // A request answered afterwards comes after every frame the exit put on the link.
            const int16_t last = link == Link::Usb ? 0 : 1;
            ASSERT_TRUE(h.Ask(last, CmdReadVersion));
            std::vector<std::vector<uint8_t>> expected = {Frame(address, CmdCloseSerial, {})};
            if (link == Link::Usb) expected.push_back(Frame(0, CmdReadVersion, {}));
            EXPECT_EQ(Requests(told), expected);
            if (link == Link::Rs485) {
                EXPECT_EQ(Requests(0),
                          (std::vector<std::vector<uint8_t>>{Frame(3, CmdReadVersion, {})}));
            }
            EXPECT_EQ(h.host.Messages().size(), 1u) << "only the question";
        }
    }
}

TEST_F(ExitWithDevices, OnRs485OnlyTheFirstOnlineDeviceIsTold) {
    testsupport::DeviceHarness& h = Start({.link = Link::Rs485, .rs485Ids = {3, 7, 9}});
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    for (int16_t id : {9, 3, 7}) apptest::AddDeviceById(h.host, *main, id);
    ASSERT_EQ(S().DevList[2].DevId, 7);
    h.host.Advance(1000);
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    h.host.Answer(ui::vbYes);
    S().FrmDeviceWin[0]->Label1.UserClick();  // the device with ID 9 goes offline
    ASSERT_EQ(S().DevList[0].Online, 0);
    ASSERT_EQ(S().DevList[1].Online, 1);
    for (size_t k = 0; k < 3; ++k) h.Device(k).ClearLog();
    const int64_t slept = h.host.SleptMs();

    ASSERT_TRUE(apptest::ExitWithYes(h.host, *main));
    EXPECT_EQ(h.host.SleptMs() - slept, 3000);
    // The frame goes out without waiting for a reply. A request answered by the device with
    // ID 7 afterwards comes after every frame the exit put on the bus.
    ASSERT_TRUE(h.Ask(2, CmdReadVersion));
    // Only the addressed device hears a frame on the bus: the one with ID 3.
    ASSERT_TRUE(Received(h.Device(0), CmdCloseSerial));
    EXPECT_FALSE(Received(h.Device(2), CmdCloseSerial));
    EXPECT_FALSE(Received(h.Device(1), CmdCloseSerial));
    for (const devsim::LoggedFrame& f : h.Device(0).Log()) {
        if (f.request[devsim::kCodePos] == CmdCloseSerial) {
            EXPECT_EQ(f.request[devsim::kAddressPos], 3);
        }
    }
}

}  // namespace
