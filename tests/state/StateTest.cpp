#include <gtest/gtest.h>

#include <memory>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "project/FrmDevice.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

TEST(State, StartsWithTheSystemsValues) {
    ui::HeadlessHost host;
    auto s = NewState(host);
    EXPECT_TRUE(s->OpDone);
    EXPECT_EQ(s->EditorLastIdx, -1);
    EXPECT_EQ(s->FrmCtrlHwnd[64], 255);
    EXPECT_EQ(s->FrmDeviceHwnd[0], 255);
    EXPECT_EQ(s->ProductName, " Velotrix ");
    EXPECT_EQ(s->NewDevId, 1);
    EXPECT_EQ(s->NewDevIp, (std::array<uint8_t, 4>{192, 168, 0, 1}));
    EXPECT_EQ(s->RxBuf.size(), 913u);
}

TEST(State, WindowsAreCreatedOnFirstUseAndAClosedEditorRenewedOnlyByItsOpener) {
    ui::HeadlessHost host;
    auto s = NewState(host);
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
    EXPECT_EQ(&FrmCtrlOf(*s, 3), &editor) << "a closed editor is not made anew behind the user";
    FrmCtrl& renewed = NewFrmCtrl(*s, 3);
    EXPECT_NE(&renewed, &editor);
    EXPECT_EQ(&FrmCtrlOf(*s, 3), &renewed);
    host.RunPosted();
    EXPECT_FALSE(renewed.Loaded());
}

// A replaced window is released only once no handler of it runs, nor a modal loop one opened.
TEST(State, ARetiredWindowOutlivesItsRunningHandlers) {
    struct Probe : ui::Form {
        Probe(ui::Host& h, bool& released) : ui::Form(h, "Probe"), released_(released) {}
        ~Probe() override { released_ = true; }
        bool& released_;
    };
    ui::HeadlessHost host;
    auto s = NewState(host);
    bool released = false;
    auto probe = std::make_unique<Probe>(host, released);
    {
        ui::Form::Running handler(*probe);
        s->RetireWindow(std::move(probe));
        host.RunPosted();
        EXPECT_FALSE(released);
    }
    EXPECT_FALSE(released) << "released from the event loop, not from the handler's end";
    host.RunPosted();
    EXPECT_TRUE(released);
}

}  // namespace
