// The store and read windows before anything is sent: the slot rows of the current device,
// the position and the name they keep in step, the name's key filter and the name rule.
#include <gtest/gtest.h>

#include <memory>

#include "app/Wiring.h"
#include "model/DeviceDefaults.h"
#include "programs/FrmRead.h"
#include "programs/FrmReadExtra.h"
#include "programs/FrmStore.h"
#include "programs/FrmStoreExtra.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

class StoreWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        model::InitDeviceDefault(*s, kSlot);
        s->CurDev = kSlot;
        auto& par = s->DevParam[kSlot];
        par.SlotName = {"Speech          ", "  Band          ", "", "Choir           ", "E",
                        "Last            "};
        par.ExtraSlotName = {"X1", "X2              ", "X3", "X4"};
    }
    static constexpr int16_t kSlot = 2;
    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(StoreWindows, RowsPositionAndNameFollowEachOtherAndLongNamesAreRefused) {
    FrmStore w(*s);
    w.Show();
    EXPECT_EQ(w.Caption(), "Store program");
    ASSERT_EQ(w.List1.ListCount(), 6);
    EXPECT_EQ(w.List1.List(0), "01: Speech          ");
    EXPECT_EQ(w.List1.List(5), "06: Last            ");
    EXPECT_EQ(w.Text1.Text(), "Speech");
    EXPECT_EQ(w.Combo1.ListIndex(), 0);
    EXPECT_FALSE(w.ProgressBar1.Visible());

    w.List1.UserSelect(1);
    EXPECT_EQ(w.Text1.Text(), "Band") << "trimmed on both sides";
    EXPECT_EQ(w.Combo1.ListIndex(), 1);

    // A punctuation key is refused once and dropped; what was typed stays.
    w.Text1.SetSelection(0, 4);
    w.Text1.UserType("Stage,");
    EXPECT_EQ(w.Text1.Text(), "Stage");
    const auto refused = host.TakeMessages();
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_EQ(refused[0].prompt, "Symbol not admited");
    EXPECT_EQ(refused[0].title, "Warning");
    EXPECT_EQ(refused[0].style, ui::vbOKOnly + ui::vbInformation);

    w.Combo1.UserSelect(3);
    EXPECT_EQ(w.List1.ListIndex(), 3);
    EXPECT_EQ(w.Text1.Text(), "Stage") << "a name can go to another position";
    w.List1.UserSelect(3);  // a click on the row the position selected
    EXPECT_EQ(w.Text1.Text(), "Choir");
    EXPECT_EQ(w.Combo1.ListIndex(), 3);
    w.List1.UserSelect(5);
    EXPECT_EQ(w.Text1.Text(), "Last");
    EXPECT_EQ(w.Combo1.ListIndex(), 5);

    // Seventeen characters are shown and refused.
    w.Text1.SetText("");
    w.Text1.UserType("ABCDEFGHIJKLMNOPQ  ");
    EXPECT_EQ(w.Label1.Caption(), "17");
    w.Command1(1).UserClick();
    ASSERT_EQ(host.Messages().size(), 1u);
    EXPECT_EQ(host.Messages()[0].prompt, "Max size of the program name is 16 characters");
    EXPECT_EQ(host.Messages()[0].title, "Program name");
    EXPECT_EQ(host.Messages()[0].style, ui::vbCritical);
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.Text1.Text(), "ABCDEFGHIJKLMNOPQ") << "trailing blanks removed";
    w.Text1.SetSelection(17, 0);
    w.Text1.UserKey(8);
    EXPECT_EQ(w.Label1.Caption(), "");
}

TEST_F(StoreWindows, TheExtraWindowsListTheFourExtraSlots) {
    FrmStoreExtra store(*s);
    store.Show();
    EXPECT_EQ(store.Caption(), "Store Program Extra");
    EXPECT_EQ(store.Label3.Caption(), "Memory Program Extra");
    EXPECT_EQ(store.List1.List(),
              (std::vector<std::string>{"01: X1", "02: X2              ", "03: X3", "04: X4"}));
    EXPECT_EQ(store.Combo1.ListCount(), 4);
    FrmReadExtra read(*s);
    read.Show();
    EXPECT_EQ(read.Caption(), "Read Program Extra");
    EXPECT_EQ(read.List1.ListCount(), 4);
    FrmRead normal(*s);
    normal.Show();
    EXPECT_EQ(normal.List1.List(2), "03: ");
    EXPECT_FALSE(normal.Label2.Visible());
    EXPECT_EQ(normal.List1.ListIndex(), 0);
}

}  // namespace
