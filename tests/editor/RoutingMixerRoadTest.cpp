// The routing matrix, the mix levels, the automatic mixer, the priority inputs and the ducker
// end to end: edits made in the editor window and its two dialogs, each checked by reading
// the device's memory back over the wire.
#include <gtest/gtest.h>

#include <vector>

#include "devsim/Device.h"
#include "devsim/Faults.h"
#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "processing/FrmAM.h"
#include "processing/FrmDucker.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"
#include "ui/HeadlessHost.h"

namespace {

using Bytes = std::vector<uint8_t>;

class RoutingMixerRoad : public testsupport::EditorRoadTest {
  protected:
    void SetUp() override {
        Connect();
        ASSERT_EQ(S().DevList[slot].Online, 1);
        S().DevModel[slot] = 1;  // a model with the automatic mixer and the ducker
        Edit(slot);
        f = ExistingFrmCtrl(S(), slot);
        ASSERT_NE(f, nullptr);
    }
    // The 64 crosspoint bytes read back from the device, crosspoint order.
    Bytes DeviceRouting() {
        Bytes all;
        for (int o = 0; o < 8; ++o) {
            const Bytes row = Memory(model::RouteAddr[8 * o], 8);
            all.insert(all.end(), row.begin(), row.end());
        }
        return all;
    }
    // Crosspoint frames the simulator received since its log was cleared; -1 on a device.
    int MixPointFrames() {
        if (H().External()) return -1;
        int n = 0;
        for (const auto& logged : H().Device().Log()) n += logged.request[3] == CmdMixPoint;
        return n;
    }
    std::vector<std::string> Prompts() {
        std::vector<std::string> prompts;
        for (const auto& m : H().host.TakeMessages()) prompts.push_back(m.prompt);
        return prompts;
    }
    // Sets crosspoint k by clicking it when it is not in that state already.
    void SetCrosspoint(int16_t k, bool on) {
        if ((f->Check9(k).Value() == 1) != on) {
            ASSERT_TRUE(f->Check9(k).UserClick());
        }
    }

    FrmCtrl* f = nullptr;
};

TEST_F(RoutingMixerRoad, CrosspointsSwitchBitSevenAndSelectTheirOutput) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    for (int16_t o = 0; o < 8; ++o) {
        const auto k = static_cast<int16_t>(9 * o);  // input o into output o
        SetCrosspoint(k, false);
        EXPECT_EQ(Byte(model::RouteAddr[k]) & 128, 128) << "crosspoint " << k << " off";
        ASSERT_TRUE(f->Check9(k).UserClick());
        EXPECT_EQ(Byte(model::RouteAddr[k]) & 128, 0) << "crosspoint " << k << " on";
        EXPECT_TRUE(f->Line1000(k).Visible());
        EXPECT_TRUE(f->Option2(o).Value()) << "clicking a crosspoint selects its output";
    }
    const int level = Byte(model::RouteAddr[19]) & 127;
    ASSERT_TRUE(f->Check9(19).UserClick());
    EXPECT_TRUE(f->Option2(2).Value()) << "crosspoint 19 is input 4 into Out3";
    EXPECT_EQ(Byte(model::RouteAddr[19]) & 127, level) << "the level bits stay";
    EXPECT_TRUE(Prompts().empty());
    ExpectIdle();
}

TEST_F(RoutingMixerRoad, ATypedAndAScrolledLevelReachTheSelectedOutput) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    ASSERT_TRUE(f->Option2(2).UserClick());
    SetCrosspoint(20, true);  // input 5 into Out3
    ui::TextBox& box = f->Text3(4);
    testsupport::Retype(box, "-6dB");
    EXPECT_EQ(box.Text(), "-6dB") << "the refused letters stay typed";
    EXPECT_EQ(Prompts(), (std::vector<std::string>{"  Incorrect value", "  Incorrect value"}));
    box.UserKey(13);
    EXPECT_EQ(box.Text(), "-6dB");
    EXPECT_EQ(f->Slider3(4).Value(), 6);
    EXPECT_EQ(Byte(model::RouteAddr[20]), 24);

    SetCrosspoint(16, false);  // input 1 into Out3, off
    ASSERT_TRUE(f->Slider3(0).UserScroll(12));
    EXPECT_EQ(f->Text3(0).Text(), "-12dB");
    EXPECT_EQ(Byte(model::RouteAddr[16]), 128 + 18) << "stored while off";
    ASSERT_TRUE(f->Check9(16).UserClick());
    EXPECT_EQ(Byte(model::RouteAddr[16]), 18);
    EXPECT_TRUE(Prompts().empty());
}

