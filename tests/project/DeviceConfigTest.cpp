// The device configuration dialogs end to end against the device: ID and IP, the nick name,
// the external signals and the USB/RS485 mode. Their effect is read back from the device over
// the wire, and an outside device gets its settings back afterwards; fault injection shows
// what a failed request leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "devsim/MemoryMap.h"
#include "editor/FrmCtrl.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "project/FrmConfigure.h"
#include "project/FrmDevice.h"
#include "project/FrmHelpPriority.h"
#include "project/FrmNickName.h"
#include "project/FrmWallPanel.h"
#include "project/Frm_ID_IP.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"

namespace {

using testsupport::DeviceOptions;
using testsupport::Link;
using Bytes = std::vector<uint8_t>;

class DeviceConfig : public testsupport::EditorRoadTest {
  protected:
    // The requests of one code that the simulated device received.
    std::vector<Bytes> Requests(uint8_t code) {
        std::vector<Bytes> frames;
        for (const auto& logged : H().Device().Log()) {
            if (logged.request[3] == code) {
                frames.emplace_back(logged.request.begin(), logged.request.end());
            }
        }
        return frames;
    }
    // The request of the code after skip more frames gets no answer (it is still carried out).
    void FailRequest(uint8_t code, int skip) {
        H().Device().AddFault({.kind = devsim::FaultKind::NoReply,
                               .code = code,
                               .fromFrame = H().Device().FrameCount() + 1 + skip,
                               .count = 1});
    }
    // The four requests of the dialog that give the device an RS485 ID, an address and the
    // DHCP choice.
    static bool SetNetwork(const testsupport::DeviceHarness::Asker& ask, uint8_t id,
                           const Bytes& ip, uint8_t dhcp) {
        return ask(CmdSetNetConfig, {id, 0, 0, 0, 0, 0, 1, 0}) && ask(CmdSetNetConfig, {id}) &&
               ask(CmdSetNetConfig, {ip[0], ip[1], ip[2], ip[3], dhcp, 0, 1, 1}) &&
               ask(CmdSetNetConfig, {ip[0], ip[1], ip[2], ip[3], dhcp, 0, 0, 1});
    }
    // The device's network settings as it reports them now go back to it afterwards.
    void RestoreNetwork(int16_t at) {
        const auto reported = H().Ask(at, CmdReadIp);
        const Bytes mode = H().ReadMemory(at, devsim::kNetModeAddr, 1);
        ASSERT_TRUE(reported && mode.size() == 1);
        const Bytes ip(reported->begin() + 4, reported->begin() + 8);
        const uint8_t id = (*reported)[8];
        H().Restore([ip, id, dhcp = mode[0]](const testsupport::DeviceHarness::Asker& ask) {
            return SetNetwork(ask, id, ip, dhcp);
        });
    }
    // The device holds the ID and address, DHCP off, set as another tool would, and the PC has
    // read them at a connect.
    void HoldNetwork(int16_t at, uint8_t id, const Bytes& ip) {
        const auto ask = [this, at](uint8_t cmd, const Bytes& data) {
            return H().Ask(at, cmd, data);
        };
        ASSERT_TRUE(SetNetwork(ask, id, ip, 0));
        Reconnect(at);
        ASSERT_EQ(S().DevNetId[at], id);
    }
    // The ID, the address and the DHCP byte as the device reports them over the wire.
    Bytes Network(int16_t at) {
        const auto reported = H().Ask(at, CmdReadIp);
        Bytes held = H().ReadMemory(at, devsim::kNetModeAddr, 1);
        if (!reported) return {};
        held.insert(held.begin(), reported->begin() + 4, reported->begin() + 9);
        return held;
    }
    // The program on the harness's link with its one device added and connected from the
    // command bar; nullptr when no main window came up.
    MDIFrmMain* ConnectFromTheCommandBar() {
        MDIFrmMain* main = apptest::StartProgramFor(H());
        if (main == nullptr) return nullptr;
        main->Command1(MDIFrmMain::CmdAddDevice).UserClick();
        H().host.Advance(1000);
        main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
        return main;
    }
    // The external-signal settings written into the device and read in again, as the dialog
    // finds them.
    void SetExternalSignals(const Bytes& enableModePriority) {
        ASSERT_TRUE(H().ChangeMemory(slot, devsim::kExtEnableAddr, enableModePriority));
        Reconnect(slot);
    }
};

// ID and IP from the command bar on USB, where the button shows while the device is online.
TEST_F(DeviceConfig, IdAndIpReachTheDeviceInFourRequests) {
    Start({.link = Link::Usb});
    VX_REQUIRE_LINK(H(), Link::Usb);
    MDIFrmMain* main = ConnectFromTheCommandBar();
    ASSERT_NE(main, nullptr);
    H().host.Advance(1000);
    ASSERT_TRUE(main->Command1(MDIFrmMain::CmdIdIp).Visible());
    ASSERT_TRUE(main->Command1(MDIFrmMain::CmdIdIp).Enabled());
    const int16_t id = S().DevNetId[0];
    RestoreNetwork(0);
    ClearLog();

    H().host.DriveModal("Frm_ID_IP", [&](ui::Form& f) {
        auto& d = static_cast<Frm_ID_IP&>(f);
        EXPECT_EQ(d.Label4.Caption(), "Current ID = " + std::to_string(id));
        EXPECT_EQ(d.Label2.Caption(), "MAC = " + S().DevInfoText[0]);
        EXPECT_EQ(d.Combo1.ListIndex(), id >= 1 && id <= 64 ? id : -1);
        d.Combo1.UserSelect(0);
        EXPECT_EQ(d.Combo1.ListIndex(), 1) << "ID 0 is not offered";
        d.Combo1.UserSelect(7);
        d.Combo5.UserSelect(192);
        d.Combo6.UserSelect(168);
        d.Combo7.UserSelect(1);
        d.Combo4.UserSelect(255);
        d.Command1.UserClick();
        EXPECT_FALSE(d.Visible());
    });
    main->Command1(MDIFrmMain::CmdIdIp).UserClick();
    if (Simulated()) {
        EXPECT_EQ(Requests(CmdSetNetConfig),
                  (std::vector<Bytes>{Frame(0, 0x1C, {7, 0, 0, 0, 0, 0, 1, 0}),
                                      Frame(0, 0x1C, {7, 0, 0, 0, 0, 0, 0, 0}),
                                      Frame(0, 0x1C, {192, 168, 1, 255, 0, 0, 1, 1}),
                                      Frame(0, 0x1C, {192, 168, 1, 255, 0, 0, 0, 1})}));
    }
    const auto reported = H().Ask(0, CmdReadIp);
    ASSERT_TRUE(reported);
    EXPECT_EQ(Bytes(reported->begin() + 4, reported->begin() + 9), (Bytes{192, 168, 1, 255, 7}));
    EXPECT_EQ(H().ReadMemory(0, 28, 1), Bytes{0}) << "DHCP off";
    EXPECT_EQ(S().DevNetId[0], 7);
    EXPECT_EQ(S().DevNetIp[0], (std::array<int16_t, 4>{192, 168, 1, 255}));
    EXPECT_EQ(S().DevList[0].DevId, 0) << "the device list keeps the old address";
    EXPECT_TRUE(H().host.Problems().empty());
}

// A device whose ID and address the lists can't show, on the USB link of the command bar's
// button: the lists show no choice and OK keeps what the user did not pick, read back from the
// device. First nothing is picked (ID 100, first octet 240); then only a new ID is, on a device
// whose ID and first and last octets are 0, values the lists move to 1.
TEST_F(DeviceConfig, IdAndIpKeepWhatTheListsCannotShow) {
    Start({.link = Link::Usb});
    VX_REQUIRE_LINK(H(), Link::Usb);
    MDIFrmMain* main = ConnectFromTheCommandBar();
    ASSERT_NE(main, nullptr);
    RestoreNetwork(0);
    struct Case {
        uint8_t id;
        Bytes ip;
        std::array<int16_t, 5> shown;  // ID list, then the octet lists from the left
        int16_t pick;                  // the ID the user picks, or none
        Bytes after;                   // ID, address, DHCP as the device reports them
    };
    const Case cases[] = {
        {100, {240, 0, 0, 9}, {-1, -1, 0, 0, 9}, -1, {240, 0, 0, 9, 100, 0}},
        {0, {0, 168, 1, 0}, {-1, -1, 168, 1, -1}, 7, {0, 168, 1, 0, 7, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.id});
        HoldNetwork(0, c.id, c.ip);
        H().host.Advance(1000);
        ClearLog();
        H().host.DriveModal("Frm_ID_IP", [&](ui::Form& f) {
            auto& d = static_cast<Frm_ID_IP&>(f);
            EXPECT_EQ(d.Label4.Caption(), "Current ID = " + std::to_string(c.id));
            EXPECT_EQ(d.Label5.Caption(),
                      "Current IP = " + std::to_string(c.ip[0]) + "." + std::to_string(c.ip[1]) +
                          "." + std::to_string(c.ip[2]) + "." + std::to_string(c.ip[3]));
            const ui::ComboBox* lists[] = {&d.Combo1, &d.Combo5, &d.Combo6, &d.Combo7, &d.Combo4};
            for (size_t k = 0; k < 5; ++k) EXPECT_EQ(lists[k]->ListIndex(), c.shown[k]) << k;
            if (c.pick >= 0) d.Combo1.UserSelect(c.pick);
            d.Command1.UserClick();
            EXPECT_FALSE(d.Visible());
        });
        main->Command1(MDIFrmMain::CmdIdIp).UserClick();
        EXPECT_EQ(Network(0), c.after);
        const uint8_t id = c.after[4];
        if (Simulated()) {
            EXPECT_EQ(Requests(CmdSetNetConfig),
                      (std::vector<Bytes>{
                          Frame(0, 0x1C, {id, 0, 0, 0, 0, 0, 1, 0}),
                          Frame(0, 0x1C, {id, 0, 0, 0, 0, 0, 0, 0}),
                          Frame(0, 0x1C, {c.ip[0], c.ip[1], c.ip[2], c.ip[3], 0, 0, 1, 1}),
                          Frame(0, 0x1C, {c.ip[0], c.ip[1], c.ip[2], c.ip[3], 0, 0, 0, 1})}));
        }
        EXPECT_EQ(S().DevNetId[0], id);
        EXPECT_EQ(S().DevNetIp[0], (std::array<int16_t, 4>{c.ip[0], c.ip[1], c.ip[2], c.ip[3]}));
        EXPECT_TRUE(H().host.Problems().empty());
    }
}

// The device fails each of the four requests in turn, with "dhcp" checked and the lists
// showing no choice for an ID and first octet they can't show: nothing follows the failed
// request, the dialog stays open, the DHCP choice is stored only once the ID pair went through,
// and the device holds its own ID and address whatever landed.
TEST_F(DeviceConfig, IdAndIpWithDhcpSendTheListsAndStopAtEachFailure) {
    Connect({.link = Link::Tcp});
    VX_REQUIRE_SIMULATOR(H());
    HoldNetwork(slot, 100, {240, 0, 0, 9});
    for (int failing = 0; failing < 4; ++failing) {
        SCOPED_TRACE(failing);
        if (S().DevList[slot].Online != 1) ModProject::ConnectDevice(S(), slot);
        S().CurDevWin = slot;
        const int16_t mode = S().DevNetMode[slot];
        ClearLog();
        FailRequest(CmdSetNetConfig, failing);
        H().host.DriveModal("Frm_ID_IP", [&](ui::Form& f) {
            auto& d = static_cast<Frm_ID_IP&>(f);
            if (d.Check1.Value() == 0) d.Check1.UserClick();
            EXPECT_FALSE(d.Frame14.Enabled());
            d.Command1.UserClick();
            EXPECT_TRUE(d.Visible()) << "a failed request keeps the dialog open";
            d.Command2.UserClick();
        });
        Frm_ID_IP dialog(S());
        dialog.ShowModal();
        EXPECT_EQ(Requests(CmdSetNetConfig).size(), static_cast<size_t>(failing + 1));
        EXPECT_EQ(S().DevNetMode[slot], failing < 2 ? mode : 1);
        EXPECT_EQ(S().DevNetId[slot], 100);
        EXPECT_EQ(S().DevNetIp[slot], (std::array<int16_t, 4>{240, 0, 0, 9}));
        H().Device().ClearFaults();
        if (S().DevList[slot].Online != 1) ModProject::ConnectDevice(S(), slot);
        EXPECT_EQ(Network(slot), (Bytes{240, 0, 0, 9, 100, failing < 2 ? uint8_t{0} : uint8_t{1}}));
        H().host.TakeMessages();
    }
}

// A dialog opened for an offline device sends nothing and says nothing went well.
TEST_F(DeviceConfig, IdAndIpRefuseAnOfflineDevice) {
    Start({.link = Link::Tcp});
    const int16_t slot = H().AddDevice(0);
    S().CurDevWin = slot;
    H().host.DriveModal("Frm_ID_IP", [&](ui::Form& f) {
        auto& d = static_cast<Frm_ID_IP&>(f);
        EXPECT_FALSE(d.Command1.Enabled());
        d.Command1_Click();
        EXPECT_TRUE(d.Visible());
        d.Command2.UserClick();
    });
    Frm_ID_IP dialog(S());
    dialog.ShowModal();
    ExpectRequests({});
    EXPECT_EQ(S().DevNetId[slot], 0);
}

// The status window's nick name: padded into the device at 32..47 while online.
TEST_F(DeviceConfig, NickNameOfAnOnlineDeviceIsWrittenIntoIt) {
    Connect();
    const Bytes name = H().ReadMemory(slot, devsim::kDeviceNameAddr, 16);
    H().Preserve(slot, devsim::kDeviceNameAddr, 16);
    ClearLog();
    H().host.DriveModal("FrmNickName", [&](ui::Form& f) {
        auto& d = static_cast<FrmNickName&>(f);
        std::string shown(name.begin(), name.end());
        shown.erase(shown.find_last_not_of(' ') + 1);
        shown.erase(0, shown.find_first_not_of(' '));
        EXPECT_EQ(d.Text1.Text(), shown) << "the device's name, read at connect";
        if (Simulated()) {
            EXPECT_EQ(d.Text1.Text(), "Velotrix TCP 0");
        }
        d.Text1.SetSelection(0, 16);
        d.Text1.UserType("Stage");
        d.Command1(0).UserClick();
    });
    FrmDevice& w = FrmDeviceOf(S(), slot);
    w.Label10.UserDblClick();
    EXPECT_EQ(S().DevList[slot].NickName, "Stage           ");
    EXPECT_EQ(w.Label10.Caption(), "Stage");
    const std::string onDevice = "Stage           ";
    EXPECT_EQ(H().ReadMemory(slot, 32, 16), Bytes(onDevice.begin(), onDevice.end()));
    if (Simulated()) {
        const auto frames = Requests(CmdWriteMem4);
        ASSERT_EQ(frames.size(), 4u);
        EXPECT_EQ(frames[1], Frame(slot, 0x18, {0, 36, 'e', ' ', ' ', ' ', 0, 0}));
    }
    ClearLog();

    H().host.DriveModal("FrmNickName", [](ui::Form& f) {
        auto& d = static_cast<FrmNickName&>(f);
        EXPECT_EQ(d.Text1.Text(), "Stage") << "shown trimmed";
        d.Command1(1).UserClick();
    });
    w.Label10.UserDblClick();
    ExpectRequests({});
}

TEST_F(DeviceConfig, NickNameStopsAtAFailedBlock) {
    Connect();
    VX_REQUIRE_SIMULATOR(H());
    const Bytes before = H().ReadMemory(slot, 32, 16);
    FailRequest(CmdWriteMem4, 1);
    S().NickNameDev = slot;
    H().host.DriveModal("FrmNickName", [](ui::Form& f) {
        auto& d = static_cast<FrmNickName&>(f);
        d.Text1.SetSelection(0, 16);
        d.Text1.UserType("Balcony right");
        d.Command1(0).UserClick();
        EXPECT_TRUE(d.Visible());
        d.Command1(1).UserClick();
    });
    FrmNickName dialog(S());
    dialog.ShowModal();
    Bytes expected = before;
    // The unanswered second block may have landed; the third and fourth were not sent.
    std::copy_n("Balcony ", 8, expected.begin());
    if (S().DevList[slot].Online != 1) ModProject::ConnectDevice(S(), slot);
    EXPECT_EQ(H().ReadMemory(slot, 32, 16), expected);
}

TEST_F(DeviceConfig, NickNameOfAnOfflineDeviceStaysInTheProject) {
    Start();
    const int16_t slot = H().AddDevice(0);
    S().NickNameDev = slot;
    H().host.DriveModal("FrmNickName", [](ui::Form& f) {
        auto& d = static_cast<FrmNickName&>(f);
        d.Text1.SetSelection(0, 16);
        d.Text1.UserType("Stage");
        d.Text1.UserKey(',');  // a punctuation key: key code 188, refused and dropped
        EXPECT_EQ(d.Text1.Text(), "Stage");
        d.Text1.UserType("12");
        d.Command1(0).UserClick();
    });
    FrmNickName dialog(S());
    dialog.ShowModal();
    ASSERT_EQ(H().host.Messages().size(), 1u);
    EXPECT_EQ(H().host.Messages()[0].prompt, "Symbol not admited");
    EXPECT_EQ(H().host.Messages()[0].title, "Warning");
    EXPECT_EQ(S().DevList[slot].NickName, "Stage12");
    ExpectRequests({});
}

// The editor's "Configure" button; the settings read back from device memory 21 to 23.
TEST_F(DeviceConfig, ExternalSignalsFromTheEditor) {
    Connect();
    SetExternalSignals({0, 0, 0});
    FrmCtrl& editor = Edit(slot);
    H().host.DriveModal("FrmConfigure", [&](ui::Form& f) {
        auto& d = static_cast<FrmConfigure&>(f);
        EXPECT_EQ(d.Combo1.List(1), "External Input line active Low");
        d.Combo2.UserSelect(5);
        H().host.Answer(ui::vbYes);  // "Do you want confirm ...": go on editing
        d.Command1(1).UserClick();
        EXPECT_TRUE(d.Visible());
        H().host.DriveModal("FrmHelpPriority", [](ui::Form& help) {
            static_cast<FrmHelpPriority&>(help).Command1.UserClick();
        });
        d.Command11.UserClick();
        d.Combo1.UserSelect(1);
        d.Check2(0).UserClick();
        d.Check2(2).UserClick();
        H().host.Answer(ui::vbNo);
        d.Command1(0).UserClick();
        EXPECT_TRUE(d.Visible()) << "No to the question changes nothing";
        H().host.Answer(ui::vbYes);
        d.Command1(0).UserClick();
        EXPECT_FALSE(d.Visible());
    });
    editor.Command2(12).UserClick();
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].prompt, "Do you want confirm the current editing?");
    EXPECT_EQ(messages[1].prompt, "               are you sure?");
    EXPECT_EQ(messages[1].title, "Configure");
    EXPECT_EQ(H().ReadMemory(slot, 21, 3), (Bytes{5, 1, 5}));
    EXPECT_EQ(S().DevParam[slot].ExtEnableMask, 5);
    EXPECT_EQ(S().DevParam[slot].ExtActiveMode, 1);
    EXPECT_EQ(S().DevParam[slot].ExtPriority, 5);
    if (Simulated()) {
        EXPECT_EQ(Requests(CmdExtSignalEnable).back(), Frame(slot, 0x2D, {0, 0, 0, 0, 0, 0, 0, 5}));
    }

    // Cancel without changes closes at once.
    H().host.DriveModal("FrmConfigure", [](ui::Form& f) {
        auto& d = static_cast<FrmConfigure&>(f);
        EXPECT_EQ(d.Check2(2).Value(), 1);
        d.Command1(1).UserClick();
    });
    editor.Command2(12).UserClick();
    EXPECT_TRUE(H().host.Messages().empty());
    EXPECT_TRUE(H().host.Problems().empty());
}

