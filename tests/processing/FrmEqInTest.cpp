// "Inputs EQ" without a device: loading an input from the image, typed and dragged band
// values with their clamps, snapping and messages (refused keys are discarded silently), the
// refusal of a band too wide for the device, bypass, "Flat Eq", the filter type dialog, the link
// boxes, the copy onto linked inputs and the response picture.
#include <algorithm>
#include <cmath>
#include <string>

#include "EqInFixture.h"
#include "editor/EditorFixture.h"
#include "editor/FrmSelFilter.h"
#include "editor/GraphMarkers.h"
#include "editor/ResponseReference.h"
#include "editor/ResponseSweep.h"
#include "model/GraphConstants.h"
#include "processing/EqInGraph.h"
#include "processing/ModEqIn.h"
#include "sys/Numeric.h"

namespace {

using eqintest::BandAddr;
using eqintest::FlagAddr;
using eqintest::Record;

class FrmEqInTest : public EditorFixture {
  protected:
    Record Band(int i, int b, bool mic) {
        const int a = BandAddr(i, b, mic);
        return {Image(a), Image(a + 1) * 256 + Image(a + 2), Image(a + 3), Image(a + 4)};
    }
    model::DevParamRecord& Par() { return s->DevParam[kSlot]; }
    // The editor open on a device whose inputs of lineBits are Line inputs, the others Mic
    // inputs, those of fbkBits on feedback processing.
    FrmCtrl& OpenWith(uint8_t lineBits, uint8_t fbkBits = 0) {
        FrmCtrl& f = Open();
        eqintest::SetInputTypes(*s, kSlot, lineBits, fbkBits);
        return f;
    }
    // Inputs 3 and 6 (indices 2, 5) are Mic inputs, input 6 on feedback processing.
    FrmCtrl& OpenMixed() { return OpenWith(0xDB, 0x20); }
    void OnEqIn(FrmCtrl& f, int16_t i, const std::function<void(FrmEqIn&)>& drive) {
        eqintest::OnEqIn(host, f, i, drive);
        EXPECT_TRUE(host.Problems().empty());
    }
};

TEST_F(FrmEqInTest, OpensOnTheInputOfItsButtonWithTheBandsOfItsSet) {
    FrmCtrl& f = OpenMixed();
    s->ChName[kSlot][0] = "Inp1  ";
    s->ChName[kSlot][2] = " Vox  ";
    // Input 3's Mic set: a low shelf at 250 Hz, +6 dB, Q index 6, band 3 bypassed.
    Image(BandAddr(2, 0, true)) = 2;
    Image(BandAddr(2, 0, true) + 1) = 0;
    Image(BandAddr(2, 0, true) + 2) = 250;
    Image(BandAddr(2, 0, true) + 3) = 6;
    Image(BandAddr(2, 0, true) + 4) = 36;
    Image(FlagAddr(2, true)) = 4;
    OnEqIn(f, 2, [&](FrmEqIn& d) {
        EXPECT_EQ(d.Caption(), "Inputs EQ");
        EXPECT_EQ(d.SSTab1.Tab(), 2);
        EXPECT_EQ(s->CurInCh, 2);
        EXPECT_TRUE(s->EditBusy);
        EXPECT_EQ(d.SSTab1.TabCaption(2), "Vox - Mic");
        EXPECT_EQ(d.SSTab1.TabCaption(0), "Inp1 - Line");
        EXPECT_EQ(d.Check13(2).Caption(), "Vox");
        EXPECT_FALSE(d.SSTab1.TabEnabled(5)) << "a Mic input on feedback processing";
        EXPECT_TRUE(d.SSTab1.TabEnabled(2));
        EXPECT_EQ(d.Check13(2).BackColor(), ui::RGB(255, 255, 0));
        EXPECT_EQ(d.Check13(0).BackColor(), ui::RGB(0, 255, 0));
        EXPECT_EQ(s->EqInBankOfs[2], 16);
        EXPECT_EQ(s->EqInBankOfs[0], 0);

        EXPECT_EQ(d.Command3(0).Caption(), "LoSHF Q");
        EXPECT_EQ(d.Text4(0).Text(), "250");
        EXPECT_EQ(d.Text12(0).Text(), "6");
        EXPECT_EQ(d.Slider2(0).Value(), 12);
        EXPECT_EQ(d.Text5(0).Text(), "1");
        EXPECT_EQ(d.Text50(0).Text(), "1.38848");
        EXPECT_EQ(d.Command6(2).BackColor(), ui::vbRed);
        EXPECT_FALSE(d.Slider2(2).Enabled());
        EXPECT_EQ(Par().InEqBypass()[2], 1.0);
        EXPECT_EQ(Par().InEqGain()[0], 6.0);
        EXPECT_EQ(Par().InEqFreq()[0], 250.0);
        EXPECT_FALSE(d.Label5(0).Visible()) << "the markers start hidden";
        EXPECT_TRUE(d.Option3(0).Value());
        EXPECT_TRUE(d.Label17(0).Visible());
        EXPECT_FALSE(d.Label9(0).Visible());
        EXPECT_NEAR(s->Graph.EqIn.EqInMagTotal[575], 0, 0.1);
        EXPECT_NEAR(s->Graph.EqIn.EqInMagTotal[0], 6, 0.1) << "the low shelf is drawn";

        // Another tab loads its input; the tab of input 6 cannot be picked.
        EXPECT_FALSE(d.SSTab1.UserSelectTab(5));
        ASSERT_TRUE(d.SSTab1.UserSelectTab(0));
        EXPECT_EQ(s->CurInCh, 0);
        EXPECT_EQ(d.Command3(0).Caption(), "PEAK EQ");
        EXPECT_EQ(d.Text4(0).Text(), "1000");
        EXPECT_TRUE(d.Slider2(2).Enabled());
        for (double db : s->Graph.EqIn.EqInMagTotal) ASSERT_NEAR(db, 0, 1e-9);
    });
    EXPECT_FALSE(s->EditBusy);
    EXPECT_EQ(s->EqInWin, nullptr);
}

TEST_F(FrmEqInTest, TypedValuesAreClampedSnappedAndStoredInTheInputsSet) {
    FrmCtrl& f = OpenMixed();
    OnEqIn(f, 2, [&](FrmEqIn& d) {
        struct Case {
            const char* typed;
            const char* shown;
            int32_t slider;
        };
        for (const Case& c : {Case{"13", "12", 0}, Case{"-12.3", "-12", 48}, Case{"3.2", "3", 18},
                              Case{"3.25", "3", 18}, Case{"+4.7", "4.5", 15}}) {
            eqintest::Enter(d.Text12(1), c.typed);
            EXPECT_EQ(d.Text12(1).Text(), c.shown) << c.typed;
            EXPECT_EQ(d.Slider2(1).Value(), c.slider) << c.typed;
            EXPECT_EQ(Band(2, 1, true).gain, 48 - c.slider) << c.typed;
        }
        eqintest::Enter(d.Text4(1), "25000");
        EXPECT_EQ(d.Text4(1).Text(), "20000");
        eqintest::Enter(d.Text4(1), "5");
        EXPECT_EQ(d.Text4(1).Text(), "20");
        eqintest::Enter(d.Text4(1), "1000");
        eqintest::Enter(d.Text5(1), "2.8");
        EXPECT_EQ(d.UpDown3(1).Value(), 24);
        eqintest::Enter(d.Text5(1), "12");
        EXPECT_EQ(d.UpDown3(1).Value(), 96);
        eqintest::Enter(d.Text50(1), "1");
        EXPECT_EQ(d.Text50(1).Text(), "1.00975");
        EXPECT_EQ(d.UpDown3(1).Value(), 10);
        EXPECT_EQ(d.Text5(1).Text(), "1.4");
        EXPECT_EQ(Band(2, 1, true), (Record{0, 1000, 10, 33}));
        EXPECT_EQ(Band(2, 1, false), (Record{0, 1000, 24, 24})) << "the Line set is untouched";
        EXPECT_EQ(Par().InEqGain()[1], 4.5);
        EXPECT_EQ(Par().InEqQ()[1], 1.4);
        EXPECT_TRUE(host.Messages().empty());

        // A key a box does not take is discarded without a word.
        d.Text4(1).UserKey('.');
        d.Text12(1).UserKey('x');
        d.Text5(1).UserKey('k');
        EXPECT_TRUE(host.Messages().empty());
        EXPECT_EQ(d.Text4(1).Text(), "1000");
        EXPECT_EQ(d.Text12(1).Text(), "4.5");
        EXPECT_EQ(d.Text5(1).Text(), "1.4");
        // Enter on a text that is no number: the box's message, and the Enter key becomes a
        // "?" (a blank in the Q box); nothing is sent.
        for (ui::TextBox* box : {&d.Text4(1), &d.Text12(1), &d.Text5(1)}) {
            box->SetText("");
            box->UserKey(13);
        }
        const auto messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 3u);
        EXPECT_EQ(messages[0].prompt, "  Incorrect frequency value");
        EXPECT_EQ(messages[1].prompt, "  Incorrect value");
        EXPECT_EQ(messages[2].prompt, "  Incorrect Q value");
        EXPECT_EQ(messages[0].title, "Warning");
        EXPECT_EQ(d.Text4(1).Text(), "?");
        EXPECT_EQ(d.Text12(1).Text(), "?");
        EXPECT_EQ(d.Text5(1).Text(), " ");
        EXPECT_EQ(Band(2, 1, true), (Record{0, 1000, 10, 33}));
        EXPECT_TRUE(s->OpDone);
        eqintest::Enter(d.Text4(1), "1000");

        // Retyping the index the band has sends nothing and does not pause.
        const int64_t slept = host.SleptMs();
        eqintest::Enter(d.Text5(1), "1.4");
        EXPECT_EQ(host.SleptMs(), slept);
        d.Slider2(1).UserScroll(20);
        EXPECT_EQ(host.SleptMs(), slept + 20) << "a slider step pauses after its send";
        EXPECT_EQ(Band(2, 1, true).gain, 28);
    });
}

