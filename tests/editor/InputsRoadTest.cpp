// The "Inputs" tab end to end: each control clicked, chosen or typed into through the editor
// window's own handlers against a device, and its bytes read back from the device's memory
// over the wire; the channel name editor and the noise gate editor driven the same way.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devsim/Device.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmEditLabel.h"
#include "model/AddressTables.h"
#include "processing/FrmNG.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"

namespace {

using Bytes = std::vector<uint8_t>;
using testsupport::Enter;
// The device setting outside the program that holds the front-panel lock.
constexpr int kFrontPanelLockAddr = 29;

class InputsRoad : public testsupport::EditorRoadTest {
  protected:
    // One device connected and its editor open on the "Inputs" tab.
    FrmCtrl& OpenInputs() { return ConnectAndEdit(FrmCtrl::kTabInputs); }
    std::string Name(int16_t ch) {
        const Bytes b = Memory(model::ChNameAddr[ch], 6);
        return std::string(b.begin(), b.end());
    }
};

TEST_F(InputsRoad, SwitchesAndTheMasterVolumeReachTheDevice) {
    FrmCtrl& f = OpenInputs();
    f.Check6.UserClick();
    EXPECT_EQ(Byte(model::PhantomAddr), 1);
    const int balanced = Byte(model::BalancedAddr);
    f.Check4(2).UserClick();
    EXPECT_EQ(Byte(model::BalancedAddr), balanced ^ 0x04);
    f.Check5(5).UserClick();
    EXPECT_EQ(Byte(model::NgEnableAddr), 0x20);
    EXPECT_EQ(f.Label100(25).ToolTipText(), "Enabled");
    f.Check5(5).UserClick();
    EXPECT_EQ(Byte(model::NgEnableAddr), 0x00);
    f.Check6.UserClick();
    EXPECT_EQ(Byte(model::PhantomAddr), 0);
    const int lock = DeviceByte(kFrontPanelLockAddr);
    f.Check12.UserClick();
    EXPECT_EQ(S().DevParam[slot].FrontPanelLock(), lock == 0 ? 1.0 : 0.0);
    EXPECT_EQ(DeviceByte(kFrontPanelLockAddr), lock == 0 ? 1 : 0);
    EXPECT_TRUE(H().host.Messages().empty());
    // The master volume takes the tenth of a decibel.
    Enter(f.Text100(1), "-12.34");
    EXPECT_EQ(f.Text100(1).Text(), "-12.3");
    EXPECT_EQ(f.Slider100(1).Value(), 1147);
    EXPECT_EQ(Memory(model::MasterLevelAddr[1], 2), (Bytes{0x04, 0x7B}));
    ExpectClean();
}

TEST_F(InputsRoad, MicLineSendsItsFramesInsideTheBracket) {
    FrmCtrl& f = OpenInputs();
    ASSERT_TRUE(f.Combo5(1).UserSelect(0));  // input 2 to Mic
    ASSERT_TRUE(f.Combo1(1).UserSelect(0));  // with the feedback suppressor
    ASSERT_TRUE(f.Combo4(1).UserSelect(1));
    ASSERT_EQ(Byte(model::InModeAddr) & 2, 2);
    ClearLog();
    f.Combo5(1).UserSelect(1);  // to Line
    if (Simulated()) {
        EXPECT_EQ(Codes(), (std::vector<uint8_t>{CmdBulkUpdate, CmdInputSource, CmdInputOption,
                                                 CmdGain, CmdInputProcType, CmdBulkUpdate}));
        const auto& log = H().Device().Log();
        EXPECT_EQ(log.front().request[4], 0);
        EXPECT_EQ(log.back().request[4], 1);
    }
    EXPECT_EQ(Byte(model::InSourceAddr) & 2, 2);
    EXPECT_EQ(Byte(model::InModeAddr) & 2, 0);
    EXPECT_EQ(Byte(model::InProcAddr) & 2, 2);
    EXPECT_EQ(f.Label100(11).Caption(), "PEQ");
    EXPECT_FALSE(f.Combo1(1).Visible());
    EXPECT_EQ(f.MousePointer(), ui::vbDefault);
    ExpectClean();
}

TEST_F(InputsRoad, FeedbackModeAndDeviationFrequency) {
    FrmCtrl& f = OpenInputs();
    f.Combo5(0).UserSelect(0);
    f.Combo1(0).UserSelect(0);
    f.Combo4(0).UserSelect(1);
    EXPECT_EQ(Byte(model::InModeAddr) & 1, 1);
    EXPECT_EQ(f.Label100(10).ToolTipText(), "ON");
    f.Combo4(0).UserSelect(0);
    EXPECT_EQ(Byte(model::InModeAddr) & 1, 0);

    f.Slider7.UserScroll(12);
    EXPECT_EQ(f.Text6.Text(), "8");
    EXPECT_EQ(Byte(model::FeedbackFreqAddr), 12);
    Enter(f.Text6, "3.3");
    EXPECT_EQ(f.Slider7.Value(), 3);
    EXPECT_EQ(f.Text6.Text(), "3.5");
    EXPECT_EQ(Byte(model::FeedbackFreqAddr), 3);
    Enter(f.Text6, "9");
    EXPECT_EQ(f.Text6.Text(), "8");
    EXPECT_EQ(Byte(model::FeedbackFreqAddr), 12);
    EXPECT_TRUE(H().host.Messages().empty());
    ExpectClean();
}

TEST_F(InputsRoad, ATypedFilterFrequencyTakesTheNearestTableStep) {
    FrmCtrl& f = OpenInputs();
    f.Combo9(2).UserSelect(2);  // "LowPass"
    Enter(f.Text14(2), "1100");
    EXPECT_EQ(f.Text14(2).Text(), "1000");
    EXPECT_EQ(f.UpDown6(2).Value(), 17);
    EXPECT_EQ(Byte(model::InFilterAddr[2]), 145);
    Enter(f.Text14(2), "5");
    EXPECT_EQ(f.Text14(2).Text(), "20");
    Enter(f.Text14(2), "30000");
    EXPECT_EQ(f.Text14(2).Text(), "20000");
    EXPECT_EQ(Byte(model::InFilterAddr[2]), 2 * 64 + 30);

    // A decimal point is no key of this box.
    f.Text14(2).UserKey('.');
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "  Incorrect value");

