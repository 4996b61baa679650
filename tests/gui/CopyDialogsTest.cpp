// The channel copy dialogs shown by the Qt front end over an open editor: their texts fit and
// pictures are saved of "Input Copy" and "Output Copy".
#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "GuiFixture.h"
#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "gui/FormWindow.h"
#include "gui/QtHost.h"
#include "model/DeviceDefaults.h"
#include "processing/FrmCopyChannel.h"
#include "project/DeviceWindows.h"

namespace guitest {
namespace {

class CopyDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        model::InitDeviceDefault(*s, kSlot);
        s->DevList[kSlot].Used = -1;
        ModProject::OpenSpeakerEditor(*s, kSlot);
        f = ExistingFrmCtrl(*s, kSlot);
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.WindowOf(*f)->Window()));
    }
    void TearDown() override {
        if (f != nullptr && f->Loaded()) {
            s->DevOffline[kSlot] = true;
            f->Unload();
        }
    }

    static constexpr int16_t kSlot = 0;
    gui::QtHost host;
    std::unique_ptr<State> s = std::make_unique<State>(host);
    FrmCtrl* f = nullptr;
};

TEST_F(CopyDialogs, InputCopyAndOutputCopy) {
    FrmCopyInput input(*s);
    ShootDialog(host, input, "input-copy");
    FrmCopyOut output(*s);
    ShootDialog(host, output, "output-copy");
}

}  // namespace
}  // namespace guitest
