// The output equaliser of the editor window without a device: typed gain, frequency, Q and
// bandwidth with their clamps, snapping and keys, the refusal of a band too wide for the
// device, band bypass, "Flat Eq", the band markers dragged on the graph and the filter-type
// dialog.
#include <cmath>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "editor/FrmSelFilter.h"
#include "editor/GraphMarkers.h"
#include "editor/LinkedOutputs.h"
#include "model/AddressTables.h"
#include "sys/Numeric.h"

namespace {

class FrmCtrlEq : public EditorFixture {
  protected:
    // Band b's record in the image: type, frequency, Q index, gain index.
    struct Record {
        int type, freq, q, gain;
        bool operator==(const Record&) const = default;
    };
    Record Band(int16_t b) {
        const int a = model::EqOutBandAddr[b];
        return {Image(a), Image(a + 1) * 256 + Image(a + 2), Image(a + 3), Image(a + 4)};
    }
    model::DevParamRecord& Par() { return s->DevParam[kSlot]; }
    // Drags band b's marker so that its corner goes to (left, top) twips, as a person holding
    // the pointer at the marker's centre does.
    static void DragTo(FrmCtrl& f, int16_t b, float left, float top) {
        ui::Label& m = f.Label5(b);
        m.UserMouseMove(ui::vbLeftButton, 0, left - static_cast<float>(m.Left()) + 60,
                        top - static_cast<float>(m.Top()) + 60);
    }
};

TEST_F(FrmCtrlEq, TypedGainFrequencyQAndBandwidthAreClampedAndSnapped) {
    FrmCtrl& f = OpenOn(1);
    struct Case {
        const char* typed;
        const char* shown;
        int32_t slider;
    };
    for (const Case& c : {Case{"13", "12", 0}, Case{"0.3", "0.5", 23}, Case{"0.25", "0", 24},
                          Case{"-20", "-12", 48}, Case{"+4.7", "4.5", 15}}) {
        Enter(f.Text12(2), c.typed);
        EXPECT_EQ(f.Text12(2).Text(), c.shown) << c.typed;
        EXPECT_EQ(f.Slider2(2).Value(), c.slider) << c.typed;
        EXPECT_EQ(Band(2).gain, 48 - c.slider) << c.typed;
        EXPECT_EQ(Par().OutEqGain()[2], 12 - c.slider / 2.0) << c.typed;
    }
    EXPECT_EQ(f.Label100(200).ToolTipText(), "~~~~~~");
    Enter(f.Text12(2), "0");
    EXPECT_EQ(f.Label100(200).ToolTipText(), "Flat");
    EXPECT_TRUE(host.Messages().empty());

    Retype(f.Text12(2), "x");
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "  Incorrect value");
    EXPECT_EQ(f.Text12(2).Text(), "?");
    ExpectIdle();
    host.TakeMessages();

    // Frequencies are clamped to whole hertz.
    Enter(f.Text4(3), "15");
    EXPECT_EQ(f.Text4(3).Text(), "20");
    EXPECT_EQ(Band(3).freq, 20);
    Enter(f.Text4(3), "25000");
    EXPECT_EQ(f.Text4(3).Text(), "20000");
    EXPECT_EQ(Band(3).freq, 20000);
    EXPECT_EQ(Par().OutEqFreq()[3], 20000);
    EXPECT_TRUE(host.Messages().empty());

    for (char key : {'a', '.', '-'}) {
        f.Text4(3).UserKey(key);
        const auto messages = host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, "  Incorrect frequency value");
        EXPECT_EQ(messages[0].title, "Warning");
    }
    EXPECT_EQ(f.Text4(3).Text().substr(0, 3), "???");
    f.Text4(3).UserKey(13);
    EXPECT_EQ(host.TakeMessages().size(), 1u);
    EXPECT_EQ(Band(3).freq, 20000);

    // Q and bandwidth set the Q index.
    struct QCase {
        const char* typed;
        int32_t index;
        const char* q;
    };
    for (const QCase& c : {QCase{"20", 96, "10"}, QCase{"0.3", 0, "0.4"}, QCase{"1.26", 9, "1.3"},
                           QCase{"2.45", 20, "2.4"}}) {
        Enter(f.Text5(0), c.typed);
        EXPECT_EQ(f.UpDown3(0).Value(), c.index) << c.typed;
        EXPECT_EQ(f.Text5(0).Text(), c.q) << c.typed;
        EXPECT_EQ(Band(0).q, c.index) << c.typed;
    }
    // Retyping the Q the band has sends nothing: the arrows' handler does not run.
    const int64_t slept = host.SleptMs();
    Enter(f.Text5(0), "2.4");
    EXPECT_EQ(host.SleptMs(), slept);
    Enter(f.Text5(0), "1.3");
    EXPECT_EQ(host.SleptMs(), slept + 20) << "a Q change pauses after its send";

    Enter(f.Text50(0), "1");
    EXPECT_EQ(f.Text50(0).Text(), "1.00975");
    EXPECT_EQ(f.UpDown3(0).Value(), 10);
    EXPECT_EQ(f.Text5(0).Text(), "1.4");
    Enter(f.Text50(0), "9");
    EXPECT_EQ(f.UpDown3(0).Value(), 0) << "beyond the widest bandwidth: Q 0.4";
    EXPECT_TRUE(host.Messages().empty());

    Retype(f.Text5(0), "k");
    Retype(f.Text50(0), "-");
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) EXPECT_EQ(m.prompt, "  Incorrect Q value");
    EXPECT_EQ(f.Text5(0).Text(), " ") << "a blank takes the refused key's place";

    s->DecimalComma = 1;
    Enter(f.Text5(0), "1.26");
    EXPECT_EQ(f.UpDown3(0).Value(), 9);
    EXPECT_EQ(f.Text5(0).Text(), "1,3");
}