// Values are stored only once the device took them.
TEST_F(DeviceConfig, ExternalSignalsStopAtAFailedRequest) {
    Connect();
    VX_REQUIRE_SIMULATOR(H());
    S().CurDev = slot;
    FailRequest(CmdExtPriority, 1);
    H().host.DriveModal("FrmConfigure", [&](ui::Form& f) {
        auto& d = static_cast<FrmConfigure&>(f);
        d.Combo1.UserSelect(1);
        d.Combo2.UserSelect(6);
        H().host.Answer(ui::vbYes);
        d.Command1(0).UserClick();
        EXPECT_TRUE(d.Visible());
        H().host.Answer(ui::vbNo);
        H().host.Answer(ui::vbNo);
        d.Command1(1).UserClick();
    });
    FrmConfigure dialog(S());
    dialog.ShowModal();
    EXPECT_EQ(S().DevParam[slot].ExtActiveMode, 1);
    EXPECT_EQ(S().DevParam[slot].ExtPriority, 0);
    EXPECT_EQ(S().DevImage[slot].DevExtra[22], 1);
    EXPECT_TRUE(Requests(CmdExtSignalEnable).empty());
}

// Each setting at both ends of its range, every one a change: the three requests go out in
// their order with the value in d7, device memory 21..23 holds the settings with bytes 20 and 24
// as they were, and the slot's record and image take them and nothing else.
TEST_F(DeviceConfig, ExternalSignalsAtTheEndsOfTheirRanges) {
    Connect();
    struct Case {
        uint8_t mode, priority;
        std::array<int16_t, 4> checks;
        uint8_t mask;
        Bytes before;  // enable mask, mode, priority on the device before
    };
    const Case cases[] = {
        {0, 0, {1, 0, 0, 0}, 1, {14, 1, 7}},
        {1, 7, {0, 0, 0, 1}, 8, {1, 0, 0}},
        {1, 7, {1, 1, 1, 1}, 15, {0, 0, 3}},
        {0, 0, {0, 0, 0, 0}, 0, {15, 1, 7}},
    };
    const Bytes around = H().ReadMemory(slot, 20, 5);
    ASSERT_EQ(around.size(), 5u);
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.mask});
        SetExternalSignals(c.before);
        S().CurDev = slot;
        model::DevParamRecord par = S().DevParam[slot];
        model::DevImageRecord image = S().DevImage[slot];
        ASSERT_EQ(par.ExtEnableMask, c.before[0]);
        ClearLog();
        H().host.DriveModal("FrmConfigure", [&](ui::Form& f) {
            auto& d = static_cast<FrmConfigure&>(f);
            d.Combo1.UserSelect(c.mode);
            d.Combo2.UserSelect(c.priority);
            for (int16_t k = 0; k < 4; ++k) {
                if (d.Check2(k).Value() != c.checks[static_cast<size_t>(k)])
                    d.Check2(k).UserClick();
            }
            H().host.Answer(ui::vbYes);
            d.Command1(0).UserClick();
            EXPECT_FALSE(d.Visible());
        });
        FrmConfigure dialog(S());
        dialog.ShowModal();
        ExpectRequests({Frame(slot, CmdExtSignalMode, {0, 0, 0, 0, 0, 0, 0, c.mode}),
                        Frame(slot, CmdExtPriority, {0, 0, 0, 0, 0, 0, 0, c.priority}),
                        Frame(slot, CmdExtSignalEnable, {0, 0, 0, 0, 0, 0, 0, c.mask})});
        EXPECT_EQ(H().ReadMemory(slot, 20, 5),
                  (Bytes{around[0], c.mask, c.mode, c.priority, around[4]}));
        par.ExtActiveMode = c.mode;
        par.ExtPriority = c.priority;
        par.ExtEnableMask = c.mask;
        EXPECT_EQ(S().DevParam[slot], par);
        image.DevExtra[21] = c.mask;
        image.DevExtra[22] = c.mode;
        image.DevExtra[23] = c.priority;
        EXPECT_EQ(S().DevImage[slot], image);
        EXPECT_EQ(H().host.TakeMessages().size(), 1u) << "only the question";
    }
}

