// The routing, automatic mixer and ducker controls of the editor window without a device:
// what opening the window loads from the image, the typed level's keys and clamps, the
// priority input rules with the "Confirm" colour, and the two dialogs' mirrors of the window.
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "model/AddressTables.h"
#include "processing/FrmAM.h"
#include "processing/FrmDucker.h"

namespace {

class FrmCtrlRouting : public EditorFixture {
  protected:
    std::vector<std::string> Prompts() {
        std::vector<std::string> prompts;
        for (const auto& m : host.TakeMessages()) prompts.push_back(m.prompt);
        return prompts;
    }
    uint8_t& Route(int k) { return Image(model::RouteAddr[k]); }
};

TEST_F(FrmCtrlRouting, OpeningLoadsTheMatrixMixerAndDuckerFromTheImage) {
    for (int k = 0; k < 64; ++k) Route(k) = k % 9 == 0 ? 30 : 158;  // a diagonal at 0 dB
    Route(1) = 128 + 18;                                            // off at -12 dB
    Route(2) = 5 + 0;                                               // on at -25 dB
    Route(8 * 5 + 3) = 128 + 7;                                     // off at -23 dB
    Image(model::AmActiveAddr) = 1;
    Image(model::DuckPrioAddr) = 0x81;
    s->DevModel[kSlot] = 1;
    FrmCtrl& f = Open();
    for (int16_t k = 0; k < 64; ++k) {
        const bool on = k % 9 == 0 || k == 2;
        EXPECT_EQ(f.Check9(k).Value(), on ? 1 : 0) << k;
        EXPECT_EQ(f.Line1000(k).Visible(), on) << k;
    }
    EXPECT_TRUE(f.Option2(0).Value());
    EXPECT_EQ(f.Text3(0).Text(), "0dB");
    EXPECT_EQ(f.Text3(1).Text(), "-12dB");
    EXPECT_EQ(f.Slider3(2).Value(), 25);
    EXPECT_EQ(f.Text3(3).Text(), "0dB");
    EXPECT_EQ(f.Check7.Value(), 1);
    EXPECT_EQ(f.Check8(0).Value(), 1);
    EXPECT_EQ(f.Check8(7).Value(), 1);
    EXPECT_EQ(f.Check8(3).Value(), 0);
    EXPECT_EQ(f.Command16.BackColor(), ui::vbButtonFace);
    EXPECT_EQ(Route(1), 146) << "nothing of the image changed";
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_FALSE(s->UiUpdating);

    // Choosing an output shows its levels.
    f.SSTab1.UserSelectTab(FrmCtrl::kTabRouting);
    ASSERT_TRUE(f.Option2(5).UserClick());
    EXPECT_EQ(f.Slider3(3).Value(), 23);
    EXPECT_EQ(f.Text3(3).Text(), "-23dB");
    EXPECT_EQ(Route(8 * 5 + 3), 135);
}

TEST_F(FrmCtrlRouting, TypedLevelsAreClampedAndTheirLettersDropped) {
    FrmCtrl& f = OpenOn(FrmCtrl::kTabRouting);
    ASSERT_TRUE(f.Option2(1).UserClick());
    struct Case {
        const char* typed;
        const char* shown;
        int32_t position;
    };
    for (const Case& c : {Case{"5", "0dB", 0}, Case{"-45", "-30dB", 30}, Case{"-12", "-12dB", 12},
                          Case{"+0", "0dB", 0}}) {
        Enter(f.Text3(6), c.typed);
        EXPECT_EQ(f.Text3(6).Text(), c.shown) << c.typed;
        EXPECT_EQ(f.Slider3(6).Value(), c.position) << c.typed;
        EXPECT_EQ(Route(8 + 6) & 127, 30 - c.position) << c.typed;
    }
    EXPECT_TRUE(Prompts().empty());

    ui::TextBox& box = f.Text3(6);
    Retype(box, "-2.5");
    EXPECT_EQ(box.Text(), "-2.5") << "a refused key stays typed";
    EXPECT_EQ(Prompts(), std::vector<std::string>{"  Incorrect value"});
    box.UserKey(13);
    EXPECT_EQ(f.Slider3(6).Value(), 2) << "halves round to even";
    EXPECT_EQ(box.Text(), "-2dB");

    Retype(box, "5-");
    box.UserKey(13);
    EXPECT_EQ(Prompts(), std::vector<std::string>{"  Incorrect value"}) << "5- is no number";
    EXPECT_EQ(f.Slider3(6).Value(), 2) << "nothing changed";
    EXPECT_EQ(Route(8 + 6) & 127, 28);
    ExpectIdle();
}

TEST_F(FrmCtrlRouting, PriorityBoxesTakeAtMostFourAndColourConfirm) {
    Image(model::DuckPrioAddr) = 0;
    s->DevModel[kSlot] = 1;
    FrmCtrl& f = OpenOn(FrmCtrl::kTabOverview);
    ASSERT_TRUE(f.Check8(0).UserClick());
    EXPECT_EQ(f.Command16.BackColor(), ui::vbRed);
    ASSERT_TRUE(f.Check8(0).UserClick());
    EXPECT_EQ(f.Command16.BackColor(), ui::vbButtonFace) << "back to the stored mask";
    for (int16_t i : {1, 3, 5, 7}) ASSERT_TRUE(f.Check8(i).UserClick());
    ASSERT_TRUE(f.Check8(2).UserClick());
    EXPECT_EQ(Prompts(), std::vector<std::string>{"Max input select is 4"});
    EXPECT_EQ(f.Check8(2).Value(), 0);
    ASSERT_TRUE(f.Check8(3).UserClick());
    EXPECT_TRUE(Prompts().empty()) << "clearing a box never shows the message";
    ASSERT_TRUE(f.Check8(2).UserClick());
    EXPECT_EQ(Image(model::DuckPrioAddr), 0) << "nothing is stored before Confirm";
    ASSERT_TRUE(f.Command16.UserClick());
    EXPECT_EQ(Image(model::DuckPrioAddr), 0xA6);
    EXPECT_EQ(f.Command16.BackColor(), ui::vbButtonFace);
    EXPECT_EQ(host.MousePointer(), ui::vbDefault);
    ExpectIdle();
}

TEST_F(FrmCtrlRouting, TheDuckerDialogMirrorsTheWindowsPriorityBoxes) {
    Image(model::DuckPrioAddr) = 0x05;
    Image(model::DuckAddrA) = 0;
    Image(model::DuckAddrB) = 47;
    Image(model::DuckAddrB + 1) = 200;  // damaged: shown at the slider's end
    Image(model::DuckAddrC) = 44;
    Image(model::DuckAddrC + 2) = 50;
    s->DevModel[kSlot] = 1;
    FrmCtrl& f = OpenOn(FrmCtrl::kTabOverview);
    host.DriveModal("FrmDucker", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmDucker&>(form);
        EXPECT_EQ(d.Check8(0).Value(), 1);
        EXPECT_EQ(d.Check8(2).Value(), 1);
        EXPECT_EQ(d.Slider1(0).Value(), 99) << "hold byte 0";
        EXPECT_EQ(d.Text1(0).Text(), "10");
        EXPECT_EQ(d.Slider1(1).Value(), 0) << "release byte 47";
        EXPECT_EQ(d.Text1(1).Text(), "2000");
        EXPECT_EQ(d.Slider1(2).Value(), 0);
        EXPECT_EQ(d.Text1(2).Text(), "2000");
        EXPECT_EQ(d.Text1(3).Text(), "0");
        EXPECT_EQ(d.Text1(5).Text(), "-30");
        EXPECT_EQ(d.Command1.BackColor(), ui::vbButtonFace);
        for (int16_t i : {4, 6}) ASSERT_TRUE(d.Check8(i).UserClick());
        ASSERT_TRUE(d.Check8(7).UserClick());
        EXPECT_EQ(Prompts(), std::vector<std::string>{"Max input select is 4"});
        EXPECT_EQ(d.Check8(7).Value(), 0);
        EXPECT_EQ(f.Check8(7).Value(), 0);
        EXPECT_EQ(d.MousePointer(), ui::vbDefault);
        EXPECT_EQ(host.MousePointer(), ui::vbDefault);
        EXPECT_EQ(d.Command1.BackColor(), ui::vbRed);
        EXPECT_EQ(f.Command16.BackColor(), ui::vbRed);
        const uint8_t before = Image(903);
        ASSERT_TRUE(d.Slider1(4).UserScroll(40));
        EXPECT_EQ(Image(903), before) << "the wake-up slider stores nothing";
        ASSERT_TRUE(d.Command1.UserClick());
        EXPECT_EQ(Image(model::DuckPrioAddr), 0x55);
        EXPECT_EQ(f.Command16.BackColor(), ui::vbButtonFace);
        EXPECT_TRUE(d.Unload());
    });
    ASSERT_TRUE(f.Command15.UserClick());
    EXPECT_TRUE(host.Problems().empty());
    EXPECT_FALSE(s->EditBusy);
}

