#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormLayout.h"
#include "Program.h"
#include "app/MDIFrmMain.h"

namespace {

using Strings = std::vector<std::string>;

TEST(CommandBar, CaptionsAndToolTips) {
    apptest::Session p;
    MDIFrmMain main(*p.state);
    Strings captions, tips;
    main.Command1.ForEach([&](int16_t, ui::CommandButton& b) {
        captions.push_back(b.Caption());
        tips.push_back(b.ToolTipText());
    });
    EXPECT_EQ(captions, (Strings{"Load Project", "Save Project", "Add Device", "Remove Device",
                                 "Connect All", "TCP/IP", "Exit", "ID && IP", "IP Search"}));
    EXPECT_EQ(tips, (Strings{"Load project", "Save project", "Add new device",
                             "Remove all device(s)", "Connect all device(s)", "Select USB/TCP-IP",
                             "Exit", "Configure ID-RS485 and IP-Address", "Search IP address"}));
    EXPECT_EQ(main.Caption(), "Velotrix");
    EXPECT_EQ(main.GetFormKind(), ui::FormKind::MdiMain);
}

TEST(CommandBar, ExitButtonFollowsTheRightEdge) {
    apptest::Session p;
    MDIFrmMain main(*p.state);
    main.Show();
    ui::CommandButton& exit = main.Command1(MDIFrmMain::CmdExit);
    main.UserResize(8000, 6000);
    EXPECT_EQ(exit.Left(), 10635 - exit.Width() - 200);
    main.UserResize(15000, 6000);
    EXPECT_EQ(exit.Left(), 15000 - exit.Width() - 200);
    main.UserMinimize();
    main.Move(main.Left(), main.Top(), 20000, 6000);
    EXPECT_EQ(exit.Left(), 15000 - exit.Width() - 200) << "a minimised window is left alone";
}

TEST(CommandBar, NoOverlapDownToTheNarrowestLayout) {
    apptest::Session p;
    MDIFrmMain main(*p.state);
    main.Show();
    for (int16_t link : {0, 2}) {
        main.ApplyButtonStates({false, false, link, false});
        for (ui::Twips w : {10635, 12000, 15360}) {
            main.UserResize(w, 8000);
            EXPECT_EQ(apptest::LayoutProblems(main), Strings{}) << "width " << w;
        }
    }
}

struct BarLook {
    bool enabled[9];
    bool visible[9];
};

BarLook Look(MDIFrmMain& main) {
    BarLook l{};
    for (int16_t i = 0; i < 9; ++i) {
        l.enabled[i] = main.Command1(i).Enabled();
        l.visible[i] = main.Command1(i).Visible();
    }
    return l;
}

TEST(CommandBar, StatesWithAndWithoutDevicesAndEditors) {
    apptest::Session p;
    MDIFrmMain main(*p.state);
    main.Command1(MDIFrmMain::CmdAddDevice).SetEnabled(false);

    main.ApplyButtonStates({.EditorOpen = false, .AnyDevice = false, .LinkType = 2});
    BarLook l = Look(main);
    EXPECT_TRUE(l.enabled[0]);
    EXPECT_FALSE(l.enabled[1]);
    EXPECT_FALSE(l.enabled[3]);
    EXPECT_FALSE(l.enabled[4]);
    EXPECT_TRUE(l.enabled[5]);
    EXPECT_FALSE(l.enabled[2]) << "Add Device is not the timer's business";
    EXPECT_TRUE(l.enabled[6]);

    main.ApplyButtonStates({.EditorOpen = false, .AnyDevice = true, .LinkType = 2});
    l = Look(main);
    EXPECT_TRUE(l.enabled[0] && l.enabled[1] && l.enabled[3] && l.enabled[4]);
    EXPECT_FALSE(l.enabled[5]);

    main.ApplyButtonStates({.EditorOpen = true, .AnyDevice = true, .LinkType = 2});
    l = Look(main);
    EXPECT_FALSE(l.enabled[0] || l.enabled[3] || l.enabled[4] || l.enabled[5]);
    EXPECT_TRUE(l.enabled[1]);
}

TEST(CommandBar, LinkTypeDecidesBetweenIdIpAndIpSearch) {
    apptest::Session p;
    MDIFrmMain main(*p.state);
    main.ApplyButtonStates({.LinkType = 0, .UsbDeviceOnline = false});
    BarLook l = Look(main);
    EXPECT_TRUE(l.visible[7]);
    EXPECT_FALSE(l.enabled[7]);
    EXPECT_FALSE(l.visible[8]);
    main.ApplyButtonStates({.LinkType = 0, .UsbDeviceOnline = true});
    EXPECT_TRUE(main.Command1(7).Enabled());
    main.ApplyButtonStates({.LinkType = 2});
    l = Look(main);
    EXPECT_FALSE(l.visible[7]);
    EXPECT_TRUE(l.visible[8]);
    main.ApplyButtonStates({.LinkType = 1});
    l = Look(main);
    EXPECT_FALSE(l.visible[7] || l.visible[8]);
    EXPECT_TRUE(l.visible[6]) << "Exit is always there";
}

}  // namespace