TEST_F(FrmEqInTest, ARefusedBandOrFrequencyShowsTheImageAgain) {
    FrmCtrl& f = OpenWith(0xFF);
    OnEqIn(f, 0, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text5(2), "0.4");
        eqintest::Enter(d.Text12(2), "6");
        const Record before = Band(0, 2, false);
        eqintest::Enter(d.Text4(2), "5000");  // 5000 / 0.4 = 12500 Hz
        const auto messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt,
                  "Error: Parameter Q non admited. Please change Q or Frequency");
        EXPECT_EQ(messages[0].title, "EQ filter");
        EXPECT_EQ(messages[0].style, ui::vbOKOnly + ui::vbExclamation);
        EXPECT_EQ(Band(0, 2, false), before);
        EXPECT_EQ(d.Text4(2).Text(), "1000");
        EXPECT_EQ(d.Text12(2).Text(), "6");
        EXPECT_EQ(Par().InEqFreq()[2], 1000);
        EXPECT_FALSE(s->TxFailed);
        EXPECT_FALSE(s->UiUpdating);
        EXPECT_TRUE(s->OpDone);

        eqintest::Enter(d.Text4(2), "4800");  // exactly 12000 Hz goes through
        EXPECT_EQ(Band(0, 2, false).freq, 4800);
        EXPECT_TRUE(host.Messages().empty());
    });
    // A frequency box without a number takes the image's frequency back.
    OnEqIn(f, 4, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text4(0), "2500");
        d.Text4(0).UserKey('k');  // discarded
        EXPECT_EQ(d.Text4(0).Text(), "2500");
        d.Text4(0).SetText("");
        d.Slider2(0).UserScroll(12);  // +6 dB
        EXPECT_EQ(d.Text4(0).Text(), "2500");
        EXPECT_EQ(Band(4, 0, false), (Record{0, 2500, 24, 36}));
        EXPECT_EQ(Par().InEqFreq()[0], 2500);
        EXPECT_TRUE(host.Messages().empty());
    });
}

