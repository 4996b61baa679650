#include <gtest/gtest.h>

#include "TestForm.h"
#include "ui/HeadlessHost.h"

namespace {

using Log = std::vector<std::string>;

class Events : public ::testing::Test {
  protected:
    void SetUp() override {
        f.Show();
        f.log.clear();
    }
    void TearDown() override { EXPECT_TRUE(host.Problems().empty()); }

    ui::HeadlessHost host;
    uitest::TestForm f{host};
};

// Code fires Click or Change only on a real change, and never Scroll, KeyPress or mouse events.
TEST_F(Events, CodeFiresClickOrChangeOnlyWhenTheValueChanges) {
    f.Check1.SetValue(1);
    f.Check1.SetValue(1);
    f.Combo1.AddItem("OFF");
    f.Combo1.AddItem("ON");
    f.Combo1.SetListIndex(1);
    f.Combo1.SetListIndex(1);
    f.Text6.SetText("12");
    f.Text6.SetText("12");
    f.Slider1.SetRange(0, 48);
    f.Slider1.SetValue(24);
    f.UpDown1.SetRange(0, 96);
    f.UpDown1.SetValue(3);
    f.SSTab1.SetTab(2);
    f.SSTab1.SetTab(2);
    f.Picture1.Cls();
    EXPECT_EQ(f.log, (Log{"Check1.Click", "Combo1.Click", "Text6.Change", "Slider1.Change",
                          "UpDown1.Change", "SSTab1.Click"}));
    EXPECT_EQ(f.Combo1.Text(), "ON");
    EXPECT_EQ(f.SSTab1.PreviousTab(), 0);
}

TEST_F(Events, ValuesStayInRange) {
    f.Slider1.SetRange(0, 48);
    f.Slider1.SetValue(99);
    EXPECT_EQ(f.Slider1.Value(), 48);
    f.UpDown1.SetRange(0, 9);
    f.UpDown1.SetValue(-3);
    EXPECT_EQ(f.UpDown1.Value(), 0);
    f.Combo1.AddItem("a");
    f.Combo1.SetListIndex(7);
    EXPECT_EQ(f.Combo1.ListIndex(), 0);
    EXPECT_EQ(f.Combo1.List(7), "");
    f.ProgressBar1.SetRange(0, 155);
    f.ProgressBar1.SetValue(156);
    EXPECT_EQ(f.ProgressBar1.Value(), 155);
    f.ProgressBar1.SetValue(-1);
    EXPECT_EQ(f.ProgressBar1.Value(), 0);
}

TEST_F(Events, OptionButtonsClearTheirGroupOnly) {
    f.Option2.SetValue(true);
    f.Option1(0).SetValue(true);
    f.Option1(1).SetValue(true);
    EXPECT_FALSE(f.Option1(0).Value());
    EXPECT_TRUE(f.Option1(1).Value());
    EXPECT_TRUE(f.Option2.Value()) << "another frame is another group";
    f.Option1(1).UserClick();
    EXPECT_EQ(f.log, (Log{"Option2.Click", "Option1.Click(0)", "Option1.Click(1)"}));
}

TEST_F(Events, UserActionsFireWhatAPersonsActionFires) {
    f.Slider1.SetRange(0, 1450);
    f.log.clear();
    f.Slider1.UserScroll(100);
    f.Check1.UserClick();
    f.Check1.UserClick();
    EXPECT_EQ(f.log, (Log{"Slider1.Scroll", "Slider1.Change", "Check1.Click", "Check1.Click"}));
    f.UpDown1.SetRange(0, 5);
    f.UpDown1.SetValue(5);
    f.log.clear();
    f.UpDown1.UserUp();
    f.UpDown1.UserDown();
    f.Label1.UserMouseDown(ui::vbLeftButton, 0, 30, 45);
    f.Command1.UserClick();
    EXPECT_EQ(f.log, (Log{"UpDown1.Change", "Label1.MouseDown 1 30,45", "Command1.Click"}));
    EXPECT_EQ(f.Check1.Value(), 0);
}

TEST_F(Events, HiddenDisabledOrOffTabControlsIgnoreThePerson) {
    f.Command1.SetEnabled(false);
    EXPECT_FALSE(f.Command1.UserClick());
    f.Frame1.SetVisible(false);
    EXPECT_FALSE(f.Option1(0).UserClick());
    EXPECT_FALSE(f.Text6.UserType("1")) << "Text6 sits on tab 1, tab 0 is current";
    f.SSTab1.SetTab(1);
    EXPECT_TRUE(f.Text6.UserType("1"));
    EXPECT_EQ(f.log, (Log{"SSTab1.Click", "Text6.KeyPress 49", "Text6.Change"}));
}

TEST_F(Events, KeyPressMayReplaceOrSwallowTheKey) {
    auto& box = f.Text14(2);
    box.UserType("1x2z3");
    EXPECT_EQ(box.Text(), "1?23");
    box.UserKey(ui::vbKeyBack);
    EXPECT_EQ(box.Text(), "1?2");
    box.UserKey(ui::vbKeyReturn);
    EXPECT_EQ(box.Text(), "1?2") << "Enter types nothing into a one-line box";
    f.Text14.On().KeyPress = [](int16_t, int16_t& key) {
        if (key == ui::vbKeyReturn) key = '?';
    };
    box.UserKey(ui::vbKeyReturn);
    EXPECT_EQ(box.Text(), "1?2?") << "an Enter replaced by \"?\" types a \"?\"";
    EXPECT_EQ(f.log[0], "Text14.KeyPress 49(2)");
    EXPECT_EQ(f.log[1], "Text14.Change(2)");
    EXPECT_EQ(f.log[2], "Text14.KeyPress 120(2)");
}

TEST_F(Events, TypingReplacesTheSelectionAndUsesTheClipboard) {
    auto& box = f.Text14(0);
    box.SetText(std::string("Kick\0\0", 6));
    EXPECT_EQ(box.Text(), "Kick") << "a text box holds its text up to the first NUL byte";
    box.SetText("-127");
    box.SetSelection(0, 4);
    box.UserKey(ui::vbKeyCtrlC);
    box.UserType("6");
    EXPECT_EQ(box.Text(), "6");
    box.UserKey(ui::vbKeyCtrlV);
    EXPECT_EQ(box.Text(), "6-127");
    box.SetSelection(0, 0);
    box.UserKeyCode(46);
    EXPECT_EQ(box.Text(), "-127");
    box.SetMaxLength(5);
    box.SetSelection(4, 0);
    box.UserType("123");
    EXPECT_EQ(box.Text(), "-1271");
}

TEST_F(Events, SparseArraysKeepTheirIndices) {
    EXPECT_EQ(f.Text14.Count(), 3u);
    EXPECT_EQ(f.Text14.LBound(), 0);
    EXPECT_EQ(f.Text14.UBound(), 5);
    EXPECT_TRUE(f.Text14.Exists(5));
    EXPECT_FALSE(f.Text14.Exists(1));
    EXPECT_THROW(f.Text14(1), std::out_of_range);
    EXPECT_EQ(f.Text14(5).Path(), "Text14(5)");
    EXPECT_EQ(f.Find("Text14", 5), &f.Text14(5));
    auto& grown = f.Text14.Load(252);
    grown.SetText("x");
    EXPECT_EQ(f.log, (Log{"Text14.Change(252)"})) << "a new element shares the handlers";
    f.Text14.Unload(252);
    EXPECT_EQ(f.Find("Text14", 252), nullptr);
}

TEST_F(Events, EditableComboTypesAndPickListDoesNot) {
    f.Combo1.AddItem("1:1");
    f.Combo1.AddItem("2:1");
    f.Combo1.UserType("3");
    EXPECT_EQ(f.Combo1.Text(), "3");
    f.Combo1.SetText(std::string("\0\0", 2));
    EXPECT_EQ(f.Combo1.Text(), "");
    f.Combo1.SetStyle(2);
    f.Combo1.UserSelect(1);
    f.Combo1.UserSelect(1);  // the entry already picked: no Click
    f.Combo1.UserType("9");
    EXPECT_EQ(f.Combo1.Text(), "2:1");
    EXPECT_EQ(f.log, (Log{"Combo1.KeyPress 51", "Combo1.Change", "Combo1.Change", "Combo1.Click",
                          "Combo1.KeyPress 57"}));
}

TEST(VirtualKeys, PunctuationReportsCodesAbove127) {
    int16_t shift = 0;
    EXPECT_EQ(ui::VirtualKeyOf('a', shift), 'A');
    EXPECT_EQ(shift, 0);
    EXPECT_EQ(ui::VirtualKeyOf('A', shift), 'A');
    EXPECT_EQ(shift, 1);
    EXPECT_EQ(ui::VirtualKeyOf('.', shift), 190);
    EXPECT_EQ(ui::VirtualKeyOf('-', shift), 189);
    EXPECT_EQ(ui::VirtualKeyOf('7', shift), '7');
}

}  // namespace

