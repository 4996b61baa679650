#include <gtest/gtest.h>

#include <memory>

#include "app/State.h"
#include "editor/FrmCtrl.h"
#include "project/FrmDevice.h"
#include "ui/HeadlessHost.h"

namespace {

TEST(State, StartsWithTheSystemsValues) {
    ui::HeadlessHost host;
    auto s = std::make_unique<State>(host);
    EXPECT_TRUE(s->OpDone);
    EXPECT_EQ(s->EditorLastIdx, -1);
    EXPECT_EQ(s->FrmCtrlHwnd[64], 255);
    EXPECT_EQ(s->FrmDeviceHwnd[0], 255);
    EXPECT_EQ(s->ProductName, " Velotrix ");
    EXPECT_EQ(s->NewDevId, 1);
    EXPECT_EQ(s->NewDevIp, (std::array<uint8_t, 4>{192, 168, 0, 1}));
    EXPECT_EQ(s->RxBuf.size(), 913u);
}

TEST(State, WindowsAreCreatedOnFirstUseAndRenewedAfterAnUnload) {
    ui::HeadlessHost host;
    auto s = std::make_unique<State>(host);
    EXPECT_EQ(ExistingFrmCtrl(*s, 3), nullptr);
    FrmDevice& first = FrmDeviceOf(*s, 3);
    EXPECT_FALSE(first.Loaded());
    EXPECT_EQ(&FrmDeviceOf(*s, 3), &first);
    EXPECT_NE(&FrmDeviceOf(*s, 4), &first);

    FrmCtrl& editor = FrmCtrlOf(*s, 3);
    EXPECT_EQ(ExistingFrmCtrl(*s, 3), nullptr);  // created, not loaded
    s->EditorLoadDev = 3;
    editor.Show();
    EXPECT_EQ(ExistingFrmCtrl(*s, 3), &editor);

    s->DevOffline[3] = true;  // closes without the question
    ASSERT_TRUE(editor.Unload());
    EXPECT_EQ(ExistingFrmCtrl(*s, 3), nullptr);
    FrmCtrl& renewed = FrmCtrlOf(*s, 3);
    EXPECT_NE(&renewed, &editor);
    // The unloaded window lives on until the running handlers have returned.
    EXPECT_TRUE(editor.Finished());
    host.RunPosted();
    EXPECT_FALSE(renewed.Loaded());
}

}  // namespace