// The device fails each of the three requests in turn: nothing follows the failed one, the
// dialog stays open, and the PC keeps exactly what the device took before it.
TEST_F(DeviceConfig, ExternalSignalsStopAtEachFailedRequest) {
    Connect();
    VX_REQUIRE_SIMULATOR(H());
    const uint8_t codes[] = {CmdExtSignalMode, CmdExtPriority, CmdExtSignalEnable};
    const uint8_t values[] = {1, 7, 15};
    for (int failing = 0; failing < 3; ++failing) {
        SCOPED_TRACE(failing);
        if (S().DevList[slot].Online != 1) ModProject::ConnectDevice(S(), slot);
        S().CurDev = slot;
        model::DevParamRecord& now = S().DevParam[slot];
        now.ExtActiveMode = now.ExtPriority = now.ExtEnableMask = 0;
        auto& extra = S().DevImage[slot].DevExtra;
        extra[21] = extra[22] = extra[23] = 0;
        model::DevParamRecord par = now;
        model::DevImageRecord image = S().DevImage[slot];
        ClearLog();
        FailRequest(codes[failing], failing);
        H().host.DriveModal("FrmConfigure", [&](ui::Form& f) {
            auto& d = static_cast<FrmConfigure&>(f);
            d.Combo1.UserSelect(1);
            d.Combo2.UserSelect(7);
            for (int16_t k = 0; k < 4; ++k) d.Check2(k).UserClick();
            H().host.Answer(ui::vbYes);
            d.Command1(0).UserClick();
            EXPECT_TRUE(d.Visible());
            for (int k = failing; k < 3; ++k) H().host.Answer(ui::vbNo);
            d.Command1(1).UserClick();
            EXPECT_FALSE(d.Visible());
        });
        FrmConfigure dialog(S());
        dialog.ShowModal();
        std::vector<Bytes> sent;
        for (int k = 0; k <= failing; ++k) {
            sent.push_back(Frame(slot, codes[k], {0, 0, 0, 0, 0, 0, 0, values[k]}));
        }
        ExpectRequests(sent);
        const std::array<double*, 3> fields = {&par.ExtActiveMode, &par.ExtPriority,
                                               &par.ExtEnableMask};
        const int addresses[] = {22, 23, 21};
        for (int k = 0; k < failing; ++k) {
            *fields[static_cast<size_t>(k)] = values[k];
            image.DevExtra[static_cast<size_t>(addresses[k])] = values[k];
        }
        EXPECT_EQ(S().DevParam[slot], par);
        EXPECT_EQ(S().DevImage[slot], image);
        EXPECT_TRUE(H().host.Problems().empty());
        H().host.TakeMessages();
    }
}