namespace {

TEST_F(Events, AMultiSelectListKeepsEachItemsSelectionThroughInsertsAndRemovals) {
    ui::ListBox& l = f.List1;
    l.SetMultiSelect(1);
    for (const char* item : {"a", "b", "c"}) l.AddItem(item);
    l.SetSelected(0, true);
    EXPECT_TRUE(l.UserSetSelected(2, true));
    l.SetSelected(2, true);  // no change: no Click
    EXPECT_EQ(f.log, (Log{"List1.Click", "List1.Click"}));
    EXPECT_EQ(l.ListIndex(), -1) << "selecting does not move the list index";
    l.AddItem("first", 0);
    EXPECT_FALSE(l.Selected(0));
    EXPECT_TRUE(l.Selected(1));
    EXPECT_TRUE(l.Selected(3));
    l.RemoveItem(1);
    EXPECT_FALSE(l.Selected(1));
    EXPECT_TRUE(l.Selected(2));
    l.Clear();
    l.AddItem("x");
    EXPECT_FALSE(l.Selected(0));

    l.SetMultiSelect(0);
    l.AddItem("y");
    l.SetSelected(1, true);
    EXPECT_FALSE(l.Selected(1)) << "a one-item list selects through its list index";
    l.UserSetSelected(1, true);
    EXPECT_TRUE(l.Selected(1));
    EXPECT_EQ(l.ListIndex(), 1);
}

}  // namespace
