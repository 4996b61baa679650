#include <gtest/gtest.h>

#include "TestForm.h"
#include "ui/HeadlessHost.h"

namespace {

TEST(PictureBox, KeepsWhatIsDrawnAsADisplayList) {
    ui::HeadlessHost host;
    uitest::TestForm f(host);
    auto& p = f.Picture1;
    p.Move(0, 0, 8655, 2895);
    EXPECT_FLOAT_EQ(p.ScaleWidth(), 577.0f);
    EXPECT_FLOAT_EQ(p.ScaleHeight(), 193.0f);
    p.SetDrawWidth(2);
    p.SetForeColor(ui::RGB(255, 0, 0));
    p.MoveTo(-10, 96);
    p.LineTo(0, 90);
    p.LineTo(1, 91);
    p.SetCurrentXY(5, 6);
    p.Print("+180");
    ASSERT_EQ(p.DisplayList().size(), 3u);
    const auto& first = p.DisplayList()[0];
    EXPECT_EQ(first.x1, -10);
    EXPECT_EQ(first.y1, 96);
    EXPECT_EQ(first.x2, 0);
    EXPECT_EQ(first.color, ui::vbRed);
    EXPECT_EQ(first.width, 2);
    EXPECT_EQ(p.DisplayList()[1].x1, 0) << "each LineTo starts where the pen was";
    EXPECT_EQ(p.DisplayList()[2].text, "+180");
    p.Cls();
    EXPECT_TRUE(p.DisplayList().empty());
}

TEST(PictureBox, PaintPictureScalesTheSourceDrawing) {
    ui::HeadlessHost host;
    uitest::TestForm f(host);
    ui::PictureBox source(f, "Source");
    source.Move(0, 0, 1500, 1500);
    source.Line(0, 0, 100, 50, ui::vbBlue);
    f.Picture1.Move(0, 0, 3000, 3000);
    f.Picture1.PaintPicture(source, 10, 20, 200, 200);
    ASSERT_EQ(f.Picture1.DisplayList().size(), 1u);
    const auto& op = f.Picture1.DisplayList()[0];
    EXPECT_EQ(op.x1, 10);
    EXPECT_EQ(op.y1, 20);
    EXPECT_EQ(op.x2, 210);
    EXPECT_EQ(op.y2, 120);
}

}  // namespace
