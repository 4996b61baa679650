#include <gtest/gtest.h>

#include "TestForm.h"
#include "ui/HeadlessHost.h"

namespace {

using Log = std::vector<std::string>;

class FormTest : public ::testing::Test {
  protected:
    ui::HeadlessHost host;
    uitest::TestForm f{host};
};

TEST_F(FormTest, ShowLoadsOnceResizesAndActivates) {
    f.Load();
    EXPECT_TRUE(f.Loaded());
    EXPECT_FALSE(f.Visible());
    f.Show();
    f.Show();
    EXPECT_EQ(f.lifecycle, (Log{"Load", "Resize", "Activate"}));
    EXPECT_EQ(host.ActiveForm(), &f);
}

TEST_F(FormTest, QueryUnloadCanKeepTheWindowOpen) {
    f.Show();
    f.cancelClose = -1;
    EXPECT_FALSE(f.UserClose());
    EXPECT_TRUE(f.Visible());
    f.cancelClose = 0;
    EXPECT_TRUE(f.Unload());
    EXPECT_EQ(f.lifecycle,
              (Log{"Load", "Resize", "Activate", "QueryUnload 0", "QueryUnload 1", "Unload"}));
    EXPECT_TRUE(f.Finished());
    f.Show();
    EXPECT_FALSE(f.Visible()) << "an unloaded form is finished";
    EXPECT_EQ(host.ActiveForm(), nullptr);
}

TEST_F(FormTest, ClosingTheActiveWindowActivatesTheOneShownBefore) {
    uitest::TestForm a(host, ui::FormKind::MdiChild, "A");
    uitest::TestForm b(host, ui::FormKind::MdiChild, "B");
    a.Show();
    b.Show();
    EXPECT_EQ(a.lifecycle.back(), "Deactivate");
    b.Unload();
    EXPECT_EQ(host.ActiveForm(), &a);
    EXPECT_EQ(a.lifecycle.back(), "Activate");
    EXPECT_NE(a.hWnd(), b.hWnd());
}

// The dialog shown from a handler of a window, and the one shown from the dialog's, are asked
// to close with that window; a window stays in use while a handler of it, or a modal loop one
// opened, runs; a handler whose window has closed opens no dialog.
TEST_F(FormTest, AModalFormGoesWithTheWindowWhoseHandlerShowedIt) {
    uitest::TestForm dialog(host, ui::FormKind::Normal, "Dialog");
    uitest::TestForm inner(host, ui::FormKind::Normal, "Inner");
    f.Show();
    f.Command1.On().Click = [&](int16_t) {
        dialog.ShowModal();
        dialog.ShowModal();
    };
    dialog.Command1.On().Click = [&](int16_t) { inner.ShowModal(); };
    bool idle = false;
    host.DriveModal("Dialog", [&](ui::Form&) { dialog.Command1.UserClick(); });
    host.DriveModal("Inner", [&](ui::Form&) {
        EXPECT_TRUE(f.InUse());
        f.WhenIdle([&] { idle = true; });
        EXPECT_TRUE(f.Unload());
        EXPECT_FALSE(dialog.Loaded());
        EXPECT_FALSE(inner.Loaded());
        EXPECT_FALSE(inner.Command1.UserClick()) << "a closed dialog takes no more edits";
    });
    f.Command1.UserClick();
    EXPECT_EQ(inner.lifecycle.end()[-2], "QueryUnload 5");
    EXPECT_EQ(dialog.lifecycle.end()[-2], "QueryUnload 5");
    EXPECT_TRUE(idle);
    EXPECT_FALSE(f.InUse());
    EXPECT_TRUE(host.Problems().empty()) << "the second dialog was not shown";
}

// A dialog may stay when its owner goes, by refusing in QueryUnload.
TEST_F(FormTest, AModalFormMayStayWhenItsOwnerGoes) {
    uitest::TestForm dialog(host, ui::FormKind::Normal, "Dialog");
    f.Show();
    f.Command1.On().Click = [&](int16_t) { dialog.ShowModal(); };
    dialog.cancelClose = -1;
    host.DriveModal("Dialog", [&](ui::Form&) {
        EXPECT_TRUE(f.Unload());
        EXPECT_TRUE(dialog.Visible());
        EXPECT_EQ(dialog.lifecycle.back(), "QueryUnload 5");
        dialog.Hide();
    });
    f.Command1.UserClick();
    EXPECT_TRUE(host.Problems().empty());
}

TEST_F(FormTest, SizeIsOuterAndResizeFiresOnChange) {
    f.Show();
    f.SetClientSize(15735, 9555);
    EXPECT_EQ(f.Width(), 15855);
    EXPECT_EQ(f.Height(), 10050);
    f.UserResize(15855, 10050);
    EXPECT_EQ(std::count(f.lifecycle.begin(), f.lifecycle.end(), "Resize"), 2);
    f.SetSizable(false);
    f.UserResize(100, 100);
    EXPECT_EQ(f.Width(), 15855);
}

TEST_F(FormTest, TimersRunOnlyWhileTheFormIsLoaded) {
    f.Timer1.SetInterval(2000);
    host.Advance(5000);
    EXPECT_TRUE(f.log.empty()) << "not loaded yet";
    f.Show();
    host.Advance(4000);
    EXPECT_EQ(f.log, (Log{"Timer1.Timer", "Timer1.Timer"}));
    f.Unload();
    host.Advance(4000);
    EXPECT_EQ(f.log.size(), 2u);
}

TEST_F(FormTest, ControlsOfAContainerThatGoesSitOnTheForm) {
    ui::ControlArray<ui::Frame> frames(f, "Frame9");
    f.Command1.SetContainer(&frames.Load(3));
    frames.Unload(3);
    EXPECT_EQ(f.Command1.Container(), nullptr);
}

}  // namespace