TEST_F(FrmEqInTest, BypassSendsTheFlagsAndLocksTheRow) {
    FrmCtrl& f = OpenWith(0xFF);
    OnEqIn(f, 1, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text12(0), "6");
        d.Command6(0).UserClick();
        d.Command6(2).UserClick();
        EXPECT_EQ(Image(FlagAddr(1, false)), 5);
        EXPECT_EQ(Band(1, 0, false).gain, 36) << "the gain travels on";
        EXPECT_EQ(Par().InEqGain()[0], 0.0);
        EXPECT_EQ(d.Command6(0).BackColor(), ui::vbRed);
        for (const ui::Control* c : std::initializer_list<const ui::Control*>{
                 &d.Slider2(0), &d.Text4(0), &d.Text12(0), &d.Text5(0), &d.Text50(0), &d.Label5(0),
                 &d.UpDown3(0), &d.Command3(0)}) {
            EXPECT_FALSE(c->Enabled()) << c->Path();
        }
        for (double db : s->Graph.EqIn.EqInMagTotal) ASSERT_NEAR(db, 0, 1e-9);
        d.Command6(0).UserClick();
        EXPECT_EQ(Image(FlagAddr(1, false)), 4);
        EXPECT_EQ(d.Command6(0).BackColor(), ui::vbButtonFace);
        EXPECT_TRUE(d.Slider2(0).Enabled());
        EXPECT_NEAR(
            *std::max_element(s->Graph.EqIn.EqInMagTotal.begin(), s->Graph.EqIn.EqInMagTotal.end()),
            6, 0.05);
    });
}

