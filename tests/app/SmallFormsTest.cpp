#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormLayout.h"
#include "app/FrmImage.h"
#include "app/FrmVersion.h"
#include "app/frmSplash.h"
#include "ui/HeadlessHost.h"

namespace {

using Strings = std::vector<std::string>;

TEST(SmallForms, AboutBoxLayout) {
    ui::HeadlessHost host;
    FrmVersion box(host);
    EXPECT_EQ(box.Caption(), "About");
    EXPECT_EQ(box.Command1.Caption(), "OK");
    EXPECT_EQ(box.Label1.Caption(), "Firmware version");
    EXPECT_EQ(box.Label7.Caption(), "DSP version");
    EXPECT_EQ(box.Label9.Caption(), "Software version");
    EXPECT_EQ(box.Label11.Caption(), "MAC Address:");
    EXPECT_EQ(apptest::LayoutProblems(box), Strings{});
}

TEST(SmallForms, GraphBackgroundsHaveTheGraphSize) {
    ui::HeadlessHost host;
    FrmImage images(host);
    EXPECT_EQ(images.Picture1.Width(), 8655);
    EXPECT_EQ(images.Picture1.Height(), 2895);
    EXPECT_FLOAT_EQ(images.Picture1.ScaleWidth(), 577);
    EXPECT_FLOAT_EQ(images.Picture1.ScaleHeight(), 193);
    EXPECT_FALSE(images.Picture1.DisplayList().empty());
    EXPECT_FALSE(images.Picture2.DisplayList().empty());
    for (const ui::DrawOp& op : images.Picture1.DisplayList()) {
        EXPECT_GE(op.x1, 0);
        EXPECT_LE(op.x2, 577);
        EXPECT_LE(op.y2, 193);
    }
}

TEST(SmallForms, SplashShowsOnlyItsPicture) {
    ui::HeadlessHost host;
    frmSplash splash(host);
    EXPECT_EQ(splash.Picture1.Width(), 7500);
    EXPECT_EQ(splash.Picture1.Height(), 7500);
    EXPECT_EQ(splash.Label1.Caption(), "Searching COM: please wait ");
    EXPECT_EQ(splash.Label2.Caption(), "0");
    EXPECT_EQ(apptest::LayoutProblems(splash), Strings{});
}

}  // namespace
