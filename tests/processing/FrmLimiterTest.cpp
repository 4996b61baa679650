// The compressor and limiter dialog without a device: what it takes from the editor window,
// its typed entries, readout, transfer curves, meters of an offline device and closing.
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "../editor/EditorFixture.h"
#include "model/AddressTables.h"
#include "processing/FrmLimiter.h"

namespace {

class FrmLimiterTest : public EditorFixture {
  protected:
    // The dialog of output o, shown (not modally) over the slot's editor.
    FrmLimiter& Dialog(int16_t o) {
        Open();
        s->CurDev = kSlot;
        s->LimOutCh = o;
        dialog = std::make_unique<FrmLimiter>(*s);
        dialog->Show();
        return *dialog;
    }
    // Input level in dBu of picture x in pixels.
    double InputAt(float px) const { return (px * 15 - dialog->MidX) / dialog->DbStepX; }
    double OutputAt(float py) const { return (dialog->MidY - py * 15) / dialog->DbStepY; }
    // The blue chord across the knee region, when one is drawn.
    std::optional<ui::DrawOp> Chord() const {
        for (const auto& op : dialog->Picture2.DisplayList()) {
            if (op.type == ui::DrawOp::Type::Line && op.color == ui::vbBlue) return op;
        }
        return std::nullopt;
    }
    // The blue curve's output level at input level db.
    double BlueOutputAt(double db) const {
        const float px = static_cast<float>((dialog->MidX + db * dialog->DbStepX) / 15);
        const ui::DrawOp* best = nullptr;
        for (const auto& op : dialog->Picture2.DisplayList()) {
            if (op.type != ui::DrawOp::Type::Point || op.color != ui::vbBlue) continue;
            if (best == nullptr || std::abs(op.x1 - px) < std::abs(best->x1 - px)) best = &op;
        }
        return best == nullptr ? 1e9 : OutputAt(best->y1);
    }
    std::unique_ptr<FrmLimiter> dialog;
};

TEST_F(FrmLimiterTest, LoadsTheOutputFromTheEditorWindow) {
    FrmCtrl& f = Open();
    s->UiUpdating = true;
    f.Slider4(7).SetValue(90);
    f.Slider402(7).SetValue(30);
    s->UiUpdating = false;
    s->LimByp[kSlot][7] = 1;
    FrmLimiter& d = Dialog(7);
    EXPECT_EQ(d.Caption(), "RMS Compressor & Peak Limiter - Output 8");
    EXPECT_EQ(d.Slider4.Value(), 90);
    EXPECT_EQ(d.Text9.Text(), "0");
    EXPECT_EQ(d.Label4.Caption(), "Thr = 0 dBu = 1.095 Vp");
    EXPECT_EQ(d.Text402.Text(), "70");
    EXPECT_EQ(d.LimBypTmp, 1);
    EXPECT_EQ(d.Command7.BackColor(), ui::vbRed);
    // Bypassed: the plain diagonal.
    EXPECT_EQ((std::array{d.Line1.X1(), d.Line1.Y1(), d.Line1.X2(), d.Line1.Y2()}),
              (std::array<ui::Twips, 4>{0, 3375, 3375, 0}));
    EXPECT_EQ(d.Line2.X1(), d.Line2.X2());
    EXPECT_EQ(d.Timer1.Interval(), 300);
    EXPECT_TRUE(d.Timer1.TimerEnabled());
}

TEST_F(FrmLimiterTest, ReadoutAndLimiterCurve) {
    FrmLimiter& d = Dialog(0);
    Enter(d.Text9, "18");
    EXPECT_EQ(d.Label4.Caption(), "Thr = 18 dBu = 8.701 Vp");
    Enter(d.Text9, "-45");
    EXPECT_EQ(d.Text9.Text(), "-30");
    EXPECT_EQ(d.Slider4.Value(), 240);
    EXPECT_EQ(Image(model::LimAddr[0] + 2), 0);
    EXPECT_EQ(d.Label4.Caption(), "Thr = -30 dBu = 0.034 Vp");
    EXPECT_EQ((std::array{d.Line1.X2(), d.Line1.Y2(), d.Line2.X2(), d.Line2.Y2()}),
              (std::array<ui::Twips, 4>{422, 2953, 3375, 2953}));
    d.Slider4.UserScroll(1);  // +17.8
    EXPECT_EQ(d.Line1.X2(), static_cast<ui::Twips>(std::lround(1687.5 + 17.8 * 42.1875)));
    d.Command7.UserClick();
    EXPECT_EQ(d.Line1.X2(), 3375) << "bypassed";
    d.Slider4.UserScroll(30);
    EXPECT_EQ(d.Line1.X2(), 3375);
    EXPECT_EQ(Image(model::LimAddr[0] + 2), 210) << "the threshold is still sent";
    d.Command7.UserClick();
    EXPECT_EQ(s->LimByp[kSlot][0], 0);
    EXPECT_EQ(d.Line1.X2(), static_cast<ui::Twips>(std::lround(1687.5 + 12 * 42.1875)));
}

TEST_F(FrmLimiterTest, TheKneeChordAndTheSlopeAboveTheThreshold) {
    FrmLimiter& d = Dialog(1);
    Enter(d.Text400, "-10");
    Enter(d.Text401, "2");
    Enter(d.Text402, "49.5");  // halves to even: 50 %
    EXPECT_EQ(d.Text402.Text(), "50");
    const auto chord = Chord();
    ASSERT_TRUE(chord.has_value());
    EXPECT_NEAR(InputAt(chord->x1), -13.06, 0.03);
    EXPECT_NEAR(InputAt(chord->x2), -6.94, 0.03);
    EXPECT_NEAR(OutputAt(chord->y1), -13.06, 0.03);
    EXPECT_NEAR(OutputAt(chord->y2), -10 + 3.06 / 2, 0.03);
    EXPECT_NEAR(BlueOutputAt(30), 10, 0.1);
    EXPECT_NEAR(BlueOutputAt(-30), -30, 0.1);

    Enter(d.Text402, "0");
    const auto hard = Chord();
    ASSERT_TRUE(hard.has_value());
    EXPECT_LT(InputAt(hard->x2) - InputAt(hard->x1), 0.2) << "+-0.06 dB";
    EXPECT_NEAR(BlueOutputAt(30), 10, 0.1);

    d.Command5.UserClick();
    EXPECT_EQ(s->CompByp[kSlot][1], 1);
    EXPECT_EQ(Image(model::CompBypAddr), 2);
    EXPECT_NEAR(BlueOutputAt(30), 30, 0.1) << "bypassed: the diagonal";
    EXPECT_FALSE(Chord().has_value());
}

TEST_F(FrmLimiterTest, TypedEntriesSnapAndReachTheEditorWindow) {
    FrmLimiter& d = Dialog(4);
    FrmCtrl& f = *ExistingFrmCtrl(*s, kSlot);
    Enter(d.Text401, "4");
    d.Text401.UserKey(13);  // Enter on the shown "4:1"
    EXPECT_EQ(d.Slider401.Value(), 28);
    EXPECT_EQ(d.Text401.Text(), "4:1");
    EXPECT_EQ(Image(model::CompAddr[4] + 1), 3);
    Enter(d.Text401, "40");
    EXPECT_EQ(d.Text401.Text(), "32:1");
    Enter(d.Text401, "0");
    EXPECT_EQ(d.Text401.Text(), "1:1");
    Enter(d.Text402, "100.6");
    EXPECT_EQ(d.Text402.Text(), "100");
    Enter(d.Text402, "51.5");
    EXPECT_EQ(d.Text402.Text(), "52");
    Enter(d.Text403, "1.04");
    EXPECT_EQ(d.Text403.Text(), "1.0");
    EXPECT_EQ(d.Slider403.Value(), 20);
    Enter(d.Text404, "22");
    EXPECT_EQ(d.Text404.Text(), "20");
    Enter(d.Text11, "1000");
    EXPECT_EQ(d.Text11.Text(), "200");
    EXPECT_EQ(f.Slider402(4).Value(), 48);
    EXPECT_EQ(f.Text403(4).Text(), "1.0");
    EXPECT_EQ(f.Slider6(4).Value(), 0);
    EXPECT_EQ(f.Text11(4).Text(), "200");
    EXPECT_TRUE(host.Messages().empty());

    // Keys: a letter is dropped, the ratio takes no decimals, a box without a number.
    const std::string threshold = d.Text400.Text();
    d.Text400.UserKey('x');
    EXPECT_EQ(d.Text400.Text(), threshold);
    d.Text401.SetSelection(0, 10);
    d.Text401.UserType("3.5");
    EXPECT_EQ(d.Text401.Text(), "35");
    d.Text400.SetSelection(0, 10);
    d.Text400.UserKey(ui::vbKeyBack);
    d.Text400.UserKey(13);
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "  Incorrect value");
    EXPECT_EQ(messages[0].title, "Warning");
    EXPECT_EQ(d.Text400.Text(), "?");
}