TEST_F(RoutingMixerRoad, ResetAnsweredYesTurnsEveryCrosspointOffAtZeroDb) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    SetCrosspoint(0, true);
    ASSERT_TRUE(f->Slider3(0).UserScroll(20));
    ClearLog();
    H().host.Answer(ui::vbYes);
    ASSERT_TRUE(f->Command4.UserClick());
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Reset all routing, are you sure ? ");
    EXPECT_EQ(messages[0].title, "Reset outputs routing ");
    EXPECT_EQ(DeviceRouting(), Bytes(64, 158));
    if (Simulated()) {
        EXPECT_EQ(MixPointFrames(), 128) << "two transactions a crosspoint";
    }
    for (int16_t k = 0; k < 64; ++k) EXPECT_EQ(f->Check9(k).Value(), 0);
    EXPECT_EQ(f->Text3(0).Text(), "0dB");
    EXPECT_EQ(f->MousePointer(), ui::vbDefault);
    ExpectIdle();
}

TEST_F(RoutingMixerRoad, ResetAnsweredNoSendsNothing) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    SetCrosspoint(27, true);
    const Bytes before = DeviceRouting();
    ClearLog();
    H().host.Answer(ui::vbNo);
    ASSERT_TRUE(f->Command4.UserClick());
    EXPECT_EQ(Prompts().size(), 1u);
    if (Simulated()) {
        EXPECT_TRUE(H().Device().Log().empty());
    }
    EXPECT_EQ(DeviceRouting(), before);
    EXPECT_EQ(f->Check9(27).Value(), 1);
    EXPECT_EQ(f->MousePointer(), ui::vbDefault);
}

TEST_F(RoutingMixerRoad, AFifthPriorityInputIsRefusedAndConfirmSendsTheMask) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    for (int16_t i = 0; i < 8; ++i) {
        if (f->Check8(i).Value() == 1) {
            ASSERT_TRUE(f->Check8(i).UserClick());
        }
    }
    ASSERT_TRUE(f->Command16.UserClick());
    EXPECT_EQ(Byte(model::DuckPrioAddr), 0);
    for (int16_t i : {0, 2, 4, 6}) ASSERT_TRUE(f->Check8(i).UserClick());
    EXPECT_EQ(f->Command16.BackColor(), ui::vbRed);
    EXPECT_EQ(Byte(model::DuckPrioAddr), 0) << "ticking sends nothing";

    ASSERT_TRUE(f->Check8(7).UserClick());
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Max input select is 4");
    EXPECT_EQ(messages[0].title, "Priority Input Channel");
    EXPECT_EQ(messages[0].style, ui::vbOKOnly + ui::vbInformation);
    EXPECT_EQ(f->Check8(7).Value(), 0);
    EXPECT_EQ(H().host.MousePointer(), ui::vbDefault);

    ASSERT_TRUE(f->Command16.UserClick());
    EXPECT_EQ(Byte(model::DuckPrioAddr), 0x55);
    EXPECT_EQ(f->Command16.BackColor(), ui::vbButtonFace);
    EXPECT_EQ(H().host.MousePointer(), ui::vbDefault);
    ExpectIdle();
}

