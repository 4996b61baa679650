#include <gtest/gtest.h>

#include <memory>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "editor/ProgramSlotLabel.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

TEST(ProgramSlotLabel, NamesNormalAndExtraSlots) {
    model::DevParamRecord par;
    par.SlotName = {"Speech", "b", "c", "d", "e", "Sixth"};
    par.ExtraSlotName = {"Alarm", "x", "y", "Last"};
    EXPECT_EQ(ModFun::ProgramSlotCaption(0, par), "01: Speech");
    EXPECT_EQ(ModFun::ProgramSlotCaption(5, par), "06: Sixth");
    EXPECT_EQ(ModFun::ProgramSlotCaption(6, par), "E01: Alarm");
    EXPECT_EQ(ModFun::ProgramSlotCaption(9, par), "E04: Last");
    par.SlotName[2].clear();
    EXPECT_EQ(ModFun::ProgramSlotCaption(2, par), "03: ");
    EXPECT_EQ(ModFun::ProgramSlotCaption(10, par), "");
    EXPECT_EQ(ModFun::ProgramSlotCaption(-1, par), "");
}

TEST(ProgramSlotLabel, CaptionsTheCurrentDevicesEditor) {
    ui::HeadlessHost host;
    auto s = NewState(host);
    s->CurDev = 4;
    s->RunningProgSlot[4] = 7;
    s->DevParam[4].ExtraSlotName[1] = "Night";
    ModFun::LoadProgramSlotLabel(*s);
    EXPECT_EQ(FrmCtrlOf(*s, 4).Label8.Caption(), "E02: Night");
    EXPECT_FALSE(FrmCtrlOf(*s, 4).Loaded());
}

}  // namespace
