// The editor window's frame without a device: load from the image, caption and status,
// activation, the fixed size, closing, tabs and jump labels, graph views, link boxes and the
// toolbar.
#include <algorithm>
#include <string>

#include "EditorFixture.h"
#include "model/AddressTables.h"

namespace {

using FrmCtrlFrame = EditorFixture;

TEST_F(FrmCtrlFrame, LoadFillsTheWindowFromTheImageAndStartsThePoll) {
    s->DevParam[kSlot].SlotName[0] = "Program default ";
    FrmCtrl& f = Open();
    EXPECT_EQ(f.Caption(), " Velotra - Program load from device - 01: Program default ");
    EXPECT_EQ(f.Label19.Caption(), "Status: Offline");
    EXPECT_EQ(f.Label8.Caption(), "01: Program default ");
    EXPECT_EQ(f.SSTab1.Tab(), FrmCtrl::kTabOverview);
    EXPECT_EQ(s->FrmCtrlHwnd[kSlot], f.hWnd());
    EXPECT_EQ(s->CurDev, kSlot);
    EXPECT_TRUE(s->OpDone);
    EXPECT_TRUE(s->PollEnabled);
    EXPECT_TRUE(s->OfflineOnError);
    EXPECT_FALSE(s->TxBlocked);
    EXPECT_FALSE(s->EditBusy);
    EXPECT_FALSE(s->UiUpdating);
    EXPECT_EQ(s->GraphHold, 0);
    ASSERT_TRUE(f.Timer1.Exists(kSlot));
    EXPECT_EQ(f.Timer1.Count(), 1u);
    EXPECT_EQ(f.Timer1(kSlot).Interval(), 2000);
    EXPECT_TRUE(f.Timer1(kSlot).Running());
    EXPECT_EQ(s->MeterLevel[kSlot][15], 255.0);
    EXPECT_EQ(f.UpDown4(7).Value(), 1);
    EXPECT_EQ(f.UpDown5(7).Value(), 12);
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_FALSE(f.Frame33.Visible()) << "model 0 has no automatic mixer";
    EXPECT_FALSE(f.Frame34.Visible());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(host.Problems().empty());

    // 0 dB is the word 1270 (0x04F6); its low byte alone would be -102.4 dB.
    EXPECT_EQ(f.Slider100(1).Value(), 1270);
    EXPECT_EQ(f.Text100(1).Text(), "0");
    EXPECT_EQ(Image(466), 0x04);
    EXPECT_EQ(Image(467), 0xF6);
    // The factory's input gain bytes 100, 100 read as the full 100 %.
    EXPECT_EQ(f.Slider100(0).Value(), 100);
    EXPECT_EQ(f.Text100(0).Text(), "100");
    EXPECT_EQ(s->DevParam[kSlot].MasterLevel()[1], 0.0);
}

TEST_F(FrmCtrlFrame, CaptionNamesTheLinkAndTheModel) {
    s->LinkType = 2;
    s->DevList[kSlot].IpText = "127.0.0.9";
    s->DevModel[kSlot] = 1;
    s->RunningProgSlot[kSlot] = 7;
    s->DevParam[kSlot].ExtraSlotName[1] = "Night";
    FrmCtrl& f = Open();
    EXPECT_EQ(f.Caption(), "IP:127.0.0.9  Velomatic - Program load from device - E02: Night");
    EXPECT_TRUE(f.Frame33.Visible());
    EXPECT_TRUE(f.Frame34.Visible());
}

TEST_F(FrmCtrlFrame, TheImageReachesTheLevelControls) {
    Image(model::GainAddrHi[2]) = 0x04;  // input 3 at -6 dB: word 1210
    Image(model::GainAddrLo[2]) = 0xBA;
    Image(model::GainAddrHi[9]) = 0x05;  // output 2 at +18 dB
    Image(model::GainAddrLo[9]) = 0xAA;
    Image(model::ChFlagAddrOut) = 0x02;    // output 2 level bypassed
    Image(model::PolarityAddr[1]) = 0x08;  // output 4 at 180 degrees
    Image(model::PolarityAddr[0]) = 0x01;  // input 1 at 180 degrees
    Image(model::MuteAddr[0]) = 0x80;      // input 8 muted
    FrmCtrl& f = Open();
    EXPECT_EQ(f.Slider1(2).Value(), 180);
    EXPECT_EQ(f.Text1(2).Text(), "-6");
    EXPECT_EQ(f.Slider1(9).Value(), 0);
    EXPECT_EQ(f.Text1(9).Text(), "18");
    EXPECT_EQ(f.Slider1(8).Value(), 180);
    EXPECT_EQ(f.Text1(8).Text(), "0");
    EXPECT_EQ(f.Label100(241).ToolTipText(), "18 dB");
    EXPECT_EQ(f.Command90(9).BackColor(), ui::vbRed);
    EXPECT_EQ(f.Command90(8).BackColor(), ui::vbButtonFace);
    EXPECT_EQ(f.Check2(11).Value(), 1);
    EXPECT_EQ(f.Check2(0).Value(), 1);
    EXPECT_EQ(f.Label100(263).Caption(), "180'");
    EXPECT_EQ(f.Label100(260).Caption(), "0'");
    EXPECT_EQ(f.Label100(252).Caption(), "Limiter") << "input polarity has no overview caption";
    EXPECT_EQ(f.Check1(7).Value(), 1);
    EXPECT_TRUE(f.Line6(7).Visible());
    EXPECT_TRUE(f.Line7(7).Visible());
    EXPECT_FALSE(f.Line6(6).Visible());
    EXPECT_EQ(s->GainBypass[kSlot][9], 1);
    EXPECT_EQ(s->DevParam[kSlot].ChLevelDb()[2], -6.0);
    EXPECT_EQ(s->DevParam[kSlot].MuteFlag()[7], 1.0);
}

TEST_F(FrmCtrlFrame, ADamagedImageLoadsAsTheNearestValidSettings) {
    for (int16_t ch = 0; ch < 16; ++ch) {
        Image(model::GainAddrHi[ch]) = 0xFF;
        Image(model::GainAddrLo[ch]) = 0xFF;
    }
    Image(466) = 0xFF;
    Image(467) = 0xFF;
    for (int b = 0; b < 40; ++b) {
        for (int k = 0; k < 5; ++k) Image(model::EqOutBandAddr[b] + k) = 0xFF;
    }
    for (int n = 0; n < 16; ++n) {
        for (int k = 0; k < 3; ++k) Image(model::XoverAddr[n] + k) = 0xFF;
    }
    for (int o = 0; o < 8; ++o) {
        Image(model::EqOutFlagAddr[o]) = 0xFF;
        s->DevImage[kSlot].PanelState[30 + o] = 0xFF;
    }
    FrmCtrl& f = Open();
    EXPECT_EQ(f.Slider1(0).Value(), 0);
    EXPECT_EQ(f.Text1(0).Text(), "12");
    EXPECT_EQ(f.Text1(15).Text(), "18");
    EXPECT_EQ(Image(model::GainAddrHi[15]) * 256 + Image(model::GainAddrLo[15]), 1450);
    EXPECT_EQ(f.Slider100(1).Value(), 1270);
    EXPECT_EQ(Image(466) * 256 + Image(467), 1270);
    EXPECT_EQ(f.Slider2(39).Value(), 0);
    EXPECT_EQ(f.Text4(39).Text(), "20000");
    EXPECT_EQ(f.UpDown3(39).Value(), 96);
    EXPECT_EQ(f.Command3(39).Caption(), "LoSHF Q");
    EXPECT_EQ(s->EqOutType[kSlot][39], 2);
    EXPECT_EQ(f.Command6(39).BackColor(), ui::vbRed);
    EXPECT_EQ(Image(model::EqOutBandAddr[39]), 2);
    EXPECT_EQ(Image(model::EqOutBandAddr[39] + 1) * 256 + Image(model::EqOutBandAddr[39] + 2),
              20000);
    EXPECT_EQ(Image(model::EqOutBandAddr[39] + 4), 48);
    EXPECT_EQ(Image(model::EqOutFlagAddr[7]), 0x1F);
    EXPECT_EQ(f.Combo2(15).ListIndex(), 8);
    EXPECT_EQ(f.Text8(15).Text(), "20000");
    EXPECT_EQ(Image(model::XoverAddr[15] + 2), 8);
    EXPECT_EQ(f.Check3(7).Value(), 1);
    EXPECT_TRUE(f.Label5(35).Visible());
    EXPECT_EQ(s->DevImage[kSlot].PanelState[37], 1);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_FALSE(s->UiUpdating);
}

TEST_F(FrmCtrlFrame, ABandOfTheImageTheEditorWouldRefuseIsToldAndDrawn) {
    Image(model::EqOutBandAddr[6] + 1) = 0x4E;  // peaking, 20000 Hz
    Image(model::EqOutBandAddr[6] + 2) = 0x20;
    Image(model::EqOutBandAddr[6] + 3) = 0;   // Q 0.4
    Image(model::EqOutBandAddr[6] + 4) = 36;  // +6 dB
    FrmCtrl& f = Open();
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "EQ filter");
    EXPECT_EQ(f.Text4(6).Text(), "20000");
    EXPECT_EQ(s->DevParam[kSlot].OutEqFreq()[6], 20000);
    EXPECT_EQ(s->DevParam[kSlot].OutEqGain()[6], 6);
    EXPECT_NEAR(s->Graph.Curves(kSlot).OutMagTotal[1][575], 6, 1e-9) << "the band as it is";
}