    f.Combo9(2).UserSelect(0);
    EXPECT_FALSE(f.Text14(2).Enabled());
    EXPECT_FALSE(f.UpDown6(2).Enabled());
    EXPECT_EQ(Byte(model::InFilterAddr[2]), 30);
    ExpectClean();
}

TEST_F(InputsRoad, StereoModeAsksFirstAndWritesTheStereoByte) {
    FrmCtrl& f = OpenInputs();
    if (f.Check11(0).Value() == 1) f.Check11(0).UserClick();  // off, without a question
    f.Combo5(0).UserSelect(1);
    f.Combo5(1).UserSelect(1);
    ASSERT_TRUE(f.Check11(0).Enabled());
    f.Check13(1).UserClick();  // input 2 in the link set
    const int before = Byte(model::StereoModeAddr);

    H().host.Answer(ui::vbNo);
    f.Check11(0).UserClick();
    auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt,
              "In Stereo Mode the system will copy the setting from Inp1 to Inp2,\r\n"
              "do you want to continue?");
    EXPECT_EQ(messages[0].title, "Stereo mode");
    EXPECT_EQ(f.Check11(0).Value(), 0);
    EXPECT_EQ(Byte(model::StereoModeAddr), before);

    H().host.Answer(ui::vbYes);
    f.Check11(0).UserClick();
    EXPECT_EQ(H().host.TakeMessages().size(), 1u);
    EXPECT_EQ(Byte(model::StereoModeAddr) & 0x01, 1);
    EXPECT_TRUE(S().InPairLink[slot][0]);
    EXPECT_EQ(f.Check13(1).Value(), 0) << "the pair left the link set";
    EXPECT_EQ(S().InLinkMask[slot], 0);
    EXPECT_FALSE(f.Combo5(0).Enabled());
    EXPECT_FALSE(f.Combo5(1).Enabled());
    EXPECT_EQ(Name(0), "Inp1-L");
    EXPECT_EQ(Name(1), "Inp1-R");
    EXPECT_EQ(f.Frame17(1).Caption(), "Inp1-R");

    f.Check11(0).UserClick();  // off, without a question
    EXPECT_TRUE(H().host.Messages().empty());
    EXPECT_EQ(Byte(model::StereoModeAddr) & 0x01, 0);
    EXPECT_TRUE(f.Combo5(0).Enabled());
    EXPECT_EQ(Name(1), "Inp1-R");
    EXPECT_EQ(f.MousePointer(), ui::vbDefault);
    ExpectClean();
}

