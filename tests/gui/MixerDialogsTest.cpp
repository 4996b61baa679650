// The routing tab and the automatic mixer and ducker dialogs shown by the Qt front end: their
// texts fit their widgets, and pictures are saved of the routing tab with a diagonal routing,
// of "Automixer" and of "Ducker edit parameters".
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTest>
#include <memory>

#include "GuiFixture.h"
#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "model/AddressTables.h"
#include "model/DeviceDefaults.h"
#include "processing/FrmAM.h"
#include "processing/FrmDucker.h"
#include "project/DeviceWindows.h"

namespace guitest {
namespace {

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class MixerDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        model::InitDeviceDefault(*s, kSlot);
        s->DevList[kSlot].Used = -1;
        s->DevModel[kSlot] = 1;
        auto& img = s->DevImage[kSlot].ProgImage;
        // Input i feeds output i; output 1 also hears inputs 2 and 3 lower.
        for (int k = 0; k < 64; ++k) img[model::RouteAddr[k]] = k % 9 == 0 ? 30 : 128 + 30;
        img[model::RouteAddr[1]] = 24;
        img[model::RouteAddr[2]] = 128 + 12;
        img[model::AmActiveAddr] = 1;
        img[model::AmModeAddr] = 1;
        img[model::DuckPrioAddr] = 0x05;
        img[model::DuckAddrA] = 49;
        img[model::DuckAddrB] = 30;
        img[model::DuckAddrB + 1] = 12;
        img[model::DuckAddrC] = 24;
        img[model::DuckAddrC + 2] = 60;
        ModProject::OpenSpeakerEditor(*s, kSlot);
        f = ExistingFrmCtrl(*s, kSlot);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(*f)->Window()));
        Settle();
    }
    void TearDown() override {
        if (f != nullptr && f->Loaded()) {
            s->DevOffline[kSlot] = true;
            f->Unload();
        }
        Settle();
    }
    void ShootDialog(ui::Form& dialog, const std::string& name) {
        guitest::ShootDialog(host, dialog, name);
    }

    static constexpr int16_t kSlot = 0;
    gui::QtHost host;
    std::unique_ptr<State> s = std::make_unique<State>(host);
    FrmCtrl* f = nullptr;
};

TEST_F(MixerDialogs, TheRoutingTabWithADiagonalRouting) {
    f->SSTab1.SetTab(FrmCtrl::kTabRouting);
    Settle();
    for (int16_t k = 0; k < 64; ++k) ASSERT_EQ(f->Check9(k).Value(), k % 9 == 0 || k == 1 ? 1 : 0);
    EXPECT_EQ(f->Text3(1).Text(), "-6dB");
    ExpectTextsFit(host, *f);
    EXPECT_GT(QFileInfo(SaveScreenshot(host.WindowOf(*f)->Window(), "routing-diagonal")).size(),
              1000);
}

TEST_F(MixerDialogs, TheAutomixerDialog) {
    FrmAM dialog(*s);
    ShootDialog(dialog, "automixer");
}

TEST_F(MixerDialogs, TheDuckerDialog) {
    FrmDucker dialog(*s);
    ShootDialog(dialog, "ducker-edit-parameters");
}

}  // namespace
}  // namespace guitest