TEST_F(FrmEqInTest, AMarkerIsDraggedCentredOnItsPointAndSentOnRelease) {
    FrmCtrl& f = OpenWith(0xFF);
    OnEqIn(f, 3, [&](FrmEqIn& d) {
        d.Check3(0).UserClick();
        ui::Label& marker = d.Label5(1);
        ASSERT_TRUE(marker.Visible());
        EXPECT_EQ(marker.Left(), sys::CLng(editor::MarkerLeft(1000)));
        EXPECT_EQ(marker.Top(), sys::CLng(editor::MarkerTop(0)));
        const Record before = Band(3, 1, false);

        // A click without a move sends nothing.
        marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
        marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
        EXPECT_EQ(Band(3, 1, false), before);

        marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
        marker.UserMouseMove(ui::vbLeftButton, 0, 5711 - static_cast<float>(marker.Left()) + 60,
                             1548.3f - static_cast<float>(marker.Top()) + 60);
        EXPECT_EQ(d.Text12(1).Text(), "-3.5");
        EXPECT_EQ(d.Slider2(1).Value(), 31);
        EXPECT_EQ(d.Text4(1).Text(), "2001");
        EXPECT_EQ(Par().InEqGain()[1], -3.5);
        EXPECT_EQ(marker.Top(), sys::CLng(editor::MarkerTop(-3.45)));
        EXPECT_EQ(Band(3, 1, false), before) << "nothing is sent while dragging";
        EXPECT_LT(s->Graph.EqIn.EqInBandMag[1][383], -3.4) << "the curve follows";
        marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
        EXPECT_EQ(Band(3, 1, false), (Record{0, 2001, 24, 17}));
        EXPECT_EQ(marker.Top(), sys::CLng(editor::MarkerTop(-3.5)));
        EXPECT_FALSE(s->GraphDrag);
        EXPECT_FALSE(s->GraphMoved);

        eqintest::DragMarker(d, 1, -5000, -5000);
        EXPECT_EQ(Band(3, 1, false), (Record{0, 20, 24, 48}));
        eqintest::DragMarker(d, 1, 20000, 20000);
        EXPECT_EQ(Band(3, 1, false), (Record{0, 20000, 24, 0}));
        EXPECT_EQ(marker.Left(), 8595);
        EXPECT_TRUE(host.Messages().empty());
    });
}