// Every pair's box, ticked in turn while the pairs before it stay ticked, then unticked in
// turn: each sets and clears its own bit of the stereo byte only, on the device and on the PC,
// and locks and frees its own inputs' Mic/Line lists only.
TEST_F(InputsRoad, EveryPairsStereoBoxTurnsItsOwnBitOnly) {
    FrmCtrl& f = OpenInputs();
    for (int16_t p = 0; p < 4; ++p) {
        if (f.Check11(p).Value() == 1) f.Check11(p).UserClick();
        f.Combo5(static_cast<int16_t>(2 * p)).UserSelect(1);
        f.Combo5(static_cast<int16_t>(2 * p + 1)).UserSelect(1);
        ASSERT_TRUE(f.Check11(p).Enabled()) << "pair " << p;
    }
    ASSERT_EQ(Byte(model::StereoModeAddr), 0);
    int bits = 0;
    const auto expectPairs = [&](int16_t turned) {
        EXPECT_EQ(Byte(model::StereoModeAddr), bits) << "on the device, pair " << turned;
        EXPECT_EQ(S().DevImage[slot].ProgImage[model::StereoModeAddr], bits) << "pair " << turned;
        for (int16_t p = 0; p < 4; ++p) {
            const bool stereo = (bits >> p & 1) != 0;
            EXPECT_EQ(S().InPairLink[slot][p], stereo) << "pair " << p << " after " << turned;
            for (int16_t i : {2 * p, 2 * p + 1}) {
                EXPECT_EQ(f.Combo5(i).Enabled(), !stereo) << "input " << i << " after " << turned;
            }
        }
    };
    for (int16_t p = 0; p < 4; ++p) {
        H().host.Answer(ui::vbYes);
        f.Check11(p).UserClick();
        bits |= 1 << p;
        expectPairs(p);
    }
    for (int16_t p = 0; p < 4; ++p) {
        f.Check11(p).UserClick();  // off, without a question
        bits &= ~(1 << p);
        expectPairs(p);
    }
    H().host.TakeMessages();
    ExpectClean();
}

TEST_F(InputsRoad, AStereoPairOutlivesAReconnect) {
    FrmCtrl& first = OpenInputs();
    if (first.Check11(0).Value() == 1) first.Check11(0).UserClick();
    first.Combo5(0).UserSelect(1);
    first.Combo5(1).UserSelect(1);
    H().host.Answer(ui::vbYes);
    first.Check11(0).UserClick();
    ASSERT_EQ(Byte(model::StereoModeAddr) & 0x01, 1) << "in the working program";

    Reconnect(slot);
    FrmCtrl& f = Edit(slot, FrmCtrl::kTabInputs);
    EXPECT_EQ(f.Check11(0).Value(), 1);
    EXPECT_TRUE(S().InPairLink[slot][0]);
    EXPECT_FALSE(f.Combo5(1).Enabled());
    Enter(f.Text1(0), "-6");
    EXPECT_EQ(Memory(model::GainAddrHi[1], 1), Bytes{1210 >> 8});
    EXPECT_EQ(Memory(model::GainAddrLo[1], 1), Bytes{1210 & 0xFF}) << "input 2 follows input 1";
    f.Check11(0).UserClick();  // off again, without a question
    EXPECT_EQ(Byte(model::StereoModeAddr) & 0x01, 0);
    H().host.TakeMessages();
    ExpectClean();
}

