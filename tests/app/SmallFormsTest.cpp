#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FormLayout.h"
#include "app/FrmVersion.h"
#include "app/Wiring.h"
#include "app/frmSplash.h"
#include "editor/FrmImage.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

using Strings = std::vector<std::string>;

struct SmallForms : ::testing::Test {
    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);

    // Opens the About box for the device in the slot and returns its value captions.
    Strings About(int16_t slot) {
        s->CurDev = slot;
        Strings shown;
        host.DriveModal("FrmVersion", [&](ui::Form& f) {
            auto& box = static_cast<FrmVersion&>(f);
            EXPECT_EQ(box.Caption(), "About");
            for (ui::Label* l :
                 {&box.Label2, &box.Label3, &box.Label4, &box.Label5, &box.Label6, &box.Label8}) {
                shown.push_back(l->Caption());
            }
            box.Command1.UserClick();
            EXPECT_TRUE(box.Finished());
        });
        FrmVersion box(*s);
        box.ShowModal();
        EXPECT_TRUE(host.Problems().empty());
        return shown;
    }
};

TEST_F(SmallForms, AboutBoxLayout) {
    FrmVersion box(*s);
    EXPECT_EQ(box.Command1.Caption(), "OK");
    EXPECT_EQ(box.Label1.Caption(), "Firmware version");
    EXPECT_EQ(box.Label7.Caption(), "DSP version");
    EXPECT_EQ(box.Label9.Caption(), "Software version");
    EXPECT_EQ(box.Label11.Caption(), "MAC Address:");
    EXPECT_EQ(apptest::LayoutProblems(box), Strings{});
}

TEST_F(SmallForms, AboutANeverConnectedAndAConnectedDevice) {
    s->SwVersion = "V1.1.3";
    EXPECT_EQ(About(4), (Strings{"V1.5", "V1.0.0", "V1.1.3", "Velotra", "UID = ", ""}));
    s->FwVersion[2] = "2.1";
    s->DspVersion[2] = "1.2.0";
    s->DevModel[2] = 1;
    s->DevUid[2] = "0A 1B 2C";
    s->DevInfoText[2] = "00:11:22:33:44:55";
    EXPECT_EQ(About(2), (Strings{"V2.1", "V1.2.0", "V1.1.3", "Velomatic", "UID = 0A 1B 2C",
                                 "00:11:22:33:44:55"}));
    s->DevModel[2] = -3;
    EXPECT_EQ(About(2)[3], "Velomatic");
}

TEST_F(SmallForms, GraphBackgroundsHaveTheGraphSize) {
    FrmImage& images = FrmImageOf(*s);
    EXPECT_TRUE(images.Loaded());
    EXPECT_FALSE(images.Visible());
    EXPECT_EQ(&FrmImageOf(*s), &images);
    EXPECT_EQ(s->ImgScaleW, 577);
    EXPECT_EQ(s->ImgScaleH, 193);
    EXPECT_EQ(images.Picture1.Width(), 8655);
    EXPECT_EQ(images.Picture1.Height(), 2895);
    EXPECT_FALSE(images.Picture1.DisplayList().empty());
    EXPECT_FALSE(images.Picture2.DisplayList().empty());
    for (const ui::DrawOp& op : images.Picture1.DisplayList()) {
        EXPECT_GE(op.x1, 0);
        EXPECT_LE(op.x2, 577);
        EXPECT_LE(op.y2, 193);
    }
}

TEST_F(SmallForms, SplashShowsOnlyItsPicture) {
    frmSplash splash(*s);
    EXPECT_EQ(splash.Picture1.Width(), 7500);
    EXPECT_EQ(splash.Picture1.Height(), 7500);
    EXPECT_EQ(splash.Label1.Caption(), "Searching COM: please wait ");
    EXPECT_EQ(splash.Label2.Caption(), "0");
    EXPECT_EQ(apptest::LayoutProblems(splash), Strings{});
}

}  // namespace
