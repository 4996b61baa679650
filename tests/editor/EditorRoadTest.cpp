// The editor window end to end against the device: opening it shows the device's settings
// without a frame sent, typed and clicked edits reach the device's memory at once (read back
// over the wire, their frames checked in the simulator's log where it runs), the meter
// poll follows the tab and only the current editor polls, and a device that stops answering
// is taken offline with its editor closed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "devsim/Device.h"
#include "devsim/DeviceState.h"
#include "devsim/Faults.h"
#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"

namespace {

using testsupport::Enter;
using testsupport::Link;
using Bytes = std::vector<uint8_t>;

class EditorRoad : public testsupport::EditorRoadTest {
  protected:
    // The level word of channel ch read back from the device over the wire.
    int LevelWord(int16_t ch) {
        const int hi = Byte(model::GainAddrHi[ch]), lo = Byte(model::GainAddrLo[ch]);
        return hi < 0 || lo < 0 ? -1 : hi * 256 + lo;
    }
};

TEST_F(EditorRoad, OpeningShowsTheDevicesSettingsAndSendsNothing) {
    Connect();
    const std::pair<int, Bytes> settings[] = {
        {model::GainAddrHi[2], {0x04}},  // input 3 at -6 dB
        {model::GainAddrLo[2], {0xBA}},
        {model::GainAddrHi[12], {0x02}},  // output 5 at -63.6 dB: word 634
        {model::GainAddrLo[12], {0x7A}},
        {model::ChFlagAddrOut, {0x10}},                      // output 5 level bypassed
        {model::MuteAddr[1], {0x01}},                        // output 1 muted
        {model::PolarityAddr[1], {0x80}},                    // output 8 at 180 degrees
        {model::MasterLevelAddr[1], {0x04, 0x42}},           // master volume -18 dB
        {model::EqOutBandAddr[21], {1, 0x13, 0x88, 6, 40}},  // 5000 Hz shelf, +8 dB
        {model::XoverAddr[9], {0x0B, 0xB8, 4}},              // 3000 Hz "Bessel -12dB"
        {model::BalancedAddr, {0x05}},
        {model::InFilterAddr[1], {2 * 64 + 17}},
        {model::FeedbackFreqAddr, {4}},
        {model::InSourceAddr, {0x03}},
        {model::InModeAddr, {0x00}},
        {model::InProcAddr, {0x03}},
        {model::NgEnableAddr, {0x80}},
        {model::PhantomAddr, {1}},
        {model::ChNameAddr[0], {'V', 'o', 'c', 'a', 'l', ' '}},
        {model::StereoModeAddr, {0x01}},  // pair 1-2 in stereo mode
    };
    for (const auto& [addr, bytes] : settings) {
        ASSERT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr + addr, bytes));
    }
    Reconnect(slot);
    ClearLog();

    FrmCtrl& f = Edit(slot);
    ExpectRequests({});  // filling the window sends nothing
    EXPECT_EQ(f.Text1(2).Text(), "-6");
    EXPECT_EQ(f.Slider1(2).Value(), 180);
    EXPECT_EQ(f.Text1(12).Text(), "-63.6");
    EXPECT_EQ(f.Slider1(12).Value(), 1450 - 634);
    EXPECT_EQ(f.Command90(12).BackColor(), ui::vbRed);
    EXPECT_EQ(f.Check1(8).Value(), 1);
    EXPECT_TRUE(f.Line6(8).Visible());
    EXPECT_EQ(f.Check2(15).Value(), 1);
    EXPECT_EQ(f.Label100(267).Caption(), "180'");
    EXPECT_EQ(f.Slider100(1).Value(), 1090);
    EXPECT_EQ(f.Text100(1).Text(), "-18");
    EXPECT_EQ(f.Text4(21).Text(), "5000");
    EXPECT_EQ(f.Text12(21).Text(), "8");
    EXPECT_EQ(f.Slider2(21).Value(), 8);
    EXPECT_EQ(f.Text5(21).Text(), "1");
    EXPECT_EQ(f.Command3(21).Caption(), "HiSHF Q");
    EXPECT_EQ(f.Text8(9).Text(), "3000");
    EXPECT_EQ(f.Combo2(9).List(f.Combo2(9).ListIndex()), "Bessel -12dB");
    const double x = 20000 / (0.52 * 3000);  // the Bessel low-pass at 20 kHz
    EXPECT_NEAR(S().Graph.Curves(slot).XoverMag[9][575],
                20 * std::log10(3 / std::hypot(3 - x * x, 3 * x)), 1e-6);
    EXPECT_GT(S().Graph.Curves(slot).EqOutBandMag[21][575], 7.9);
    EXPECT_EQ(f.Label19.Caption(), "Status: Online");
    EXPECT_NE(f.Caption().find(" - Program load from device - "), std::string::npos);
    if (Simulated()) {
        EXPECT_EQ(
            f.Caption().rfind("IP:" + H().Address() + "  Velotra - Program load from device - ", 0),
            0u);
    }
    EXPECT_EQ(f.Check4(0).Value(), 1);
    EXPECT_EQ(f.Check4(1).Value(), 0);
    EXPECT_EQ(f.Check4(2).Value(), 1);
    EXPECT_EQ(f.Combo9(1).ListIndex(), 2);
    EXPECT_EQ(f.Text14(1).Text(), "1000");
    EXPECT_EQ(f.Text6.Text(), "4");
    EXPECT_EQ(f.Combo5(1).ListIndex(), 1);
    EXPECT_EQ(f.Combo5(2).ListIndex(), 0);
    EXPECT_TRUE(f.Line1(2).Visible());
    EXPECT_TRUE(f.Line2(0).Visible());
    EXPECT_EQ(f.Check5(7).Value(), 1);
    EXPECT_EQ(f.Label100(27).ToolTipText(), "Enabled");
    EXPECT_EQ(f.Combo1(1).ListIndex(), 1);
    EXPECT_EQ(f.Check6.Value(), 1);
    EXPECT_EQ(f.Check11(0).Value(), 1);
    EXPECT_TRUE(S().InPairLink[slot][0]);
    EXPECT_FALSE(f.Combo5(0).Enabled());
    // The names are applied before the stereo pairs, so they keep no suffix here.
    EXPECT_EQ(f.Frame17(0).Caption(), "Vocal");
    EXPECT_EQ(f.Frame17(1).Caption(), "Inp2");
    EXPECT_EQ(f.Check13(0).BackColor(), 0x00FF00u);
    EXPECT_EQ(f.Check13(2).BackColor(), 0x00FFFFu);
    EXPECT_TRUE(H().host.Messages().empty());
    // Nothing of the device changed either.
    EXPECT_EQ(Byte(model::MasterLevelAddr[1] + 1), 0x42);
}

