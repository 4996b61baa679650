// The device status window without a device: layout, captions, the editor opener, closing.
#include <gtest/gtest.h>

#include <memory>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "project/DeviceList.h"
#include "project/DeviceStatus.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"
#include "state/State.h"
#include "sys/Numeric.h"
#include "ui/HeadlessHost.h"

namespace {

class FrmDeviceTest : public ::testing::Test {
  protected:
    int16_t Add(int16_t linkType, int16_t id = 1) {
        s->LinkType = linkType;
        s->NewDevId = id;
        const int16_t slot = linkType == 0 ? 0 : ModConfig::FindFreeDeviceSlot(*s);
        ModConfig::InsertDevice(*s, slot);
        ModProject::ShowDeviceWindow(*s, slot);
        return slot;
    }

    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(FrmDeviceTest, ItsControlsShareOneRowWithoutOverlap) {
    FrmDevice& w = FrmDeviceOf(*s, 0);
    EXPECT_EQ(w.GetFormKind(), ui::FormKind::MdiChild);
    EXPECT_EQ(w.Width(), 3450);
    EXPECT_EQ(w.Height(), 665);
    EXPECT_EQ(w.Label1.Caption(), "Connect");
    EXPECT_EQ(w.Label2.Caption(), "Edit");
    EXPECT_EQ(w.Label10.ToolTipText(), "double click or press Enter to edit a nick name");
    EXPECT_FALSE(w.ProgressBar1.Visible());
    const ui::Control* row[] = {&w.Label1, &w.Label2, &w.Label10, &w.ProgressBar1};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_GE(row[k]->Left(), 0);
        EXPECT_GT(row[k]->Width(), 0);
        EXPECT_LE(row[k]->Left() + row[k]->Width(), w.ScaleWidth());
        EXPECT_LE(row[k]->Top() + row[k]->Height(), w.ScaleHeight());
        if (k > 0) {
            EXPECT_GE(row[k]->Left(), row[k - 1]->Left() + row[k - 1]->Width());
        }
    }
}

TEST_F(FrmDeviceTest, LoadingShowsTheOfflineCaptionAndNickName) {
    s->NewDevIp = {127, 0, 0, 9};
    const int16_t tcp = Add(2);
    FrmDevice& w = FrmDeviceOf(*s, tcp);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Caption(), " IP:127.0.0.9 - Offline");
    EXPECT_EQ(w.Label10.Caption(), "no-name");
    EXPECT_EQ(s->FrmDeviceHwnd[tcp], w.hWnd());
    EXPECT_EQ(s->CurDevWin, tcp);

    const int16_t rs485 = Add(1, 7);
    EXPECT_EQ(FrmDeviceOf(*s, rs485).Caption(), " RS485 - ID:07 - Offline");
    EXPECT_EQ(ModProject::DeviceCaption(*s, rs485, true, ModProject::UsbCaption::Short),
              " RS485 - ID:07 - Online");
    s->DevList[rs485].DevId = 12;
    EXPECT_EQ(ModProject::DeviceCaption(*s, rs485, false, ModProject::UsbCaption::Short),
              " RS485 - ID:12 - Offline");

    s->LinkType = 0;
    EXPECT_EQ(ModProject::DeviceCaption(*s, 0, true, ModProject::UsbCaption::Short),
              " USB - Online");
    EXPECT_EQ(ModProject::DeviceCaption(*s, 0, false, ModProject::UsbCaption::WithProduct),
              " USB - Velotrix  - Offline");

    w.UserActivate();
    EXPECT_EQ(s->CurDevWin, tcp);
}

TEST_F(FrmDeviceTest, EditOpensTheEditorOnce) {
    const int16_t slot = Add(1, 4);
    FrmDevice& w = FrmDeviceOf(*s, slot);
    w.Label2.UserClick();
    FrmCtrl* editor = ExistingFrmCtrl(*s, slot);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->Visible());
    EXPECT_EQ(s->CurDev, slot);
    EXPECT_EQ(s->EditorSlot[slot], (std::array<int16_t, 3>{-1, slot, slot}));
    EXPECT_EQ(s->EditorLastIdx, 0);
    EXPECT_EQ(s->FrmCtrlHwnd[slot], editor->hWnd());
    EXPECT_EQ(w.Label2.ForeColor(), ui::RGB(255, 0, 0));
    EXPECT_TRUE(s->OfflineOnError);
    EXPECT_EQ(editor->Label19.Caption(), "Status: Offline");
    EXPECT_FALSE(s->CmdBusy);
    EXPECT_FALSE(s->EditBusy);

    w.Label2.UserClick();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "The window is already open");
    EXPECT_EQ(host.Messages()[0].title, "Speakers Edit");
    EXPECT_EQ(s->EditorLastIdx, 0);

    s->CmdBusy = true;
    w.Label2.UserClick();
    EXPECT_EQ(host.Messages().size(), 1u);
}

