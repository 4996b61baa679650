#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FormLayout.h"
#include "app/Wiring.h"
#include "project/FrmSetID.h"
#include "project/FrmSetIP.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

using Strings = std::vector<std::string>;
using Ip = std::array<uint8_t, 4>;

struct Dialogs : ::testing::Test {
    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);

    // Shows the dialog modally while the driver acts on it; the messages it showed.
    template <class Dialog>
    std::vector<ui::HeadlessHost::Message> Run(const std::function<void(Dialog&)>& driver) {
        Dialog d(*s);
        host.DriveModal(d.Name(), [&](ui::Form& f) { driver(static_cast<Dialog&>(f)); });
        d.ShowModal();
        EXPECT_TRUE(host.Problems().empty()) << host.Problems().front();
        return host.TakeMessages();
    }
    void InProject(int16_t slot, const Ip& ip, int16_t id) {
        s->DevList[slot].Used = -1;
        s->DevList[slot].IpOctets = ip;
        s->DevList[slot].DevId = id;
    }
};

void Pick(FrmSetIP& d, const Ip& ip) {
    d.Combo5.UserSelect(ip[0]);
    d.Combo6.UserSelect(ip[1]);
    d.Combo7.UserSelect(ip[2]);
    d.Combo4.UserSelect(ip[3]);
}

TEST_F(Dialogs, Layout) {
    FrmSetIP ip(*s);
    FrmSetID id(*s);
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

TEST_F(Dialogs, ListsProposeTheLastAddressAndSkipZero) {
    s->NewDevIp = {10, 0, 0, 7};
    Run<FrmSetIP>([](FrmSetIP& d) {
        EXPECT_EQ(d.Combo5.ListCount(), 224);
        EXPECT_EQ(d.Combo6.ListCount(), 256);
        EXPECT_EQ(d.Combo7.ListCount(), 256);
        EXPECT_EQ(d.Combo4.ListCount(), 255);
        EXPECT_EQ(d.Combo5.List(223), "223");
        EXPECT_EQ(d.Combo5.ListIndex(), 10);
        EXPECT_EQ(d.Combo6.ListIndex(), 0) << "octets 2 and 3 may be 0";
        EXPECT_EQ(d.Combo4.ListIndex(), 7);
        d.Combo5.UserSelect(0);
        d.Combo4.UserSelect(0);
        d.Combo7.UserSelect(0);
        EXPECT_EQ(d.Combo5.ListIndex(), 1);
        EXPECT_EQ(d.Combo4.ListIndex(), 1);
        EXPECT_EQ(d.Combo7.ListIndex(), 0);
        d.Command1(1).UserClick();
    });
    EXPECT_FALSE(s->AddDevOk);
    EXPECT_EQ(s->NewDevIp, (Ip{10, 0, 0, 7})) << "Cancel takes nothing over";

    s->NewDevId = 0;
    Run<FrmSetID>([](FrmSetID& d) {
        EXPECT_EQ(d.Combo4.ListCount(), 65);
        EXPECT_EQ(d.Combo4.ListIndex(), 1) << "ID 0 is not offered";
        d.Combo4.UserSelect(64);
        d.Command1(0).UserClick();
    });
    EXPECT_TRUE(s->AddDevOk);
    EXPECT_EQ(s->NewDevId, 64);
}

TEST_F(Dialogs, HighestAddressIsAccepted) {
    Run<FrmSetIP>([](FrmSetIP& d) {
        Pick(d, {223, 255, 255, 254});
        d.Command1(0).UserClick();
    });
    EXPECT_TRUE(s->AddDevOk);
    EXPECT_EQ(s->NewDevIp, (Ip{223, 255, 255, 254}));
    EXPECT_EQ(s->NewDevSlot, 0);
}

TEST_F(Dialogs, ADuplicateAddressKeepsTheDialogOpen) {
    InProject(0, {10, 0, 0, 5}, 255);
    InProject(1, {10, 0, 0, 6}, 255);
    s->DevList[2].IpOctets = {10, 0, 0, 8};  // a free slot's address is no duplicate
    auto m = Run<FrmSetIP>([](FrmSetIP& d) {
        Pick(d, {10, 0, 0, 6});
        d.Command1(0).UserClick();
        EXPECT_TRUE(d.Visible());
        Pick(d, {10, 0, 0, 8});
        d.Command1(0).UserClick();
    });
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].prompt, "IP addess already inserted");
    EXPECT_EQ(m[0].title, "Add Device");
    EXPECT_EQ(m[0].style, ui::vbExclamation);
    EXPECT_TRUE(s->AddDevOk);
    EXPECT_EQ(s->NewDevSlot, 2);

    m = Run<FrmSetIP>([](FrmSetIP& d) {
        Pick(d, {10, 0, 0, 5});
        d.Command1(0).UserClick();
        d.Command1(1).UserClick();
    });
    EXPECT_EQ(m.size(), 1u);
    EXPECT_FALSE(s->AddDevOk);
    EXPECT_EQ(s->NewDevIp, (Ip{10, 0, 0, 5})) << "the refused address is the next proposal";
}

TEST_F(Dialogs, ADuplicateIdKeepsTheDialogOpen) {
    InProject(4, {}, 12);
    auto m = Run<FrmSetID>([](FrmSetID& d) {
        d.Combo4.UserSelect(12);
        d.Command1(0).UserClick();
        EXPECT_TRUE(d.Visible());
        d.Combo4.UserSelect(13);
        d.Command1(0).UserClick();
    });
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].prompt, "ID device already inserted");
    EXPECT_EQ(m[0].title, "Add Device");
    EXPECT_TRUE(s->AddDevOk);
    EXPECT_EQ(s->NewDevId, 13);
    EXPECT_EQ(s->NewDevSlot, 0);
}

TEST_F(Dialogs, AFullListClosesTheDialogWithoutAVerdict) {
    for (int16_t slot = 0; slot < 65; ++slot) InProject(slot, {10, 0, 0, 1}, 1);
    auto m = Run<FrmSetIP>([](FrmSetIP& d) {
        Pick(d, {10, 0, 0, 2});
        d.Command1(0).UserClick();
    });
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].prompt, "Already 64 devices inserted");
    EXPECT_FALSE(s->AddDevOk);
    EXPECT_EQ(s->NewDevSlot, 255);

    m = Run<FrmSetID>([](FrmSetID& d) {
        d.Combo4.UserSelect(2);
        d.Command1(0).UserClick();
    });
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].prompt, "Max devices inserted");
    EXPECT_EQ(m[0].title, "Add Device");
    EXPECT_FALSE(s->AddDevOk);
}

}  // namespace