TEST_F(DeviceConfig, UsbRs485ModeFromTheEditorsSetup) {
    Connect();
    S().DevParam[slot].WallPanelMode = 2;
    FrmCtrl& editor = Edit(slot);
    H().host.DriveModal("FrmWallPanel", [](ui::Form& f) {
        auto& d = static_cast<FrmWallPanel&>(f);
        EXPECT_EQ(d.Combo1.Text(), "USB/RS485 Automatic");
        d.Command1(1).UserClick();
    });
    ClearLog();
    editor.Command11.UserClick();
    EXPECT_EQ(S().DevParam[slot].WallPanelMode, 1);
    ExpectRequests({});  // Cancel sends nothing

    VX_REQUIRE_SIMULATOR(H());
    FailRequest(CmdWallPanelMode, 0);
    H().host.DriveModal("FrmWallPanel", [](ui::Form& f) {
        auto& d = static_cast<FrmWallPanel&>(f);
        d.Combo1.UserSelect(0);
        d.Command1(0).UserClick();
        EXPECT_TRUE(d.Visible()) << "the failed request keeps the dialog open";
        d.Command1(1).UserClick();
    });
    editor.Command11.UserClick();
    EXPECT_EQ(S().DevParam[slot].WallPanelMode, 1) << "not stored without the device";
}

TEST_F(DeviceConfig, UsbRs485ModeReadBackFromTheDevice) {
    Connect();
    H().Preserve(slot, devsim::kWallPanelAddr, 1);
    S().CurDev = slot;
    for (int16_t mode : {1, 0}) {
        H().host.DriveModal("FrmWallPanel", [mode](ui::Form& f) {
            auto& d = static_cast<FrmWallPanel&>(f);
            d.Combo1.UserSelect(mode);
            d.Command1(0).UserClick();
        });
        FrmWallPanel dialog(S());
        dialog.ShowModal();
        EXPECT_EQ(H().ReadMemory(slot, 49, 1), Bytes{static_cast<uint8_t>(mode)});
        EXPECT_EQ(S().DevParam[slot].WallPanelMode, mode);
        if (Simulated()) {
            EXPECT_EQ(Requests(CmdWallPanelMode).back()[4], mode);
        }
    }
}

}  // namespace