TEST_F(EditorRoad, ALetterIsRefusedAndATypedLevelReachesTheDeviceAtOnce) {
    FrmCtrl& f = ConnectAndEdit(3);
    ClearLog();
    ui::TextBox& box = f.Text1(10);
    box.SetSelection(0, static_cast<int32_t>(box.Text().size()));
    box.UserKey('k');
    EXPECT_EQ(box.Text(), "?");
    box.UserKey(13);
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.prompt, "  Incorrect value");
        EXPECT_EQ(m.title, "Warning");
    }
    ExpectRequests({});
    EXPECT_EQ(LevelWord(10), 1270);
    ClearLog();
    Enter(f.Text1(10), "-6");
    ExpectRequests({Frame(slot, CmdGain, {10, 0, 0, 0xBA, 0, 0, 0, 0x04})});
    EXPECT_EQ(LevelWord(10), 1210);
    EXPECT_EQ(f.Text1(10).Text(), "-6");
    EXPECT_EQ(f.Label100(242).ToolTipText(), "-6 dB");
    ExpectIdle();
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_F(EditorRoad, SliderZeroDbBypassPolarityAndMuteSendTheirFrames) {
    FrmCtrl& f = ConnectAndEdit();

    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    f.Slider1(2).UserScroll(300);
    EXPECT_EQ(LevelWord(2), 1090);
    ClearLog();
    f.Command12(2).UserClick();  // input 3 to 0 dB
    ExpectRequests({Frame(slot, CmdGain, {2, 0, 0, 0xF6, 0, 0, 0, 0x04})});
    EXPECT_EQ(f.Label100(2).ToolTipText(), "0 dB");

    f.SSTab1.UserSelectTab(2);
    ClearLog();
    f.Command90(9).UserClick();
    ExpectRequests({Frame(slot, CmdChannelBlock, {9, 0, 0, 0xF6, 0x02, 0, 0, 0x04})});
    EXPECT_EQ(Memory(model::ChFlagAddrOut, 1), Bytes{0x02});
    EXPECT_EQ(f.Command90(9).BackColor(), ui::vbRed);

    f.SSTab1.UserSelectTab(4);
    ClearLog();
    f.Check2(11).UserClick();  // output 4 to 180 degrees
    ExpectRequests({Frame(slot, CmdChannelBlock, {11, 0, 0, 0xF6, 0x02, 0, 0x08, 0x04})});
    EXPECT_EQ(Memory(model::PolarityAddr[1], 1), Bytes{0x08});
    EXPECT_EQ(f.Label100(263).Caption(), "180'");

    ClearLog();
    f.Check1(11).UserClick();
    ExpectRequests({Frame(slot, CmdChannelBlock, {11, 0, 0, 0xF6, 0x02, 0x08, 0x08, 0x04})});
    EXPECT_EQ(Memory(model::MuteAddr[1], 1), Bytes{0x08});
    EXPECT_TRUE(f.Line6(11).Visible());

    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    ClearLog();
    f.Slider100(1).UserScroll(1090);
    ExpectRequests({Frame(slot, CmdMasterLevel, {8, 0, 0, 0, 0, 0, 0x04, 0x42})});
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_F(EditorRoad, AnEqualiserBandAndACrossoverReachTheDeviceAtOnce) {
    FrmCtrl& f = ConnectAndEdit(3);
    ClearLog();

    Enter(f.Text4(12), "2500");
    Enter(f.Text12(12), "-4.5");
    Enter(f.Text5(12), "1.5");
    H().host.DriveModal("FrmSelFilter", [](ui::Form& dialog) {
        auto* list = static_cast<ui::ComboBox*>(dialog.Find("Combo1"));
        list->UserSelect(2);
        static_cast<ui::CommandButton*>(dialog.Find("Command1", 0))->UserClick();
    });
    f.Command3(12).UserClick();
    f.Command6(13).UserClick();
    if (Simulated()) {
        const auto& requests = Requests();
        ASSERT_EQ(requests.size(), 5u);
        EXPECT_EQ(requests[4], Frame(slot, CmdEqBand, {10, 3, 0x08, 0, 0x03, 0xE8, 24, 24}));
        EXPECT_EQ(requests[3], Frame(slot, CmdEqBand, {10, 2, 0, 2, 0x09, 0xC4, 11, 15}));
    }
    EXPECT_EQ(Memory(model::EqOutBandAddr[12], 5), (Bytes{2, 0x09, 0xC4, 11, 15}));
    EXPECT_EQ(Memory(model::EqOutFlagAddr[2], 1), (Bytes{0x08}));

    // The marker of band 14 dragged to about 250 Hz and +6 dB, sent when it is let go.
    f.Check3(2).UserClick();
    ui::Label& marker = f.Label5(14);
    marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
    marker.UserMouseMove(ui::vbLeftButton, 0, 3165.0f - marker.Left(),
                         1447.5f - 48 * 6.15f - marker.Top());
    ClearLog();
    marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
    ExpectRequests({Frame(slot, CmdEqBand, {10, 4, 0x08, 0, 0x00, 0xFA, 24, 36})});
    EXPECT_EQ(Memory(model::EqOutBandAddr[14], 5), (Bytes{0, 0x00, 0xFA, 24, 36}));

    ClearLog();
    Enter(f.Text8(5), "3000");
    f.Combo2(5).UserSelect(7);
    ExpectRequests({Frame(slot, CmdOutXover, {10, 1, 0, 0, 0, 0x0B, 0xB8, 0}),
                    Frame(slot, CmdOutXover, {10, 1, 0, 0, 0, 0x0B, 0xB8, 7})});
    EXPECT_EQ(Memory(model::XoverAddr[5], 3), (Bytes{0x0B, 0xB8, 0x07}));
    EXPECT_NEAR(S().Graph.Curves(slot).XoverMag[5][0], 0, 1e-6);
    EXPECT_TRUE(H().host.Messages().empty());
    EXPECT_TRUE(H().host.Problems().empty());
    ExpectIdle();
}

// The meters show what the device measures: values of the simulator's choosing, or what an
// outside device measures, where the test sees the polls go through on every tab.
TEST_F(EditorRoad, TheMeterPollFollowsTheTab) {
    Connect();
    if (Simulated()) {
        H().Device().Update([](devsim::DeviceState& st) {
            st.meters.inputLevels = {24, 23, 120, 100, 0, 0, 0, 0};
            st.meters.outputLevels = {60, 0, 0, 0, 0, 0, 0, 130};
            st.meters.status = {0x01, 0x02, 0x0C, 0x04};
        });
    }
    FrmCtrl& f = Edit(slot);
    ClearLog();

    // The first poll comes 2000 ms after the window opened; on "Overview" only the status.
    H().host.Advance(1999);
    ExpectRequests({});
    EXPECT_EQ(f.Timer1(slot).Interval(), 2000);
    H().host.Advance(1);
    ExpectCodes({CmdPollStatus});
    EXPECT_EQ(f.Timer1(slot).Interval(), 100);
    EXPECT_EQ(f.Label14(0).Caption(), "<-30") << "no meter is written on the overview";
    if (Simulated()) {
        EXPECT_EQ(f.Shape8(0).FillColor(), ui::vbLightGrey) << "input 1 present";
        EXPECT_EQ(f.Shape8(1).FillColor(), ui::vbRed) << "input 2 off";
        EXPECT_EQ(f.Shape7(1).FillColor(), 0xFFFFu);
        EXPECT_EQ(f.Shape6(2).FillColor(), 0x80FFu) << "signal and clip";
        EXPECT_EQ(f.Shape6(3).FillColor(), ui::vbBlue) << "signal";
        EXPECT_EQ(f.Shape6(4).FillColor(), ui::vbLightGrey);
    }

    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    ClearLog();
    H().host.Advance(100);
    ExpectCodes({CmdPollLevelsIn, CmdPollStatus});
    if (Simulated()) {
        EXPECT_EQ(f.Label14(0).Caption(), "-30");
        EXPECT_EQ(f.Label14(0).ForeColor(), 0xC000u);
        EXPECT_EQ(f.ProgressBar3(0).Value(), 0);
        EXPECT_EQ(f.Label14(1).Caption(), "<-30");
        EXPECT_EQ(f.Label14(2).Caption(), "18");
        EXPECT_EQ(f.Label15(2).ForeColor(), ui::vbRed);
        EXPECT_EQ(f.ProgressBar3(2).Value(), 48);
        EXPECT_EQ(f.Label14(3).Caption(), "8");
    }

    f.SSTab1.UserSelectTab(2);
    ClearLog();
    H().host.Advance(100);
    ExpectCodes({CmdPollLevelsOut, CmdPollStatus});
    if (Simulated()) {
        EXPECT_EQ(f.Label14(8).Caption(), "-12");
        EXPECT_EQ(f.Label14(15).Caption(), "23");
        EXPECT_EQ(f.ProgressBar3(15).Value(), 50) << "held at the bar's end";
    }

    f.SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    ClearLog();
    H().host.Advance(100);
    ExpectCodes({CmdPollStatus});

    // While an edit runs the tick sends nothing.
    S().EditBusy = true;
    ClearLog();
    H().host.Advance(300);
    ExpectRequests({});
    S().EditBusy = false;
    EXPECT_TRUE(H().host.Messages().empty());
    EXPECT_EQ(S().DevList[slot].Online, 1);
    EXPECT_TRUE(f.Timer1(slot).Running());
}

// Two devices on TCP/IP: beside an outside device the second is simulated.
TEST_F(EditorRoad, OnlyTheCurrentEditorPolls) {
    Start({.tcpDevices = 2});
    const auto slots = Connect();
    FrmCtrl& first = Edit(slots[0]);
    FrmCtrl& second = Edit(slots[1]);
    ASSERT_EQ(S().CurDev, slots[1]);
    ClearLog(0);
    H().Device(1).ClearLog();
    H().host.Advance(2500);
    if (Simulated()) {
        EXPECT_TRUE(Requests(0).empty());
    }
    EXPECT_FALSE(Requests(1).empty());
    EXPECT_FALSE(first.Timer1(slots[0]).Running()) << "it switched itself off";

    first.UserActivate();
    H().host.Advance(2500);
    ClearLog(0);
    H().Device(1).ClearLog();
    H().host.Advance(500);
    if (Simulated()) {
        EXPECT_FALSE(Requests(0).empty());
    }
    EXPECT_TRUE(first.Timer1(slots[0]).Running());
    EXPECT_TRUE(Requests(1).empty());
    EXPECT_FALSE(second.Timer1(slots[1]).Running());
}

TEST_F(EditorRoad, ADeviceThatStopsAnsweringIsTakenOfflineWithItsEditor) {
    FrmCtrl& f = ConnectAndEdit(3);
    VX_REQUIRE_SIMULATOR(H());
    H().Device().AddFault({devsim::FaultKind::DropConnection, CmdGain});
    Enter(f.Text1(10), "-6");

    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Device @ IP:" + H().Address() + " will be disconnected");
    EXPECT_TRUE(S().DevOffline[slot]);
    EXPECT_EQ(S().DevList[slot].Online, 0);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_EQ(S().FrmCtrlWin[slot].get(), &f) << "the handler did not create a new editor";
    EXPECT_FALSE(f.Loaded());
    ExpectIdle();
    EXPECT_EQ(S().EditorSlot[slot][0], 0);
    EXPECT_EQ(FrmDeviceOf(S(), slot).Label1.Caption(), "Connect");
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(EditorRoad, ASerialDeviceThatStopsAnsweringThePollIsTakenOffline) {
    Connect({.link = Link::Usb});
    VX_REQUIRE_SIMULATOR(H());
    FrmCtrl& f = Edit(slot);
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdPollStatus});
    H().host.Advance(2000);

    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, " The system will be close the communication with this device");
    EXPECT_TRUE(S().DevOffline[slot]);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_EQ(S().FrmCtrlWin[slot].get(), &f);
    EXPECT_FALSE(S().EditBusy);
    // No further poll for the closed editor.
    H().Device().ClearLog();
    H().host.Advance(1000);
    EXPECT_TRUE(Requests().empty());
}

}  // namespace
