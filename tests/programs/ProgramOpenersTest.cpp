// The editor window's program buttons and its "Switch" button open their windows for the
// editor's device, and the "Load" and "Save" buttons the program file dialogs.
#include <gtest/gtest.h>

#include "editor/EditorFixture.h"

namespace {

using ProgramOpeners = EditorFixture;

TEST_F(ProgramOpeners, EachButtonOpensItsWindow) {
    FrmCtrl& f = Open();
    std::vector<std::string> opened;
    for (const char* name : {"FrmStore", "FrmRead", "FrmReadExtra", "FrmStoreExtra", "FrmSwitch"}) {
        host.DriveModal(name, [&](ui::Form& w) {
            opened.push_back(w.Caption());
            EXPECT_EQ(s->CurDev, kSlot);
            EXPECT_TRUE(s->EditBusy);
            w.Unload();
        });
    }
    host.CancelFileDialog();
    host.CancelFileDialog();
    // "Load" asks for a file only for a device it can reach.
    s->DevList[kSlot].Online = 1;
    s->CommEnabled = true;
    for (int16_t i : {0, 1, 2, 3, 10, 11}) f.Command2(i).UserClick();
    f.Command9.UserClick();
    EXPECT_EQ(opened,
              (std::vector<std::string>{"Store program", "Read Program", "Read Program Extra",
                                        "Store Program Extra", "Switch"}));
    ASSERT_EQ(host.Dialogs().size(), 2u);
    EXPECT_FALSE(host.Dialogs()[0].save) << "Load";
    EXPECT_TRUE(host.Dialogs()[1].save) << "Save";
    EXPECT_TRUE(s->OpDone);
    EXPECT_FALSE(s->EditBusy);
    EXPECT_TRUE(host.Problems().empty());
}

}  // namespace