TEST_F(FrmCtrlFrame, ReopenedTheMarkersShowAsLeftAndNoChannelIsLinked) {
    FrmCtrl& f = Open();
    f.SSTab1.UserSelectTab(5);
    f.Check3(4).UserClick();
    f.Check13(10).UserClick();
    EXPECT_EQ(s->OutLinkMask[kSlot], 4);
    s->InPairLink[kSlot][1] = true;
    host.Answer(ui::vbYes);
    ASSERT_TRUE(f.UserClose());
    FrmCtrl& again = Open();
    EXPECT_EQ(again.Check3(4).Value(), 1);
    for (int16_t b = 20; b < 25; ++b) EXPECT_TRUE(again.Label5(b).Visible());
    EXPECT_EQ(again.Check3(3).Value(), 0);
    EXPECT_FALSE(again.Label5(15).Visible());
    // Applying an image leaves every channel unlinked.
    EXPECT_EQ(again.Check13(10).Value(), 0);
    EXPECT_EQ(s->OutLinkMask[kSlot], 0);
    EXPECT_EQ(s->OutLinkSet[kSlot][2], 0);
    EXPECT_FALSE(s->InPairLink[kSlot][1]);
}

TEST_F(FrmCtrlFrame, TheWindowKeepsItsSizeAndClosingAsksUnlessTheDeviceIsOffline) {
    FrmCtrl& f = Open();
    f.UserResize(12000, 8000);
    EXPECT_EQ(f.Width(), FrmCtrl::kWidth);
    EXPECT_EQ(f.Height(), FrmCtrl::kHeight);
    f.UserMinimize();
    EXPECT_EQ(f.WindowState(), ui::vbMinimized);
    f.UserResize(3000, 600);
    EXPECT_EQ(f.Width(), 3000) << "a minimised window is left alone";

    // Closing asks unless the device is offline.
    host.Answer(ui::vbNo);
    EXPECT_FALSE(f.UserClose());
    EXPECT_EQ(host.TakeMessages().at(0).prompt, "            Are you sure ? ");
    s->DevOffline[kSlot] = true;
    EXPECT_TRUE(f.UserClose());
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(s->FrmCtrlHwnd[kSlot], 255);
    EXPECT_EQ(s->EditorSlot[kSlot][0], 0);
    EXPECT_FALSE(f.Timer1(kSlot).Running());
}

