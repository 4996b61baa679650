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