TEST_F(FrmCtrlEq, ABandTooWideForTheDeviceIsRefusedAndPutBack) {
    FrmCtrl& f = OpenOn(1);
    Enter(f.Text5(0), "0.4");
    Enter(f.Text12(0), "6");
    const Record before = Band(0);
    Enter(f.Text4(0), "5000");  // 5000 / 0.4 = 12500 Hz
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Error: Parameter Q non admited. Please change Q or Frequency");
    EXPECT_EQ(messages[0].title, "EQ filter");
    EXPECT_EQ(messages[0].style, ui::vbOKOnly + ui::vbExclamation);
    EXPECT_EQ(Band(0), before);
    EXPECT_EQ(f.Text4(0).Text(), "1000");
    EXPECT_EQ(f.Text12(0).Text(), "6");
    EXPECT_EQ(Par().OutEqFreq()[0], 1000);
    EXPECT_FALSE(s->TxFailed);
    EXPECT_FALSE(s->UiUpdating);

    // At the limit, 4800 / 0.4 = 12000 Hz, the band goes through; a shelf at any width does.
    Enter(f.Text4(0), "4800");
    EXPECT_EQ(Band(0).freq, 4800);
    s->EqOutType[kSlot][0] = 1;
    Enter(f.Text4(0), "20000");
    EXPECT_EQ(Band(0).freq, 20000);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FrmCtrlEq, AFrequencyBoxLeftWithoutANumberDoesNotSwallowTheNextEdit) {
    FrmCtrl& f = OpenOn(2);
    Enter(f.Text4(6), "2500");
    Retype(f.Text4(6), "k");  // refused: the box now holds "?"
    ASSERT_EQ(host.TakeMessages().size(), 1u);
    ASSERT_EQ(f.Text4(6).Text(), "?");

    f.Slider2(6).UserScroll(12);  // +6 dB
    EXPECT_EQ(f.Text4(6).Text(), "2500") << "the band's frequency is put back";
    EXPECT_EQ(Band(6), (Record{0, 2500, 24, 36}));
    EXPECT_EQ(Par().OutEqGain()[6], 6.0);
    EXPECT_EQ(f.Text12(6).Text(), "6");
    EXPECT_NEAR(s->Graph.Curves(kSlot).OutMagTotal[1][400], 6, 0.5) << "and drawn";

    Retype(f.Text4(6), "x");
    host.TakeMessages();
    f.Command6(6).UserClick();
    EXPECT_EQ(Image(model::EqOutFlagAddr[1]), 0x02) << "the bypass the button shows is sent";
    EXPECT_EQ(f.Command6(6).BackColor(), ui::vbRed);
    EXPECT_FALSE(f.Slider2(6).Enabled());
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FrmCtrlEq, BypassFlattensAndLocksTheBand) {
    FrmCtrl& f = OpenOn(2);
    Enter(f.Text12(5), "6");
    f.Command6(5).UserClick();
    EXPECT_EQ(f.Command6(5).BackColor(), ui::vbRed);
    EXPECT_EQ(Image(model::EqOutFlagAddr[1]), 0x01);
    EXPECT_EQ(Band(5).gain, 36) << "the gain travels on";
    EXPECT_EQ(Par().OutEqGain()[5], 0.0);
    EXPECT_EQ(f.Label100(201).ToolTipText(), "Flat");
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{
             &f.Slider2(5), &f.Text4(5), &f.Text12(5), &f.Text5(5), &f.Text50(5), &f.Label5(5),
             &f.UpDown3(5), &f.Command3(5)}) {
        EXPECT_FALSE(c->Enabled()) << c->Path();
    }
    EXPECT_NEAR(s->Graph.Curves(kSlot).OutMagTotal[1][325], 0, 1e-9) << "drawn flat";

    f.Command6(5).UserClick();
    EXPECT_EQ(f.Command6(5).BackColor(), ui::vbButtonFace);
    EXPECT_EQ(Image(model::EqOutFlagAddr[1]), 0);
    EXPECT_EQ(Par().OutEqGain()[5], 6.0);
    EXPECT_TRUE(f.Slider2(5).Enabled());
    EXPECT_TRUE(f.Label5(5).Enabled());
}

