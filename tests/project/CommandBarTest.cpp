#include <gtest/gtest.h>

#include <string>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "devsim/Device.h"
#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "project/FrmDevice.h"
#include "support/DeviceTest.h"
#include "support/EditorRoad.h"

namespace {

using testsupport::DeviceTest;
using testsupport::Link;

struct CommandBarCommands : apptest::ProgramTest {};

TEST_F(CommandBarCommands, OneCommandAtATimeAndNoneDuringASend) {
    Start(2);
    s.CmdBusy = true;
    main->Command1(MDIFrmMain::CmdAddDevice).UserClick();
    main->Command1(MDIFrmMain::CmdExit).UserClick();
    EXPECT_TRUE(p.host.Messages().empty());
    EXPECT_TRUE(p.host.Problems().empty()) << "no dialog came up";

    s.CmdBusy = false;
    s.OpDone = false;
    main->Command1(MDIFrmMain::CmdAddDevice).UserClick();
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt,
              "Please wait the last requested operation to be accomplished");
    EXPECT_EQ(p.host.Messages()[0].title, "Exit");
    EXPECT_FALSE(s.CmdBusy);
}

TEST_F(CommandBarCommands, AnIndexAboveTheBarDoesNothing) {
    Start(-1);
    main->Command1_Click(9);
    EXPECT_TRUE(p.host.Messages().empty());
    EXPECT_TRUE(p.host.Problems().empty());
    EXPECT_FALSE(s.CmdBusy);
    EXPECT_TRUE(main->Visible());
}

TEST_F(CommandBarCommands, RemoveDeviceAsksThenEmptiesTheProject) {
    model::PerSlot<model::DeviceRecord> list{};
    list[1] = apptest::TcpRecord(10, 0, 0, 1);
    list[4] = apptest::TcpRecord(10, 0, 0, 4);
    list[6] = apptest::SerialRecord(1, 5);  // another link type: no window
    Start(2, 1, list);

    p.host.Answer(ui::vbNo);
    main->Command1(MDIFrmMain::CmdRemoveDevice).UserClick();
    EXPECT_EQ(p.host.Messages().back().prompt, "              Are you sure?");
    EXPECT_EQ(p.host.Messages().back().title, "Remove device(s)");
    EXPECT_EQ(s.DevList[1].Used, -1);

    p.host.Answer(ui::vbYes);
    main->Command1(MDIFrmMain::CmdRemoveDevice).UserClick();
    EXPECT_EQ(p.host.Messages().size(), 2u) << "the status windows close without a question";
    for (int16_t slot = 0; slot < 65; ++slot) {
        if (slot == 6) continue;
        EXPECT_EQ(s.DevList[slot].Used, 0) << slot;
    }
    EXPECT_EQ(s.DevList[6], list[6]) << "the other link's record stays as it was";
    EXPECT_TRUE(s.FrmDeviceWin[1]->Finished());
    EXPECT_TRUE(s.FrmDeviceWin[4]->Finished());
    EXPECT_FALSE(s.MainCmdMark);
    p.host.Advance(1000);
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdLink).Enabled()) << "to reach the other link";
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdRemoveDevice).Enabled());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdConnectAll).Enabled());
}

// ID && IP on USB needs the project's own USB device in slot 0, online.
TEST_F(CommandBarCommands, IdAndIpNeedsTheUsbDeviceOfTheProjectOnline) {
    Start(-1);
    const ui::CommandButton& idIp = main->Command1(MDIFrmMain::CmdIdIp);
    s.DevList[0].Online = 1;  // a free slot that says online
    p.host.Advance(1000);
    EXPECT_FALSE(idIp.Enabled());
    s.DevList[0] = apptest::SerialRecord(1, 4);  // another link's record, stored online
    s.DevList[0].Online = 1;
    p.host.Advance(1000);
    EXPECT_FALSE(idIp.Enabled());
    s.DevList[0] = apptest::SerialRecord(0, 0);
    s.DevList[0].Online = 1;
    p.host.Advance(1000);
    EXPECT_TRUE(idIp.Enabled());
}

TEST_F(CommandBarCommands, AnOpenEditorLocksTheProjectCommands) {
    Start(2);
    apptest::AddDeviceByIp(p.host, *main, "10.0.0.1");
    s.FrmDeviceWin[0]->Label2.UserClick();  // "Edit"
    ASSERT_EQ(s.EditorLastIdx, 0);
    p.host.Advance(1000);
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdLoadProject).Enabled());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdRemoveDevice).Enabled());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdConnectAll).Enabled());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdLink).Enabled());
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdSaveProject).Enabled());
    EXPECT_EQ(s.FrmDeviceWin[0]->Label2.ForeColor(), ui::RGB(255, 0, 0));
}

class EditorLock : public testsupport::EditorRoadTest {};