TEST_F(FrmDeviceTest, NothingHappensUnderAnOpenEditor) {
    const int16_t slot = Add(1, 4);
    FrmDevice& w = FrmDeviceOf(*s, slot);
    w.Label2.UserClick();
    w.Label1.UserClick();  // no connect under an open editor
    EXPECT_FALSE(s->CmdBusy);
    EXPECT_EQ(s->DevList[slot].Online, 0);
    EXPECT_FALSE(w.UserClose());
    EXPECT_EQ(s->DevList[slot].Used, -1);
    EXPECT_TRUE(host.Messages().empty());
    EXPECT_TRUE(host.Problems().empty());
}

TEST_F(FrmDeviceTest, ClosingTheEditorAsksAndUndoesTheOpenMarks) {
    const int16_t slot = Add(1, 4);
    FrmDevice& w = FrmDeviceOf(*s, slot);
    w.Label2.UserClick();
    FrmCtrl& editor = *ExistingFrmCtrl(*s, slot);

    host.Answer(ui::vbNo);
    EXPECT_FALSE(editor.UserClose());
    host.Answer(ui::vbYes);
    EXPECT_TRUE(editor.UserClose());
    const auto messages = host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt, "            Are you sure ? ");
    EXPECT_EQ(messages[0].title, "Close window");
    EXPECT_EQ(s->EditorSlot[slot][0], 0);
    EXPECT_EQ(s->EditorLastIdx, -1);
    EXPECT_EQ(s->FrmCtrlHwnd[slot], 255);
    EXPECT_EQ(w.Label2.ForeColor(), ui::RGB(0, 0, 0));

    // The editor opens again, as a fresh window.
    w.Label2.UserClick();
    ASSERT_NE(ExistingFrmCtrl(*s, slot), nullptr);
    EXPECT_NE(ExistingFrmCtrl(*s, slot), &editor);
}

TEST_F(FrmDeviceTest, ClosingWhileAnOperationRunsIsRefused) {
    const int16_t slot = Add(1, 4);
    FrmDeviceOf(*s, slot).Label2.UserClick();
    s->OpDone = false;
    EXPECT_FALSE(ExistingFrmCtrl(*s, slot)->UserClose());
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt,
              "Please wait the last requested operation to be accomplished");
    EXPECT_FALSE(s->EditBusy);
}

TEST_F(FrmDeviceTest, ClosingTheWindowDeletesTheDeviceAfterAYes) {
    const int16_t slot = Add(1, 4);
    FrmDevice& w = FrmDeviceOf(*s, slot);
    host.Answer(ui::vbNo);
    EXPECT_FALSE(w.UserClose());
    EXPECT_EQ(s->DevList[slot].Used, -1);
    host.Answer(ui::vbYes);
    EXPECT_TRUE(w.UserClose());
    EXPECT_EQ(s->DevList[slot], model::DeviceRecord{});
    EXPECT_EQ(host.Messages().back().prompt, "                Are you sure?");
    EXPECT_EQ(host.Messages().back().title, "Delete Device");
    EXPECT_FALSE(s->EditBusy);

    const int16_t other = Add(1, 5);
    s->MainCmdMark = true;
    const size_t asked = host.Messages().size();
    EXPECT_TRUE(FrmDeviceOf(*s, other).Unload());
    EXPECT_EQ(host.Messages().size(), asked);
    EXPECT_EQ(s->DevList[other].Used, 0);
}

TEST_F(FrmDeviceTest, ProgressStopsAtTheMaximum) {
    const int16_t slot = Add(1, 4);
    ui::ProgressBar& bar = FrmDeviceOf(*s, slot).ProgressBar1;
    bar.SetRange(0, 3);
    for (int k = 0; k < 5; ++k) ModProject::StepProgress(*s, slot);
    EXPECT_EQ(bar.Value(), 3);
    EXPECT_EQ(sys::FormatTwoDigits(7), "07");
    EXPECT_EQ(sys::FormatTwoDigits(10), "10");
    EXPECT_EQ(sys::FormatTwoDigits(0), "00");
}

}  // namespace