TEST_F(InputsRoad, TheMasterInputGainIsOneByteAndTheVolumeAWord) {
    Connect();
    // Master input gain 40 % after a byte of 100; master volume -18 dB (word 1090).
    ASSERT_TRUE(H().WriteMemory(slot, model::WorkingProgramAddr + model::MasterLevelAddr[0],
                                {100, 40, 1090 >> 8, 1090 & 0xFF}));
    Reconnect(slot);
    FrmCtrl& f = Edit(slot, FrmCtrl::kTabInputs);
    EXPECT_EQ(f.Slider100(0).Value(), 40);
    EXPECT_EQ(f.Text100(0).Text(), "40");
    EXPECT_EQ(f.Slider100(1).Value(), 1090);
    EXPECT_EQ(f.Text100(1).Text(), "-18");
    H().host.TakeMessages();
    ExpectClean();
}

TEST_F(InputsRoad, EditNamesRenamesTheChannels) {
    FrmCtrl& f = OpenInputs();
    // No to the question keeps the dialog open with its edits and stores nothing.
    H().host.DriveModal("FrmEditLabel", [&](ui::Form& form) {
        auto& dialog = static_cast<FrmEditLabel&>(form);
        EXPECT_EQ(dialog.Caption(), "Edit Names");
        EXPECT_EQ(dialog.Text1(0).Text(), "Inp1");
        EXPECT_EQ(dialog.Text1(15).Text(), "Out8");
        Enter(dialog.Text1(0), "Drums");
        H().host.Answer(ui::vbNo);
        dialog.Command1(0).UserClick();
        EXPECT_TRUE(dialog.Loaded());
        dialog.Command1(1).UserClick();
    });
    f.SSTab1.UserDblClick();
    EXPECT_EQ(S().ChName[slot][0], "Inp1  ");
    H().host.TakeMessages();

    H().host.DriveModal("FrmEditLabel", [&](ui::Form& form) {
        auto& dialog = static_cast<FrmEditLabel&>(form);
        ui::TextBox& kick = dialog.Text1(0);
        Enter(kick, "Kick");
        kick.UserKey(',');  // refused: what was typed stays whole
        EXPECT_EQ(kick.Text(), "Kick");
        kick.UserKey('\xE9');
        EXPECT_EQ(kick.Text(), "Kick");
        kick.UserType("123");  // six characters at most
        EXPECT_EQ(kick.Text(), "Kick12");
        ui::TextBox& snare = dialog.Text1(1);
        snare.SetSelection(0, static_cast<int32_t>(snare.Text().size()));
        H().host.SetClipboardText("Sn.are\xE9!");
        snare.UserKey(ui::vbKeyCtrlV);
        EXPECT_EQ(snare.Text(), "Snare!");
        Enter(dialog.Text1(10), "Sub");
        H().host.Answer(ui::vbYes);
        dialog.Command1(0).UserClick();
    });
    f.SSTab1.UserDblClick();
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 4u);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(messages[k].prompt, "Symbol not admited");
        EXPECT_EQ(messages[k].title, "Warning");
    }
    EXPECT_EQ(messages[3].prompt, "               Are you sure ? ");
    EXPECT_EQ(messages[3].title, "Edit Names");
    EXPECT_EQ(Name(0), "Kick12");
    EXPECT_EQ(Name(1), "Snare!");
    EXPECT_EQ(Name(10), "Sub   ");
    EXPECT_EQ(f.Frame17(0).Caption(), "Kick12");
    EXPECT_EQ(f.Label13(1).Caption(), "Snare!");
    EXPECT_EQ(f.SSTab1.TabCaption(3), "Sub");
    EXPECT_EQ(f.Option2(2).Caption(), "Sub");
    ExpectClean();
}