TEST_F(FrmCtrlRouting, TheAutomixerDialogShowsTheModeAndSendsNothingOnOpening) {
    Image(model::AmModeAddr) = 1;
    Image(model::AmActiveAddr) = 0;
    s->DevModel[kSlot] = 1;
    FrmCtrl& f = OpenOn(FrmCtrl::kTabOverview);
    host.DriveModal("FrmAM", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmAM&>(form);
        EXPECT_TRUE(d.Option1(1).Value()) << "\"Gain Sharing\"";
        EXPECT_EQ(d.Check7.Value(), 0);
        ASSERT_TRUE(d.Slider2(0).UserScroll(40));
        EXPECT_EQ(Image(model::AmModeAddr), 1);
        ASSERT_TRUE(d.Check7.UserClick());
        EXPECT_EQ(f.Check7.Value(), 1);
        EXPECT_EQ(Image(model::AmActiveAddr), 1);
        ASSERT_TRUE(d.Option1(0).UserClick());
        EXPECT_EQ(Image(model::AmModeAddr), 0);
        EXPECT_TRUE(d.Unload());
    });
    ASSERT_TRUE(f.Command14.UserClick());
    EXPECT_TRUE(host.Problems().empty());

    // An unknown mode selects no button.
    Image(model::AmModeAddr) = 7;
    host.DriveModal("FrmAM", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmAM&>(form);
        EXPECT_FALSE(d.Option1(0).Value());
        EXPECT_FALSE(d.Option1(1).Value());
        EXPECT_TRUE(d.Unload());
    });
    ASSERT_TRUE(f.Command14.UserClick());
}

}  // namespace
