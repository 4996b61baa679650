// The delay, compressor and limiter controls of the editor window without a device: the keys
// each box takes, their messages, the clamps and snapping of typed values, and what an image
// loads into them.
#include <string>

#include "EditorFixture.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "model/AddressTables.h"

namespace {

class FrmCtrlDynamics : public EditorFixture {
  protected:
    // The delay shown in milliseconds (a new device shows metres).
    void InMilliseconds() { s->DevImage[kSlot].DevExtra[17] = 0; }
};

TEST_F(FrmCtrlDynamics, TheDelayBoxAndArrows) {
    InMilliseconds();
    FrmCtrl& f = OpenOn(1);
    Retype(f.Text2(0), "12-a,5");
    EXPECT_EQ(f.Text2(0).Text(), "12  .5");
    f.Text2(0).UserKey(13);
    EXPECT_EQ(f.Text2(0).Text(), "12");
    EXPECT_EQ(f.UpDown2(0).Value(), 12);
    EXPECT_EQ(f.UpDown1(0).Value(), 0);

    // Nothing to read: the message, and Enter does not become "?".
    Retype(f.Text2(0), "   ");
    f.Text2(0).UserKey(13);
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "  Incorrect value");
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(f.Text2(0).Text(), "   ");
    EXPECT_EQ(f.UpDown2(0).Value(), 12);
    ExpectIdle();

    // The arrows write the delay and the graph counts it.
    f.SSTab1.UserSelectTab(2);
    f.UpDown2(1).UserUp();
    for (int k = 0; k < 40; ++k) f.UpDown1(1).UserUp();
    EXPECT_EQ(f.Text2(1).Text(), "1.832");
    EXPECT_EQ(Image(model::DelayAddr[1] + 2), 40);
    EXPECT_EQ(s->OutDelaySamples[kSlot][1], 88);
    EXPECT_EQ(f.Label100(221).Caption(), "1.832 ms");
}

TEST_F(FrmCtrlDynamics, BoxKeysTheirMessagesAndTheClampsOfTypedValues) {
    FrmCtrl& f = OpenOn(1);
    // The ratio box refuses a decimal with the message, then takes it as typed.
    f.Text401(0).SetSelection(0, 10);
    f.Text401(0).UserKey('4');
    f.Text401(0).UserKey('.');
    EXPECT_EQ(host.TakeMessages().size(), 1u);
    EXPECT_EQ(f.Text401(0).Text(), "4.");
    // Enter on a ratio that is no number: the message, and the text stays as typed.
    const int32_t ratio = f.Slider401(0).Value();
    f.Text401(0).SetSelection(0, 10);
    f.Text401(0).UserKey('x');
    f.Text401(0).UserKey(13);
    EXPECT_EQ(host.TakeMessages().size(), 2u);
    EXPECT_EQ(f.Text401(0).Text(), "x");
    EXPECT_EQ(f.Slider401(0).Value(), ratio);
    ExpectIdle();
    // The knee box refuses it and shows "?".
    f.Text402(0).SetSelection(0, 10);
    f.Text402(0).UserKey(',');
    EXPECT_EQ(host.TakeMessages().size(), 1u);
    EXPECT_EQ(f.Text402(0).Text(), "?");
    // Thresholds take a sign and a decimal; an empty box is refused on Enter.
    Retype(f.Text9(0), "-2,4");
    EXPECT_EQ(f.Text9(0).Text(), "-2.4");
    f.Text9(0).UserKey(13);
    EXPECT_EQ(f.Slider4(0).Value(), 102);
    EXPECT_EQ(f.Text9(0).Text(), "-2.4");
    EXPECT_TRUE(host.Messages().empty());

    // Typed values are clamped and snapped.
    Enter(f.Text400(0), "-40");
    EXPECT_EQ(f.Slider400(0).Value(), 240);
    EXPECT_EQ(Image(model::CompAddr[0]), 0);
    Enter(f.Text401(0), "-3");
    EXPECT_EQ(f.Text401(0).Text(), "1:1");
    Enter(f.Text401(0), "40");
    EXPECT_EQ(f.Slider401(0).Value(), 0);
    Enter(f.Text402(0), "-5");
    EXPECT_EQ(f.Slider402(0).Value(), 100);
    Enter(f.Text403(0), "9");
    EXPECT_EQ(f.Text403(0).Text(), "3.0");
    EXPECT_EQ(f.Slider403(0).Value(), 0);
    Enter(f.Text404(0), "35");
    EXPECT_EQ(f.Text404(0).Text(), "30") << "halfway: the lower entry, as the snapping rule has it";
    Enter(f.Text10(0), "0");
    EXPECT_EQ(f.Slider5(0).Value(), 29);
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FrmCtrlDynamics, AnImageLoadsTheDelayAndTheDynamics) {
    Image(model::DelayAddr[3]) = 1;
    Image(model::DelayAddr[3] + 1) = 44;
    Image(model::DelayAddr[3] + 2) = 24;
    Image(model::DelayBypAddr) = 0x09;
    Image(model::CompBypAddr) = 0x20;
    Image(model::LimBypAddr) = 0x80;
    Image(model::CompAddr[5]) = 99;
    Image(model::CompAddr[5] + 1) = 3;
    Image(model::CompAddr[5] + 2) = 200;  // beyond the knee's range
    Image(model::LimAddr[6] + 2) = 149;
    s->DevImage[kSlot].DevExtra[17] = 1;
    FrmCtrl& f = Open();
    EXPECT_EQ(f.UpDown2(3).Value(), 300);
    EXPECT_EQ(f.UpDown1(3).Value(), 24);
    EXPECT_TRUE(f.Option1(1).Value());
    EXPECT_EQ(f.Frame3(3).Caption(), "Delay [ m ]");
    EXPECT_EQ(f.Text2(3).Text(), "102.16");  // 300.499 ms
    EXPECT_EQ(f.Label100(223).Caption(), "102.16 m");
    EXPECT_EQ(f.Command8(0).BackColor(), ui::vbRed);
    EXPECT_EQ(f.Command8(3).BackColor(), ui::vbRed);
    EXPECT_EQ(s->OutDelaySamples[kSlot][3], 0);
    EXPECT_EQ(f.Text400(5).Text(), "-10.2");
    EXPECT_EQ(f.Text401(5).Text(), "4:1");
    EXPECT_EQ(f.Text402(5).Text(), "100");
    EXPECT_EQ(f.Label100(235).ToolTipText(), "Threshold=-10.2dBu - Ratio=4:1");
    EXPECT_EQ(f.Command5(5).BackColor(), ui::vbRed);
    EXPECT_EQ(f.Text9(6).Text(), "-0.2");
    EXPECT_EQ(f.Label100(256).ToolTipText(), "-0.2 dBu");
    EXPECT_EQ(f.Command7(7).BackColor(), ui::vbRed);
    EXPECT_EQ(f.Command7(6).BackColor(), ui::vbButtonFace);
}

}  // namespace