// The editor opens on a connected device, a second one offline beside it, and the timer does
// not tick: Load Project (a project whose slot 0 is another address ready in the file
// dialog), Remove Device, Connect All and the link button, clicked as a user does and through
// the handler, do nothing. The list, the status window, the editor and its connection stay,
// and an edit still reaches the device; closing the editor frees the commands at once.
TEST_F(EditorLock, AnOpenEditorLocksTheProjectCommandsAtOnce) {
    testsupport::DeviceHarness& h = Start({.link = Link::Tcp, .tcpDevices = 2});
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    h.ShortenTimeouts(0.1);
    apptest::AddDeviceByIp(h.host, *main, h.Address(0));
    apptest::AddDeviceByIp(h.host, *main, h.Address(1));
    FrmDevice& status = *S().FrmDeviceWin[0];
    status.Label1.UserClick();  // "Connect"
    ASSERT_EQ(S().DevList[0].Online, 1);
    model::PerSlot<model::DeviceRecord> other{};
    other[0] = apptest::TcpRecord(127, 77, 0, 251);
    const std::string project = h.home.File("other.xpj");
    apptest::WriteFile(project, apptest::StartIniBytes(other));
    h.host.Advance(1000);

    status.Label2.UserClick();  // "Edit"
    FrmCtrl* editor = ExistingFrmCtrl(S(), 0);
    ASSERT_NE(editor, nullptr);
    const model::PerSlot<model::DeviceRecord> list = S().DevList;
    const int offlineFrames = h.Device(1).FrameCount();
    h.host.ChooseFile(project);
    const int16_t locked[] = {MDIFrmMain::CmdLoadProject, MDIFrmMain::CmdRemoveDevice,
                              MDIFrmMain::CmdConnectAll, MDIFrmMain::CmdLink};
    for (int16_t i : locked) {
        SCOPED_TRACE(main->Command1(i).Caption());
        EXPECT_FALSE(main->Command1(i).Enabled());
        EXPECT_FALSE(main->Command1(i).UserClick());
        main->Command1_Click(i);
    }
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdSaveProject).Enabled());
    EXPECT_TRUE(h.host.Messages().empty());
    EXPECT_TRUE(h.host.Dialogs().empty()) << "no file dialog";
    EXPECT_TRUE(h.host.Problems().empty()) << "no dialog came up";
    EXPECT_EQ(S().DevList, list);
    EXPECT_TRUE(status.Loaded());
    EXPECT_EQ(status.Caption(), " IP:" + h.Address(0) + " - Online");
    EXPECT_EQ(ExistingFrmCtrl(S(), 0), editor);
    EXPECT_TRUE(editor->Visible());
    EXPECT_NE(S().TcpLink.IsConnected(0), 0);
    EXPECT_EQ(h.Device(1).FrameCount(), offlineFrames) << "Connect All reached no device";
    EXPECT_FALSE(S().CmdBusy);

    editor->SSTab1.UserSelectTab(1);
    const auto level = [this] {
        return Bytes{static_cast<uint8_t>(Byte(model::GainAddrHi[8])),
                     static_cast<uint8_t>(Byte(model::GainAddrLo[8]))};
    };
    const Bytes before = level();
    testsupport::Enter(editor->Text1(8), "-7.5");
    const auto& image = S().DevImage[0].ProgImage;
    const Bytes sent{image[model::GainAddrHi[8]], image[model::GainAddrLo[8]]};
    EXPECT_NE(sent, before);
    EXPECT_EQ(level(), sent) << "the edit reached the device";
    EXPECT_TRUE(h.host.Messages().empty());

    h.host.Answer(ui::vbYes);
    ASSERT_TRUE(editor->UserClose());
    for (int16_t i :
         {MDIFrmMain::CmdLoadProject, MDIFrmMain::CmdRemoveDevice, MDIFrmMain::CmdConnectAll}) {
        EXPECT_TRUE(main->Command1(i).Enabled()) << main->Command1(i).Caption();
    }
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdLink).Enabled()) << "the project has devices";
}

class ConnectAll : public DeviceTest {};

// Two devices on TCP/IP: beside an outside device the second is simulated.
TEST_F(ConnectAll, ListsTheDevicesThatDidNotAnswer) {
    testsupport::DeviceHarness& h = Start({.link = Link::Tcp, .tcpDevices = 2});
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    apptest::AddDeviceByIp(h.host, *main, h.Address(0));
    apptest::AddDeviceByIp(h.host, *main, "127.77.0.250");  // nothing listens there
    apptest::AddDeviceByIp(h.host, *main, h.Address(1));
    h.host.Advance(1000);
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();

    EXPECT_EQ(S().DevList[0].Online, 1);
    EXPECT_EQ(S().DevList[1].Online, 0);
    EXPECT_EQ(S().DevList[2].Online, 1);
    EXPECT_EQ(S().FrmDeviceWin[0]->Caption(), " IP:" + h.Address(0) + " - Online");
    EXPECT_EQ(S().FrmDeviceWin[0]->Label1.Caption(), "Disconnect");
    ASSERT_EQ(h.host.Messages().size(), 1u);
    EXPECT_EQ(h.host.Messages()[0].prompt,
              "The following devices are not found\r\n IP:127.77.0.250\r\n");
    EXPECT_EQ(h.host.Messages()[0].title, "Connect All");
    EXPECT_EQ(h.host.Messages()[0].style, ui::vbInformation);
    EXPECT_FALSE(S().CmdBusy);

    h.host.TakeMessages();
    const int frames = h.Device(1).FrameCount();
    h.host.Advance(1000);
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    EXPECT_EQ(h.Device(1).FrameCount(), frames) << "an online device is not read again";
}

TEST_F(ConnectAll, SaysNothingWhenEveryDeviceAnswers) {
    testsupport::DeviceHarness& h = Start({.link = Link::Rs485, .rs485Ids = {2, 7}});
    MDIFrmMain* main = apptest::StartProgramFor(h);
    ASSERT_NE(main, nullptr);
    apptest::AddDeviceById(h.host, *main, 7);
    apptest::AddDeviceById(h.host, *main, 2);
    h.host.Advance(1000);
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    EXPECT_TRUE(h.host.Messages().empty());
    EXPECT_EQ(S().DevList[0].Online, 1);
    EXPECT_EQ(S().DevList[1].Online, 1);
    EXPECT_EQ(S().FrmDeviceWin[0]->Caption(), " RS485 - ID:07 - Online");
}

}  // namespace
