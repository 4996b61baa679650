// The device editor window shown by the Qt front end: every text fits its widget on every
// tab, and pictures of the "Overview", "Output1", "Inputs" and "Routing" tabs are saved, one
// of "Output1" with a boosted band, a crossover pair and the band markers, one of "Output2"
// muted with its delay and dynamics set, and one of the compressor and limiter dialog.
#include <gtest/gtest.h>

#include "GuiFixture.h"
#include "editor/FrmCtrl.h"
#include "editor/FrmEditLabel.h"
#include "editor/FrmSelFilter.h"
#include "editor/senders/StereoPairs.h"
#include "processing/FrmLimiter.h"
#include "processing/FrmNG.h"
#include "support/Typing.h"

namespace guitest {
namespace {

using testsupport::Enter;

class EditorWindow : public EditorFixture {
  protected:
    void SetUp() override {
        EditorFixture::SetUp();
        s->DevModel[kSlot] = 1;  // with the automatic mixer and the ducker
        OpenEditor();
    }
};

TEST_F(EditorWindow, FixedSizeTextsThatFitAndPicturesOfTheTabs) {
    EXPECT_EQ(host.WindowOf(*f)->Surface()->size(), QSize(15735 / 15, 9555 / 15));
    ExpectTextsFit(host, *f);
    ShootTab(FrmCtrl::kTabOverview, "editor-overview");
    ShootTab(1, "editor-output1");
    ShootTab(FrmCtrl::kTabInputs, "editor-inputs");
    ShootTab(FrmCtrl::kTabRouting, "editor-routing");
}

TEST_F(EditorWindow, Output1WithABoostedBandAndACrossoverPair) {
    f->SSTab1.UserSelectTab(1);
    Enter(f->Text4(1), "2500");
    Enter(f->Text12(1), "9");
    Enter(f->Text5(1), "1.5");
    Enter(f->Text4(3), "400");
    Enter(f->Text12(3), "-4.5");
    Enter(f->Text8(0), "80");
    f->Combo2(0).UserSelect(7);  // "LRiley -24dB"
    Enter(f->Text8(1), "12000");
    f->Combo2(1).UserSelect(6);  // "Buttw -24dB"
    f->Check3(0).UserClick();    // the band markers
    ASSERT_EQ(f->Slider2(1).Value(), 6);
    ASSERT_TRUE(f->Label5(1).Visible());
    const auto& drawing = f->Picture1(0).DisplayList();
    ASSERT_GT(drawing.size(), 576u);
    EXPECT_EQ(drawing.back().x2, 575.0f) << "the whole curve is drawn";
    ShootTab(1, "editor-output1-response");
    ExpectTextsFit(host, *f);
    f->Option4(0).UserClick();
    EXPECT_TRUE(f->Label9(0).Visible());
    ShootTab(1, "editor-output1-phase");
}

TEST_F(EditorWindow, AnOutputTabWithDelayAndDynamicsSet) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    f->Option1(0).UserClick();  // delays in milliseconds
    f->SSTab1.UserSelectTab(2);
    Enter(f->Text2(1), "12.5");
    f->Command8(1).UserClick();
    f->Check1(9).UserClick();  // muted
    Enter(f->Text400(1), "-10");
    Enter(f->Text401(1), "4");
    Enter(f->Text402(1), "50");
    Enter(f->Text403(1), "1.2");
    Enter(f->Text404(1), "40");
    f->Command5(1).UserClick();
    Enter(f->Text9(1), "6");
    Enter(f->Text10(1), "0.5");
    Enter(f->Text11(1), "10");
    ASSERT_EQ(f->Text2(1).Text(), "12.499");
    SettleEvents();
    ExpectTextsFit(host, *f);
    ExpectPicture(host, *f, "editor-output2-dynamics");
}

TEST_F(EditorWindow, TheDialogWithAKneeCurve) {
    s->UiUpdating = true;
    f->Slider400(0).SetValue(140);  // -10 dBu
    f->Slider401(0).SetValue(29);   // 3:1
    f->Slider402(0).SetValue(50);   // knee 50 %
    f->Slider4(0).SetValue(60);     // +6 dBu
    s->UiUpdating = false;
    s->LimOutCh = 0;
    FrmLimiter dialog(*s);
    ShootDialog(host, dialog, "compressor-limiter");
    EXPECT_EQ(dialog.Caption(), "RMS Compressor & Peak Limiter - Output 1");
}

TEST_F(EditorWindow, TheFilterTypeDialogFitsItsTexts) {
    s->SelFilterBand = 12;
    FrmSelFilter dialog(*s);
    dialog.Load();
    EXPECT_EQ(dialog.Label1.Caption(), "Type Filter 3");
    ShootDialog(host, dialog, "select-filter-type");
}

TEST_F(EditorWindow, TheInputsTabWithAStereoPair) {
    f->SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    f->Combo5(0).UserSelect(1);
    f->Combo5(1).UserSelect(1);
    f->Combo9(0).UserSelect(1);
    f->Check5(1).UserClick();
    s->ChName[kSlot][0] = "Vocal";
    s->UiUpdating = true;
    f->Check11(0).SetValue(1);
    s->UiUpdating = false;
    ModFun::SendStereoMode(*s, 0);
    ASSERT_EQ(f->Frame17(1).Caption(), "Voc-R");
    ASSERT_FALSE(f->Combo5(1).Enabled());
    ExpectTextsFit(host, *f);
    ShootTab(FrmCtrl::kTabInputs, "editor-inputs-stereo");
}

TEST_F(EditorWindow, TheNameEditorAndTheNoiseGateEditor) {
    s->InPairLink[kSlot][1] = true;
    FrmEditLabel names(*s);
    names.Load();
    ASSERT_FALSE(names.Text1(3).Enabled());
    ShootDialog(host, names, "edit-names");

    s->CurInCh = 2;
    FrmNG gate(*s);
    gate.Load();
    ASSERT_EQ(gate.Caption().rfind("Noise Gate - Inp3", 0), 0u);
    ShootDialog(host, gate, "noise-gate");
}

}  // namespace
}  // namespace guitest