TEST_F(FrmCtrlFrame, ActivationMakesTheWindowsDeviceCurrent) {
    Prepare(5);
    FrmCtrl& first = Open();
    FrmCtrl& second = Open(5);
    EXPECT_EQ(s->CurDev, 5);
    first.UserActivate();
    EXPECT_EQ(s->CurDev, kSlot);
    // The other window's timer turns itself off at its next tick.
    host.Advance(2000);
    EXPECT_FALSE(second.Timer1(5).Running());
    EXPECT_TRUE(first.Timer1(kSlot).Running());
    second.UserActivate();
    EXPECT_TRUE(second.Timer1(5).Running());
}

TEST_F(FrmCtrlFrame, JumpLabelsSelectTheirTabs) {
    FrmCtrl& f = Open();
    f.Label100(23).UserClick();  // "NG"
    EXPECT_EQ(f.SSTab1.Tab(), FrmCtrl::kTabOverview);
    f.Label300(18).UserClick();  // "Outpu3"
    EXPECT_EQ(f.SSTab1.Tab(), 3);
    f.SSTab1.SetTab(FrmCtrl::kTabOverview);
    f.Label300(4).UserClick();  // "Mic5"
    EXPECT_EQ(f.SSTab1.Tab(), FrmCtrl::kTabInputs);
    f.SSTab1.SetTab(FrmCtrl::kTabOverview);
    f.Label100(253).UserClick();  // "Limiter" of output 4
    EXPECT_EQ(f.SSTab1.Tab(), 4);
    f.SSTab1.SetTab(FrmCtrl::kTabOverview);
    f.Label200(7).UserClick();
    EXPECT_EQ(f.SSTab1.Tab(), 8);
    f.SSTab1.SetTab(FrmCtrl::kTabOverview);
    f.Label100(12).UserClick();  // "Feedback"
    EXPECT_EQ(f.SSTab1.Tab(), FrmCtrl::kTabInputs);
    EXPECT_FALSE(s->EditBusy);
}

