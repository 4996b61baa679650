// The delay and dynamics of an output tab and the compressor and limiter dialog shown by the
// Qt front end: their texts fit, and pictures of both are saved.
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
#include "model/DeviceDefaults.h"
#include "processing/FrmLimiter.h"
#include "project/DeviceWindows.h"

namespace guitest {
namespace {

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void Enter(ui::TextBox& box, const std::string& text) {
    box.SetSelection(0, static_cast<int32_t>(box.Text().size()));
    box.UserType(text);
    box.UserKey(13);
}

class DynamicsWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        model::InitDeviceDefault(*s, kSlot);
        s->DevList[kSlot].Used = -1;
        s->DevImage[kSlot].DevExtra[17] = 0;  // delays in milliseconds
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

    static constexpr int16_t kSlot = 0;
    gui::QtHost host;
    std::unique_ptr<State> s = std::make_unique<State>(host);
    FrmCtrl* f = nullptr;
};

TEST_F(DynamicsWindow, AnOutputTabWithDelayAndDynamicsSet) {
    f->SSTab1.UserSelectTab(2);
    Enter(f->Text2(1), "12.5");
    f->Command8(1).UserClick();
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
    Settle();
    ExpectTextsFit(host, *f);
    EXPECT_GT(
        QFileInfo(SaveScreenshot(host.WindowOf(*f)->Window(), "editor-output2-dynamics")).size(),
        1000);
}

TEST_F(DynamicsWindow, TheDialogWithAKneeCurve) {
    s->UiUpdating = true;
    f->Slider400(0).SetValue(140);  // -10 dBu
    f->Slider401(0).SetValue(29);   // 3:1
    f->Slider402(0).SetValue(50);   // knee 50 %
    f->Slider4(0).SetValue(60);     // +6 dBu
    s->UiUpdating = false;
    s->LimOutCh = 0;
    FrmLimiter dialog(*s);
    dialog.Show();
    Settle();
    ASSERT_NE(host.WindowOf(dialog), nullptr);
    EXPECT_EQ(dialog.Caption(), "RMS Compressor & Peak Limiter - Output 1");
    ExpectTextsFit(host, dialog);
    EXPECT_GT(
        QFileInfo(SaveScreenshot(host.WindowOf(dialog)->Window(), "compressor-limiter")).size(),
        1000);
    dialog.Unload();
    Settle();
}

}  // namespace
}  // namespace guitest