TEST_F(RoutingMixerRoad, TheAutomaticMixerSwitchAndModeReachTheDevice) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    const int16_t was = f->Check7.Value();
    ASSERT_TRUE(f->Check7.UserClick());
    EXPECT_EQ(Byte(model::AmActiveAddr), was == 1 ? 0 : 1);

    bool shown = false;
    H().host.DriveModal("FrmAM", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmAM&>(form);
        shown = true;
        EXPECT_EQ(d.Caption(), "Automixer");
        EXPECT_EQ(d.Check7.Value(), f->Check7.Value());
        d.Option1(1).UserClick();
        EXPECT_EQ(Byte(model::AmModeAddr), 1) << "\"Gain Sharing\"";
        ASSERT_TRUE(d.Option1(0).UserClick());
        EXPECT_EQ(Byte(model::AmModeAddr), 0) << "\"N.O.M\"";
        ASSERT_TRUE(d.Option1(1).UserClick());
        ASSERT_TRUE(d.Check7.UserClick());
        EXPECT_EQ(f->Check7.Value(), d.Check7.Value()) << "the editor's box follows";
        EXPECT_EQ(Byte(model::AmActiveAddr), d.Check7.Value());
        d.Unload();
    });
    ASSERT_TRUE(f->Command14.UserClick());
    EXPECT_TRUE(shown);
    EXPECT_EQ(Byte(model::AmModeAddr), 1);
    EXPECT_EQ(Byte(model::AmActiveAddr), was);
    EXPECT_FALSE(S().EditBusy);
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(RoutingMixerRoad, EachDuckerSliderReachesTheDevice) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    bool shown = false;
    H().host.DriveModal("FrmDucker", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmDucker&>(form);
        shown = true;
        EXPECT_EQ(d.Caption(), "Ducker edit parameters");
        const std::vector<std::pair<int16_t, int32_t>> moves = {{0, 0},  {1, 0},  {2, 47},
                                                                {3, 10}, {4, 25}, {5, 30}};
        for (const auto& [k, v] : moves) {
            if (d.Slider1(k).Value() == v) {
                ASSERT_TRUE(d.Slider1(k).UserScroll(v == 0 ? 1 : 0));
            }
            ASSERT_TRUE(d.Slider1(k).UserScroll(v));
        }
        EXPECT_EQ(d.Text1(0).Text(), "1000");
        EXPECT_EQ(d.Text1(1).Text(), "2000");
        EXPECT_EQ(d.Text1(2).Text(), "1");
        EXPECT_EQ(d.Text1(3).Text(), "-10");
        EXPECT_EQ(d.Text1(5).Text(), "-30");
        for (int16_t i = 0; i < 8; ++i) {
            if (d.Check8(i).Value() == 1) {
                ASSERT_TRUE(d.Check8(i).UserClick());
            }
        }
        ASSERT_TRUE(d.Check8(0).UserClick());
        ASSERT_TRUE(d.Check8(2).UserClick());
        EXPECT_EQ(f->Check8(2).Value(), 1) << "the editor's box follows";
        EXPECT_EQ(d.Command1.BackColor(), f->Command16.BackColor());
        ASSERT_TRUE(d.Command1.UserClick());
        EXPECT_EQ(d.Command1.BackColor(), ui::vbButtonFace);
        EXPECT_EQ(f->Command16.BackColor(), ui::vbButtonFace);
        d.Unload();
    });
    ASSERT_TRUE(f->Command15.UserClick());
    ASSERT_TRUE(shown);
    const Bytes ducker = Memory(model::DuckPrioAddr, 7);
    ASSERT_EQ(ducker.size(), 7u);
    EXPECT_EQ(ducker[0], 0x05) << "priority inputs 1 and 3";
    EXPECT_EQ(ducker[1], 99) << "hold 1000 ms";
    EXPECT_EQ(ducker[2], 47) << "release 2000 ms";
    EXPECT_EQ(ducker[3], 0) << "attack 1 ms";
    EXPECT_EQ(ducker[4], 34) << "gating -10 dB";
    EXPECT_EQ(ducker[6], 50) << "attenuation -30 dB";
    EXPECT_EQ(H().host.MousePointer(), ui::vbDefault);
    ExpectIdle();
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(RoutingMixerRoad, AResetThatFailsHalfwayStopsAtOnce) {
    VX_REQUIRE_SIMULATOR(H());
    f->SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    devsim::Device& d = H().Device();
    for (int k = 0; k < 64; ++k) {
        const auto b = static_cast<uint8_t>(k % 31);
        d.Write(64 + model::RouteAddr[k], {b});
        S().DevImage[slot].ProgImage[model::RouteAddr[k]] = b;
    }
    d.ClearLog();
    // The 21st frame of the reset, crosspoint 10 switched off, reaches the device unanswered.
    d.AddFault({devsim::FaultKind::NoReply, CmdMixPoint, d.FrameCount() + 21});
    H().host.Answer(ui::vbYes);
    ASSERT_TRUE(f->Command4.UserClick());
    EXPECT_EQ(d.Log().size(), 21u) << "nothing after the failed frame";
    for (int k = 0; k < 64; ++k) {
        const int expected = k < 10 ? 158 : k == 10 ? 128 + 10 : k % 31;
        EXPECT_EQ(d.ImageByte(model::RouteAddr[k]), expected) << k;
    }
    EXPECT_TRUE(S().DevOffline[slot]);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr) << "the failure closed the editor";
    ExpectIdle();
}

TEST_F(RoutingMixerRoad, AFailedConfirmInTheDuckerDialogRestoresThePointers) {
    VX_REQUIRE_SIMULATOR(H());
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdPriorityMask});
    bool shown = false;
    H().host.DriveModal("FrmDucker", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmDucker&>(form);
        shown = true;
        ASSERT_TRUE(d.Check8(1).UserClick());
        ASSERT_TRUE(d.Command1.UserClick());
        EXPECT_TRUE(S().TxFailed);
        EXPECT_EQ(d.MousePointer(), ui::vbDefault);
        EXPECT_EQ(H().host.MousePointer(), ui::vbDefault);
        EXPECT_TRUE(S().OpDone);
        EXPECT_TRUE(d.Unload());
    });
    ASSERT_TRUE(f->Command15.UserClick());
    EXPECT_TRUE(shown);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_FALSE(S().EditBusy);
}

}  // namespace