TEST_F(InputsRoad, TheNamesAndTheGateOfAStereoPair) {
    FrmCtrl& f = OpenInputs();
    S().InPairLink[slot][1] = true;
    H().host.DriveModal("FrmEditLabel", [&](ui::Form& form) {
        auto& dialog = static_cast<FrmEditLabel&>(form);
        EXPECT_FALSE(dialog.Text1(3).Enabled());
        EXPECT_EQ(dialog.Text1(2).MaxLength(), 4);
        EXPECT_EQ(dialog.Text1(4).MaxLength(), 6);
        Enter(dialog.Text1(2), "Keyboard");
        EXPECT_EQ(dialog.Text1(2).Text(), "Keyb");
        H().host.Answer(ui::vbYes);
        dialog.Command1(0).UserClick();
    });
    f.SSTab1.UserDblClick();
    EXPECT_EQ(Name(2), "Keyb-L");
    EXPECT_EQ(Name(3), "Keyb-R");

    // The gate of a stereo input reaches its partner.
    H().host.DriveModal("FrmNG", [&](ui::Form& form) {
        auto& gate = static_cast<FrmNG&>(form);
        Enter(gate.Text6, "-30");
        gate.Check5.UserClick();
        gate.Unload();
    });
    f.Command13(3).UserClick();
    const Bytes input4 = Memory(model::NgAddr[3], 3);
    EXPECT_EQ(input4.at(0), 50);
    EXPECT_EQ(Memory(model::NgAddr[2], 3), input4);
    EXPECT_EQ(Byte(model::NgEnableAddr), 0x0C);
    EXPECT_EQ(f.Check5(2).Value(), 1);
    ExpectClean();
}

TEST_F(InputsRoad, TheNoiseGateEditorSendsEachEdit) {
    FrmCtrl& f = OpenInputs();
    H().host.DriveModal("FrmNG", [&](ui::Form& form) {
        auto& gate = static_cast<FrmNG&>(form);
        EXPECT_EQ(gate.Caption().rfind("Noise Gate - Inp4", 0), 0u);
        gate.Check5.UserClick();
        EXPECT_EQ(f.Check5(3).Value(), 1);
        EXPECT_EQ(Byte(model::NgEnableAddr) & 8, 8);
        Enter(gate.Text6, "-95");
        EXPECT_EQ(gate.Text6.Text(), "-80");
        EXPECT_EQ(gate.Slider3.Value(), 80);
        EXPECT_EQ(Byte(model::NgAddr[3]), 0);
        Enter(gate.Text6, "5");
        EXPECT_EQ(gate.Text6.Text(), "0");
        EXPECT_EQ(Byte(model::NgAddr[3]), 80);
        Enter(gate.Text7, "30");
        EXPECT_EQ(gate.Text7.Text(), "25");
        EXPECT_EQ(gate.Slider7.Value(), 11);
        Enter(gate.Text12, "12");
        EXPECT_EQ(gate.Text12.Text(), "10");
        EXPECT_EQ(gate.Slider8.Value(), 19);
        gate.Slider3.UserScroll(40);
        EXPECT_EQ(gate.Text6.Text(), "-40");
        gate.Text7.UserKey('x');  // discarded without a message
        EXPECT_EQ(gate.Text7.Text(), "25");
        gate.Unload();
    });
    f.Command13(3).UserClick();
    EXPECT_EQ(Memory(model::NgAddr[3], 3), (Bytes{40, 1, 9}));
    EXPECT_EQ(Byte(model::NgEnableAddr), 0x08);
    EXPECT_EQ(S().DevParam[slot].GateEnable[3], 1);
    EXPECT_EQ(f.Label100(23).ToolTipText(), "Enabled");
    EXPECT_TRUE(H().host.Messages().empty());
    ExpectClean();
}

}  // namespace
