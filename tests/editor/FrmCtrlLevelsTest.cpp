// The level group of the editor window without a device: typed levels with their clamps,
// snapping and keys, the "0 dB" and bypass buttons, polarity, mute and the master levels.
#include <string>

#include "EditorFixture.h"
#include "model/AddressTables.h"

namespace {

class FrmCtrlLevels : public EditorFixture {
  protected:
    int Word(int16_t ch) {
        return Image(model::GainAddrHi[ch]) * 256 + Image(model::GainAddrLo[ch]);
    }
};

TEST_F(FrmCtrlLevels, TypedLevelsAreClampedSnappedAndStored) {
    FrmCtrl& f = OpenOn(3);
    struct Case {
        int16_t ch;
        const char* typed;
        const char* shown;
        int32_t position;
    };
    const Case cases[] = {
        {10, "19", "18", 0},      {10, "-200", "-127", 1450}, {10, "2.34", "2.3", 157},
        {10, "2.36", "2.4", 156}, {10, "-6", "-6", 240},      {10, "-9.9", "-9.9", 279},
        {10, "-0.04", "0", 180},
    };
    for (const Case& c : cases) {
        Enter(f.Text1(c.ch), c.typed);
        EXPECT_EQ(f.Text1(c.ch).Text(), c.shown) << c.typed;
        EXPECT_EQ(f.Slider1(c.ch).Value(), c.position) << c.typed;
        EXPECT_EQ(Word(c.ch), 1450 - c.position) << c.typed;
    }
    EXPECT_EQ(f.Label100(242).ToolTipText(), "0 dB");
    EXPECT_TRUE(host.Messages().empty());
    ExpectIdle();

    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    Enter(f.Text1(4), "13");
    EXPECT_EQ(f.Text1(4).Text(), "12");
    EXPECT_EQ(f.Slider1(4).Value(), 0);
    Enter(f.Text1(4), "-200");
    EXPECT_EQ(f.Slider1(4).Value(), 1390);
    EXPECT_EQ(Word(4), 0);

    // The decimal key follows the locale.
    s->DecimalComma = 1;
    f.SSTab1.UserSelectTab(1);
    Enter(f.Text1(8), "-5.5");
    EXPECT_EQ(f.Text1(8).Text(), "-5,5");
    EXPECT_EQ(f.Slider1(8).Value(), 235);
}

TEST_F(FrmCtrlLevels, ALetterIsRefusedWithAQuestionMark) {
    FrmCtrl& f = OpenOn(3);
    const int before = Word(10);
    f.Text1(10).SetSelection(0, static_cast<int32_t>(f.Text1(10).Text().size()));
    f.Text1(10).UserKey('a');
    auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "  Incorrect value");
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(messages[0].style, ui::vbOKOnly);
    EXPECT_EQ(f.Text1(10).Text(), "?");
    // Enter on that text refuses again and sends nothing.
    f.Text1(10).UserKey(13);
    EXPECT_EQ(host.TakeMessages().size(), 1u);
    EXPECT_EQ(f.Text1(10).Text(), "??");
    EXPECT_EQ(Word(10), before);
    ExpectIdle();
    // '+' is no key of a level box either.
    f.Text1(10).UserKey('+');
    EXPECT_EQ(host.TakeMessages().size(), 1u);

    // Keys while the controls are filled are left alone.
    s->UiUpdating = true;
    f.Text1(8).UserKey('x');
    f.Slider1(8).UserScroll(100);
    f.Command90(8).UserClick();
    s->UiUpdating = false;
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_EQ(Word(8), 1270);
    EXPECT_EQ(s->GainBypass[kSlot][8], 0);
}

TEST_F(FrmCtrlLevels, SliderZeroDbAndBypass) {
    FrmCtrl& f = OpenOn(2);
    f.Slider1(9).UserScroll(300);
    EXPECT_EQ(Word(9), 1150);
    EXPECT_EQ(f.Text1(9).Text(), "-12");
    EXPECT_EQ(s->DevParam[kSlot].ChLevelDb()[9], -12.0);
    f.Command12(9).UserClick();
    EXPECT_EQ(f.Slider1(9).Value(), 180);
    EXPECT_EQ(Word(9), 1270);
    EXPECT_EQ(f.MousePointer(), ui::vbDefault);

    f.Command90(9).UserClick();
    EXPECT_EQ(s->GainBypass[kSlot][9], 1);
    EXPECT_EQ(Image(model::ChFlagAddrOut), 0x02);
    EXPECT_EQ(f.Command90(9).BackColor(), ui::vbRed);
    f.Command90(9).UserClick();
    EXPECT_EQ(s->GainBypass[kSlot][9], 0);
    EXPECT_EQ(Image(model::ChFlagAddrOut), 0);
    EXPECT_EQ(f.Command90(9).BackColor(), ui::vbButtonFace);

    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    f.Command12(2).UserClick();
    EXPECT_EQ(f.Slider1(2).Value(), 120);
    EXPECT_EQ(f.Label100(2).ToolTipText(), "0 dB");
}

TEST_F(FrmCtrlLevels, PolarityAndMuteRebuildTheirGroupBytes) {
    FrmCtrl& f = OpenOn(4);
    f.Check2(11).UserClick();
    EXPECT_EQ(Image(model::PolarityAddr[1]), 0x08);
    EXPECT_EQ(f.Label100(263).Caption(), "180'");
    EXPECT_EQ(s->DevParam[kSlot].PolarityFlag()[11], 1.0);
    f.Check2(11).UserClick();
    EXPECT_EQ(f.Label100(263).Caption(), "0'");

    f.Check1(11).UserClick();
    EXPECT_EQ(Image(model::MuteAddr[1]), 0x08);
    EXPECT_TRUE(f.Line6(11).Visible());
    EXPECT_TRUE(f.Line7(11).Visible());
    f.Check1(11).UserClick();
    EXPECT_FALSE(f.Line6(11).Visible());

    f.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    f.Check2(5).UserClick();
    EXPECT_EQ(Image(model::PolarityAddr[0]), 0x20);
    EXPECT_EQ(f.Label100(257).Caption(), "Limiter");
    EXPECT_TRUE(s->OpDone);
}

TEST_F(FrmCtrlLevels, MasterLevelsTakeTypedValues) {
    FrmCtrl& f = OpenOn(FrmCtrl::kTabInputs);
    Enter(f.Text100(1), "5");
    EXPECT_EQ(f.Text100(1).Text(), "0");
    EXPECT_EQ(f.Slider100(1).Value(), 1270);
    Enter(f.Text100(1), "-12.34");
    EXPECT_EQ(f.Text100(1).Text(), "-12.3");
    EXPECT_EQ(f.Slider100(1).Value(), 1147);
    EXPECT_EQ(Image(466) * 256 + Image(467), 1147);
    EXPECT_EQ(s->DevParam[kSlot].MasterLevel()[1], -12.3);

    Enter(f.Text100(0), "150");
    EXPECT_EQ(f.Text100(0).Text(), "100");
    EXPECT_EQ(Image(464), 0);
    EXPECT_EQ(Image(465), 100);
    EXPECT_TRUE(host.Messages().empty());
    f.Text100(0).UserKey('.');
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "  Incorrect value");

    f.Slider100(0).UserScroll(40);
    EXPECT_EQ(f.Text100(0).Text(), "40");
    EXPECT_EQ(Image(465), 40);
    EXPECT_FALSE(s->EditBusy);
}

}  // namespace
