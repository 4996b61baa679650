// The crossover filters of the editor window without a device: the typed corner frequency
// with its clamps and keys, the type list, the summary on the overview and the repeat on the
// linked outputs.
#include <string>

#include "EditorFixture.h"
#include "model/AddressTables.h"

namespace {

class FrmCtrlXover : public EditorFixture {
  protected:
    // Filter n's image bytes: frequency and type.
    std::pair<int, int> Filter(int16_t n) {
        const int a = model::XoverAddr[n];
        return {Image(a) * 256 + Image(a + 1), Image(a + 2)};
    }
};

TEST_F(FrmCtrlXover, TypedFrequenciesAreClampedAndAChosenTypeIsSummedUpOnTheOverview) {
    FrmCtrl& f = OpenOn(3);
    Enter(f.Text8(5), "10");
    EXPECT_EQ(f.Text8(5).Text(), "20");
    EXPECT_EQ(Filter(5), (std::pair{20, 0}));
    Enter(f.Text8(5), "30000");
    EXPECT_EQ(f.Text8(5).Text(), "20000");
    EXPECT_EQ(Image(151), 0x4E);
    EXPECT_EQ(Image(152), 0x20);
    Enter(f.Text8(5), "3000");
    EXPECT_EQ(s->DevParam[kSlot].XoverFreq()[5], 3000);
    EXPECT_TRUE(host.Messages().empty());

    f.Text8(5).SetSelection(0, 4);
    f.Text8(5).UserKey('k');
    f.Text8(5).UserKey(13);
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.prompt, "  Incorrect f value");
        EXPECT_EQ(m.title, "Warning");
    }
    EXPECT_EQ(f.Text8(5).Text(), "??");
    EXPECT_EQ(Filter(5).first, 3000);
    ExpectIdle();

    // A chosen type takes the box clamped and is summed up on the overview.
    f.Text8(5).SetSelection(0, 5);
    f.Text8(5).UserType("25000");  // typed, not confirmed
    f.Combo2(5).UserSelect(7);
    EXPECT_EQ(f.Text8(5).Text(), "20000");
    EXPECT_EQ(Filter(5), (std::pair{20000, 7}));
    EXPECT_EQ(s->DevParam[kSlot].XoverType()[5], 7);
    EXPECT_EQ(f.Label100(212).ToolTipText(), "HP: 20 Hz,    Bypass -- LP: 20000 Hz, LRiley -24dB");
    EXPECT_NEAR(s->Graph.Curves(kSlot).XoverMag[5][575], -6.0206, 1e-3) << "drawn at once";

    // "   Bypass" keeps the frequency.
    f.Combo2(5).UserSelect(0);
    EXPECT_EQ(Filter(5), (std::pair{20000, 0}));
    for (double db : s->Graph.Curves(kSlot).XoverMag[5]) ASSERT_EQ(db, 0.0);

    // A box that holds no number gets the last frequency back when a type is chosen.
    f.Text8(4).SetSelection(0, 2);
    f.Text8(4).UserKey('?');
    host.TakeMessages();
    f.Combo2(4).UserSelect(1);
    EXPECT_EQ(f.Text8(4).Text(), "20");
    EXPECT_EQ(Filter(4), (std::pair{20, 1}));
    EXPECT_TRUE(host.Messages().empty());
}

TEST_F(FrmCtrlXover, OnLinkedOutputsAChosenTypeWaitsBeforeEachRepeat) {
    FrmCtrl& f = OpenOn(1);
    f.Check13(8).UserClick();
    f.Check13(10).UserClick();
    f.Check13(13).UserClick();
    int64_t slept = host.SleptMs();
    f.Combo2(1).UserSelect(2);
    EXPECT_EQ(host.SleptMs(), slept + 60) << "30 ms before each of outputs 2 and 5";
    slept = host.SleptMs();
    Enter(f.Text8(1), "5000");
    EXPECT_EQ(host.SleptMs(), slept) << "a typed frequency repeats at once";

    f.Check13(8).UserClick();
    slept = host.SleptMs();
    f.Combo2(1).UserSelect(3);
    EXPECT_EQ(host.SleptMs(), slept) << "output 0 left the link set";
}

}  // namespace