TEST_F(FrmCtrlFrame, ThePhaseViewSwapsTheScalesAndShowCursorTheMarkers) {
    FrmCtrl& f = Open();
    f.SSTab1.UserSelectTab(2);
    f.Option4(1).UserClick();
    EXPECT_FALSE(f.Option3(1).Value());
    EXPECT_TRUE(f.Label9(9).Visible());
    EXPECT_FALSE(f.Label17(7).Visible());
    EXPECT_FALSE(f.Frame30(1).Visible());
    EXPECT_FALSE(f.Frame31(1).Visible());
    EXPECT_TRUE(f.Label17(0).Visible()) << "other outputs keep their view";
    f.Option3(1).UserClick();
    EXPECT_TRUE(f.Label17(13).Visible());
    EXPECT_FALSE(f.Label9(17).Visible());
    EXPECT_TRUE(f.Frame30(1).Visible());

    // "Show cursor" shows the markers and keeps the choice.
    f.SSTab1.UserSelectTab(3);
    f.Check3(2).UserClick();
    for (int16_t b = 10; b < 15; ++b) EXPECT_TRUE(f.Label5(b).Visible());
    EXPECT_FALSE(f.Label5(15).Visible());
    EXPECT_EQ(s->DevImage[kSlot].PanelState[32], 1);
    // The first band's marker is in front of the other four.
    const auto& order = f.Controls();
    const auto pos = [&](int16_t b) {
        return std::find(order.begin(), order.end(), &f.Label5(b)) - order.begin();
    };
    for (int16_t b = 11; b < 15; ++b) EXPECT_GT(pos(10), pos(b));
    f.Check3(2).UserClick();
    EXPECT_FALSE(f.Label5(10).Visible());
    EXPECT_EQ(s->DevImage[kSlot].PanelState[32], 0);
}

TEST_F(FrmCtrlFrame, LinkBoxesBuildTheLinkSets) {
    FrmCtrl& f = Open();
    f.Check13(8).UserClick();
    f.Check13(15).UserClick();
    f.Check13(10).UserClick();
    EXPECT_EQ(s->OutLinkMask[kSlot], 133);
    EXPECT_EQ(f.Check13(10).ForeColor(), ui::vbBlue);
    f.Check13(15).UserClick();
    EXPECT_EQ(s->OutLinkMask[kSlot], 5);
    EXPECT_EQ(f.Check13(15).ForeColor(), ui::vbBlack);

    // An input of a stereo pair takes its partner along.
    s->InPairLink[kSlot][1] = true;
    f.Check13(3).UserClick();
    EXPECT_EQ(f.Check13(2).Value(), 1);
    EXPECT_EQ(s->InLinkMask[kSlot], 12);
    f.Check13(3).UserClick();
    EXPECT_EQ(f.Check13(2).Value(), 0);
    EXPECT_EQ(f.Check13(2).ForeColor(), ui::vbBlack);
    EXPECT_EQ(s->InLinkMask[kSlot], 0);
    EXPECT_FALSE(s->UiUpdating);
}

TEST_F(FrmCtrlFrame, ToolbarButtonsWithoutTheirDialogsDoNoHarm) {
    FrmCtrl& f = Open();
    // The program buttons (Load, Save, Store, Read and the extra Read and Store) and the two
    // copy buttons open theirs.
    for (int16_t i : f.Command2.Indices()) {
        if ((i > 3 && i < 8) || i == 12) f.Command2(i).UserClick();
    }
    f.Command50(0).UserClick();
    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    f.Command11.UserClick();
    ExpectIdle();
    EXPECT_TRUE(host.Problems().empty());
    EXPECT_TRUE(f.Loaded());
}

}  // namespace