TEST_F(FrmCtrlEq, FlatEqAsksThenFlattensTheOutputAndItsLinkedOutputs) {
    FrmCtrl& f = OpenOn(1);
    for (int16_t b : {0, 4, 7, 10, 14}) {
        f.SSTab1.UserSelectTab(static_cast<int16_t>(b / 5 + 1));
        Enter(f.Text12(b), "3");
    }
    f.SSTab1.UserSelectTab(1);
    f.Check13(8).UserClick();
    f.Check13(10).UserClick();
    Enter(f.Text5(4), "0.4");

    host.Answer(ui::vbNo);
    f.Command1(0).UserClick();
    auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "               Are you sure ? ");
    EXPECT_EQ(messages[0].title, "Flat Eq");
    EXPECT_EQ(messages[0].style, ui::vbYesNo);
    EXPECT_EQ(Band(0).gain, 30);

    host.Answer(ui::vbYes);
    f.Command1(0).UserClick();
    for (int16_t b : {0, 4, 10, 14}) {
        EXPECT_EQ(Band(b).gain, 24) << b;
        EXPECT_EQ(f.Slider2(b).Value(), 24) << b;
    }
    EXPECT_EQ(Band(4).q, 0) << "Q, type and frequency stay";
    EXPECT_EQ(Band(7).gain, 30) << "output 1 is not linked";
    EXPECT_EQ(f.MousePointer(), ui::vbDefault);
    ExpectIdle();
}