TEST_F(FrmLimiterTest, ADecimalCommaLocale) {
    s->DecimalComma = 1;
    FrmLimiter& d = Dialog(0);
    d.Text9.SetSelection(0, 10);
    d.Text9.UserType("-12.4");
    EXPECT_EQ(d.Text9.Text(), "-12,4");
    d.Text9.UserKey(13);
    EXPECT_EQ(d.Label4.Caption(), "Thr = -12,4 dBu = 0,262 Vp");
    Enter(d.Text10, "2,5");
    EXPECT_EQ(d.Text10.Text(), "2,5");
}

TEST_F(FrmLimiterTest, AnOfflineDevicesMetersRestAndClosingWaitsForTheSend) {
    FrmLimiter& d = Dialog(2);
    host.Advance(300);
    EXPECT_EQ(d.Label8.Caption(), "0");
    EXPECT_EQ(d.Label6.Height(), 15);
    EXPECT_EQ(d.Timer1.Interval(), 500);
    host.Advance(500);
    EXPECT_EQ(d.Label5.Caption(), "0");
    EXPECT_EQ(d.Label7.Height(), 15);

    s->OpDone = false;
    EXPECT_FALSE(d.UserClose());
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].prompt, "Please wait the last requested operation to be accomplished");
    EXPECT_EQ(messages[0].title, "Close window");
    s->OpDone = true;
    EXPECT_TRUE(d.UserClose());
    EXPECT_FALSE(d.Timer1.TimerEnabled());
}

}  // namespace
