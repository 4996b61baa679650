#include <gtest/gtest.h>

#include <thread>

#include "TestForm.h"
#include "ui/HeadlessHost.h"

namespace {

using Log = std::vector<std::string>;

TEST(HeadlessHost, AnswersQuestionsFromTheScriptAndRecordsEveryMessage) {
    ui::HeadlessHost host;
    host.Answer(ui::vbYes);
    EXPECT_EQ(host.MsgBox("  Incorrect value", ui::vbOKOnly, "Warning"), ui::vbOK);
    EXPECT_EQ(host.MsgBox("Are you sure ?", ui::vbYesNo + ui::vbQuestion, "Exit"), ui::vbYes);
    ASSERT_EQ(host.Messages().size(), 2u);
    EXPECT_EQ(host.Messages()[0].prompt, "  Incorrect value");
    EXPECT_EQ(host.Messages()[1].title, "Exit");
    EXPECT_EQ(ui::MsgBoxIcon(host.Messages()[1].style), ui::vbQuestion);
    EXPECT_TRUE(host.Problems().empty());
    EXPECT_EQ(host.MsgBox("Again ?", ui::vbYesNo, "Exit"), ui::vbNo);
    EXPECT_EQ(host.Problems().size(), 1u) << "an unscripted question is a test problem";
}

TEST(HeadlessHost, FileDialogsTakeScriptedChoices) {
    ui::HeadlessHost host;
    host.ChooseFile("/tmp/a.XPG");
    host.CancelFileDialog();
    ui::FileDialog d;
    d.Filter = "file program (*.XPG)|*.XPG";
    EXPECT_TRUE(host.ShowOpen(d));
    EXPECT_EQ(d.FileName, "/tmp/a.XPG");
    EXPECT_FALSE(host.ShowSave(d));
    ASSERT_EQ(host.Dialogs().size(), 2u);
    EXPECT_TRUE(host.Dialogs()[1].save);
    EXPECT_EQ(host.Dialogs()[1].request.Filter, "file program (*.XPG)|*.XPG");
    EXPECT_TRUE(host.Problems().empty());
}

TEST(HeadlessHost, TestDrivesAModalForm) {
    ui::HeadlessHost host;
    uitest::TestForm owner(host, ui::FormKind::Normal, "Owner");
    uitest::TestForm dialog(host, ui::FormKind::Normal, "Dialog");
    owner.Show();
    dialog.Command1.On().Click = [&](int16_t) { dialog.Hide(); };
    host.DriveModal("Dialog", [](ui::Form& f) {
        auto& d = static_cast<uitest::TestForm&>(f);
        d.Text6.SetText("ok");
        d.Command1.UserClick();
    });
    dialog.ShowModal();
    EXPECT_EQ(dialog.Text6.Text(), "ok");
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(host.ActiveForm(), &owner);
    dialog.ShowModal();
    EXPECT_EQ(host.Problems().size(), 1u) << "an unscripted modal form is a test problem";
}

// As in a real event loop: every modal loop runs the work posted so far.
TEST(HeadlessHost, PostedWorkRunsInsideEveryModalLoop) {
    ui::HeadlessHost host;
    uitest::TestForm dialog(host, ui::FormKind::Normal, "Dialog");
    int ran = 0;
    auto post = [&] { host.Post([&] { ++ran; }); };
    post();
    host.MsgBox("Stored", ui::vbOKOnly, "Store");
    EXPECT_EQ(ran, 1) << "a message box";
    post();
    host.CancelFileDialog();
    ui::FileDialog d;
    host.ShowOpen(d);
    EXPECT_EQ(ran, 2) << "a file dialog";
    post();
    host.DriveModal("Dialog", [&](ui::Form& f) {
        EXPECT_EQ(ran, 3) << "a modal form as it opens";
        post();
        f.Unload();
    });
    dialog.ShowModal();
    EXPECT_EQ(ran, 4) << "a modal form before it returns";
}

TEST(HeadlessHost, TimersFireInTimeOrderAndSleepFiresNone) {
    ui::HeadlessHost host;
    uitest::TestForm f(host);
    ui::Timer fast(f, "Fast");
    f.Show();
    std::vector<std::string> order;
    f.Timer1.On().Timer = [&](int16_t) { order.push_back("slow@" + std::to_string(host.NowMs())); };
    fast.On().Timer = [&](int16_t) { order.push_back("fast@" + std::to_string(host.NowMs())); };
    f.Timer1.SetInterval(1000);
    fast.SetInterval(400);
    host.Sleep(3000);
    EXPECT_TRUE(order.empty());
    EXPECT_EQ(host.SleptMs(), 3000);
    host.Advance(0);
    EXPECT_EQ(order, (Log{"fast@3000", "slow@3000"})) << "overdue timers fire once, in order";
    order.clear();
    host.Advance(1000);
    EXPECT_EQ(order, (Log{"fast@3400", "fast@3800", "slow@4000"}));
    order.clear();
    fast.SetTimerEnabled(false);
    host.Advance(1000);
    EXPECT_EQ(order, (Log{"slow@5000"}));
}

TEST(HeadlessHost, PostedWorkRunsOnTheCallersThread) {
    ui::HeadlessHost host;
    const auto main = std::this_thread::get_id();
    std::thread::id ranOn;
    std::thread worker([&] { host.Post([&] { ranOn = std::this_thread::get_id(); }); });
    worker.join();
    EXPECT_TRUE(host.WaitPosted(1000));
    EXPECT_EQ(ranOn, main);
    EXPECT_FALSE(host.WaitPosted(10));
}

}  // namespace