TEST_F(FrmEqInTest, TheFilterTypeDialogSetsTheTypeOfAnInputBand) {
    FrmCtrl& f = OpenWith(0xFF);
    OnEqIn(f, 6, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text12(2), "6");
        host.DriveModal("FrmSelFilter", [&](ui::Form& form) {
            auto& dialog = dynamic_cast<FrmSelFilter&>(form);
            EXPECT_EQ(dialog.Label1.Caption(), "Type Filter 3");
            EXPECT_EQ(dialog.Combo1.ListIndex(), 0);
            EXPECT_EQ(s->SelFilterMode, 1);
            dialog.Combo1.UserSelect(1);
            dialog.Command1(0).UserClick();
        });
        d.Command3(2).UserClick();
        EXPECT_EQ(s->SelFilterMode, 0);
        EXPECT_EQ(s->EqInType[2], 1);
        EXPECT_EQ(d.Command3(2).Caption(), "HiSHF Q");
        EXPECT_EQ(Band(6, 2, false).type, 1);
        EXPECT_NEAR(s->Graph.EqIn.EqInMagTotal[575], 6, 0.05) << "a high shelf";
    });
}

TEST_F(FrmEqInTest, FlatEqAsksThenFlattensAndClosingWaitsForTheRunningOperation) {
    FrmCtrl& f = OpenWith(0xFF);
    OnEqIn(f, 7, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text12(0), "6");
        eqintest::Enter(d.Text12(1), "-3");
        eqintest::Enter(d.Text12(2), "12");
        eqintest::Enter(d.Text5(2), "0.4");
        host.Answer(ui::vbNo);
        d.Command1.UserClick();
        auto messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, "               Are you sure ? ");
        EXPECT_EQ(messages[0].title, "Flat Eq");
        EXPECT_EQ(messages[0].style, ui::vbYesNo);
        EXPECT_EQ(Band(7, 0, false).gain, 36);

        host.Answer(ui::vbYes);
        d.Command1.UserClick();
        for (int16_t b = 0; b < 3; ++b) {
            EXPECT_EQ(Band(7, b, false).gain, 24) << b;
            EXPECT_EQ(d.Slider2(b).Value(), 24) << b;
        }
        EXPECT_EQ(Band(7, 2, false).q, 0) << "Q, type and frequency stay";
        EXPECT_EQ(d.MousePointer(), ui::vbDefault);
        EXPECT_TRUE(s->OpDone);
        for (double db : s->Graph.EqIn.EqInMagTotal) ASSERT_NEAR(db, 0, 1e-9);

        // Closing waits for the running operation.
        host.TakeMessages();
        s->OpDone = false;
        d.Command2.UserClick();
        messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt,
                  "Please wait the last requested operation to be accomplished");
        EXPECT_EQ(messages[0].title, "Close window");
        EXPECT_TRUE(d.Loaded());
        s->OpDone = true;
    });
}

TEST_F(FrmEqInTest, AnEditIsCopiedToLinkedInputsOfTheSameType) {
    FrmCtrl& f = OpenWith(0xFF);
    // Inputs 1, 3 and 6 linked, all Line; editing band 2 of input 3.
    for (int16_t i : {0, 2, 5}) f.Check13(i).UserClick();
    OnEqIn(f, 2, [&](FrmEqIn& d) {
        EXPECT_EQ(d.Check13(0).Value(), 1);
        EXPECT_EQ(d.Check13(0).ForeColor(), ui::vbBlue);
        d.Command6(0).UserClick();
        eqintest::Enter(d.Text12(1), "6");
        for (int16_t k : {0, 5}) {
            EXPECT_EQ(Band(k, 1, false), Band(2, 1, false)) << k;
            EXPECT_EQ(Image(FlagAddr(k, false)), 1) << k;
        }
        EXPECT_EQ(Band(1, 1, false).gain, 24) << "input 2 is not linked";
    });

    // Input 6 now a Mic input: only input 1 follows.
    eqintest::SetInputTypes(*s, kSlot, 0xDF);
    OnEqIn(f, 2, [&](FrmEqIn& d) { eqintest::Enter(d.Text12(1), "-4"); });
    EXPECT_EQ(Band(0, 1, false).gain, 16);
    EXPECT_EQ(Band(5, 1, false).gain, 36);
}

