#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormLayout.h"
#include "project/FrmSetID.h"
#include "project/FrmSetIP.h"
#include "ui/HeadlessHost.h"

namespace {

using Strings = std::vector<std::string>;

TEST(AddDeviceDialogs, Layout) {
    ui::HeadlessHost host;
    FrmSetIP ip(host);
    FrmSetID id(host);
    EXPECT_EQ(ip.Caption(), "Configure IP");
    EXPECT_EQ(ip.Frame1.Caption(), "IP Address");
    EXPECT_EQ(id.Caption(), "Configure ID");
    EXPECT_EQ(id.Frame1.Caption(), "ID Device");
    for (ui::Form* f : {static_cast<ui::Form*>(&ip), static_cast<ui::Form*>(&id)}) {
        EXPECT_EQ(apptest::LayoutProblems(*f), Strings{}) << f->Name();
    }
    EXPECT_EQ(ip.Command1(0).Caption(), "OK");
    EXPECT_EQ(ip.Command1(1).Caption(), "Cancel");
    EXPECT_LT(ip.Combo5.Left(), ip.Combo6.Left());
    EXPECT_LT(ip.Combo6.Left(), ip.Combo7.Left());
    EXPECT_LT(ip.Combo7.Left(), ip.Combo4.Left());
}

}  // namespace