TEST_F(FrmCtrlEq, DraggingAMarkerFollowsThePointerAndSendsAtTheEnd) {
    FrmCtrl& f = OpenOn(1);
    f.Check3(0).UserClick();
    ui::Label& marker = f.Label5(1);
    EXPECT_EQ(marker.Left(), sys::CLng(editor::MarkerLeft(1000)));
    EXPECT_EQ(marker.Top(), sys::CLng(editor::MarkerTop(0)));
    const Record before = Band(1);

    // A click without a move sends nothing.
    ASSERT_TRUE(marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60));
    marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
    EXPECT_FALSE(s->GraphDrag);
    EXPECT_EQ(Band(1), before);

    marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
    DragTo(f, 1, 5711, 1548.3f);  // 2001.6 Hz, -3.45 dB
    EXPECT_TRUE(s->GraphMoved);
    EXPECT_EQ(f.Text12(1).Text(), "-3.5");
    EXPECT_EQ(f.Slider2(1).Value(), 31);
    EXPECT_EQ(f.Text4(1).Text(), "2001");
    EXPECT_EQ(Par().OutEqGain()[1], -3.5);
    EXPECT_EQ(Par().OutEqFreq()[1], 2001);
    EXPECT_EQ(marker.Left(), 5711);
    EXPECT_EQ(marker.Top(), sys::CLng(editor::MarkerTop(-3.45)));
    EXPECT_EQ(Band(1), before) << "nothing is sent while dragging";
    EXPECT_LT(s->Graph.Curves(kSlot).EqOutBandMag[1][383], -3.4) << "the curve follows";

    marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
    EXPECT_EQ(Band(1), (Record{0, 2001, 24, 17}));
    EXPECT_FALSE(s->GraphDrag);
    EXPECT_FALSE(s->GraphMoved);
    EXPECT_EQ(marker.Top(), sys::CLng(editor::MarkerTop(-3.5)));
    ExpectIdle();

    // Beyond the picture's corners: 20 Hz and +12 dB, 20 kHz and -12 dB.
    marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
    DragTo(f, 1, -5000, -5000);
    EXPECT_EQ(marker.Left(), -60);
    EXPECT_EQ(f.Text4(1).Text(), "20");
    EXPECT_EQ(f.Text12(1).Text(), "12");
    EXPECT_EQ(f.Slider2(1).Value(), 0);
    DragTo(f, 1, 20000, 20000);
    EXPECT_EQ(marker.Left(), 8595);
    EXPECT_EQ(f.Text4(1).Text(), "20000");
    EXPECT_EQ(f.Text12(1).Text(), "-12");
    EXPECT_EQ(f.Slider2(1).Value(), 48);
    marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);
    EXPECT_EQ(Band(1), (Record{0, 20000, 24, 0}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FrmCtrlEq, ADraggedBandTheDeviceRefusesIsPutBackWithItsCurve) {
    FrmCtrl& f = OpenOn(1);
    f.Check3(0).UserClick();
    Enter(f.Text5(2), "0.4");
    ui::Label& marker = f.Label5(2);
    const int32_t left = marker.Left();
    const int32_t top = marker.Top();
    marker.UserMouseDown(ui::vbLeftButton, 0, 60, 60);
    DragTo(f, 2, 7500, 700);  // 8347 Hz, +12 dB: 8347 Hz / 0.4 is too wide
    EXPECT_GT(Par().OutEqFreq()[2], 8000);
    marker.UserMouseUp(ui::vbLeftButton, 0, 60, 60);

    ASSERT_EQ(host.TakeMessages().size(), 1u);
    EXPECT_EQ(Band(2), (Record{0, 1000, 0, 24}));
    EXPECT_EQ(f.Text4(2).Text(), "1000");
    EXPECT_EQ(f.Text12(2).Text(), "0");
    EXPECT_EQ(f.Slider2(2).Value(), 24);
    EXPECT_EQ(Par().OutEqFreq()[2], 1000);
    EXPECT_EQ(Par().OutEqGain()[2], 0);
    EXPECT_EQ(marker.Left(), left);
    EXPECT_EQ(marker.Top(), top);
    for (double db : s->Graph.Curves(kSlot).OutMagTotal[0]) ASSERT_NEAR(db, 0, 1e-9);
}

TEST_F(FrmCtrlEq, TheFilterTypeDialogSetsTheTypeOfTheBand) {
    FrmCtrl& f = OpenOn(3);
    Enter(f.Text12(12), "6");
    bool shown = false;
    host.DriveModal("FrmSelFilter", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmSelFilter&>(form);
        shown = true;
        EXPECT_EQ(d.Caption(), "Select Filter Type");
        EXPECT_EQ(d.Label1.Caption(), "Type Filter 3");
        EXPECT_EQ(d.Combo1.ListIndex(), 0);
        EXPECT_EQ(d.Combo1.List(1), "Hi-Shelv_Q");
        EXPECT_TRUE(s->EditBusy);
        d.Combo1.UserSelect(1);
        d.Command1(0).UserClick();
    });
    f.Command3(12).UserClick();
    ASSERT_TRUE(shown);
    EXPECT_EQ(s->SelFilterBand, 12);
    EXPECT_EQ(s->EqOutType[kSlot][12], 1);
    EXPECT_EQ(f.Command3(12).Caption(), "HiSHF Q");
    EXPECT_EQ(Band(12).type, 1);
    EXPECT_NEAR(s->Graph.Curves(kSlot).OutMagTotal[2][575], 6, 0.05) << "a high shelf";
    EXPECT_FALSE(s->EditBusy);

    host.DriveModal("FrmSelFilter", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmSelFilter&>(form);
        EXPECT_EQ(d.Combo1.ListIndex(), 1);
        d.Combo1.UserSelect(2);
        d.Command1(1).UserClick();
    });
    f.Command3(12).UserClick();
    EXPECT_EQ(s->EqOutType[kSlot][12], 1) << "Cancel changes nothing";
    EXPECT_EQ(f.Command3(12).Caption(), "HiSHF Q");
    EXPECT_EQ(Band(12).type, 1);

    // From the input equaliser editor the dialog names the input's band.
    s->SelFilterMode = 1;
    s->SelFilterBand = 2;
    host.DriveModal("FrmSelFilter", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmSelFilter&>(form);
        EXPECT_EQ(d.Label1.Caption(), "Type Filter 3");
        d.Command1(0).UserClick();
    });
    FrmSelFilter dialog(*s);
    dialog.ShowModal();
    EXPECT_EQ(s->EqOutType[kSlot][2], 0);
    EXPECT_TRUE(host.Problems().empty());
}

TEST_F(FrmCtrlEq, AnEditIsRepeatedOnTheOtherLinkedOutputsInOrder) {
    Open();
    const int64_t opened = host.SleptMs();
    s->OutLinkSet[kSlot] = {0, 1, 0, 1, 1, 0, 0, 0};
    std::vector<int16_t> visited;
    editor::RepeatOnLinkedOutputs(*s, 3, 30, [&](int16_t p) { visited.push_back(p); });
    EXPECT_EQ(visited, (std::vector<int16_t>{1, 4}));
    EXPECT_EQ(host.SleptMs() - opened, 60);

    visited.clear();
    editor::RepeatOnLinkedOutputs(*s, 1, 0, [&](int16_t p) {
        visited.push_back(p);
        s->TxFailed = true;
    });
    EXPECT_EQ(visited, (std::vector<int16_t>{3})) << "stops at the first failed send";
    visited.clear();
    editor::RepeatOnLinkedOutputs(*s, 2, 0, [&](int16_t p) { visited.push_back(p); });
    EXPECT_TRUE(visited.empty()) << "output 2 is not linked";
}

}  // namespace