TEST_F(FrmEqInTest, StereoPartnersFollowTheLinkBoxesAndFlatEq) {
    FrmCtrl& f = OpenWith(0xFF);
    s->InPairLink[kSlot][1] = true;
    s->InPairLink[kSlot][3] = true;
    Image(BandAddr(6, 1, false) + 4) = 40;
    OnEqIn(f, 7, [&](FrmEqIn& d) {
        host.Answer(ui::vbYes);
        d.Command1.UserClick();
        EXPECT_EQ(Band(6, 1, false).gain, 24) << "the partner is flattened too";

        d.Check13(2).UserClick();
        EXPECT_EQ(d.Check13(3).Value(), 1);
        EXPECT_EQ(d.Check13(3).ForeColor(), ui::vbBlue);
        EXPECT_EQ(d.Check13(2).ForeColor(), ui::vbBlue);
        EXPECT_EQ(f.Check13(2).Value(), 1);
        EXPECT_EQ(f.Check13(3).Value(), 1);
        EXPECT_EQ(s->InLinkSet[kSlot][3], 1);
    });
}

TEST_F(FrmEqInTest, TheResponseMatchesTheReferenceInBothViews) {
    FrmCtrl& f = OpenWith(0xFF);
    Image(model::PolarityAddr[0]) = 0x02;  // input 2 inverted
    OnEqIn(f, 1, [&](FrmEqIn& d) {
        eqintest::Enter(d.Text4(0), "120");
        eqintest::Enter(d.Text12(0), "9");
        eqintest::Enter(d.Text5(0), "1.5");
        eqintest::Enter(d.Text4(1), "3000");
        eqintest::Enter(d.Text12(1), "-6.5");
        s->EqInType[2] = 1;
        eqintest::Enter(d.Text4(2), "8000");
        eqintest::Enter(d.Text12(2), "4");
        const reftest::Prototype total =
            reftest::Product({reftest::EqBand(0, 9, 120, 1.5), reftest::EqBand(0, -6.5, 3000, 2.8),
                              reftest::EqBand(1, 4, 8000, 2.8)});
        const auto mag = reftest::MagDb(total);
        const auto phase = reftest::PhaseDeg(total);
        for (int i = 0; i < 576; ++i) {
            ASSERT_NEAR(s->Graph.EqIn.EqInMagTotal[i], mag[i], 1e-9) << i;
        }
        // The magnitude view draws in red on the grid's rows.
        const auto& drawing = d.Picture1(0).DisplayList();
        ASSERT_FALSE(drawing.empty());
        EXPECT_EQ(drawing.back().color, ui::RGB(255, 0, 0));
        EXPECT_EQ(drawing.back().x2, 575.0f);
        EXPECT_EQ(drawing.back().y2, static_cast<float>(sys::Round(95.4 - 191.0 / 60 * mag[575])));

        d.Option4(0).UserClick();
        EXPECT_TRUE(d.Label9(0).Visible());
        EXPECT_FALSE(d.Label17(0).Visible());
        for (int i = 0; i < 576; ++i) {
            ASSERT_LT(reftest::CircleDistance(s->Graph.EqIn.EqInPhaseTotal[i], phase[i] - 180),
                      0.01)
                << i;
        }
        EXPECT_EQ(d.Picture1(0).DisplayList().back().color, ui::RGB(0, 0, 255));
    });
}

}  // namespace
