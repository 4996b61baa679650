#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "model/DefaultImage.h"
#include "model/DeviceDefaults.h"
#include "model/ModelState.h"

namespace {

using namespace model;

TEST(InitDeviceDefault, GivesTheSlotTheDefaultImageAndRecord) {
    auto ms = std::make_unique<ModelState>();
    DevImageRecord& img = ms->DevImage[7];
    img.ProgImage.fill(0x33);
    img.DevExtra.fill(0x44);
    img.PanelState.fill(0x55);
    DevParamRecord& par = ms->DevParam[7];
    par.SwitchPresetMask.fill(3);
    par.CurProgReg() = 4;
    par.GateEnable.fill(1);
    par.SlotStatus()[6] = 85;
    par.ExtraSlotName[0] = "Night";

    InitDeviceDefault(*ms, 7);

    EXPECT_TRUE(std::equal(DefaultImage.begin(), DefaultImage.end(), img.ProgImage.begin()));
    EXPECT_EQ(img.ProgImage[912], 0x33);
    EXPECT_EQ(std::string(img.ProgImage.begin() + 432, img.ProgImage.begin() + 448),
              "Program default ");
    // Settings block: record bytes 929..944 are DevExtra[16..31].
    const uint8_t block[16] = {0, 1, 0x44, 0x44, 0x44, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0x44, 0x44};
    for (int a = 0; a < 16; ++a) EXPECT_EQ(img.DevExtra[16 + a], block[a]) << "address " << 16 + a;
    EXPECT_EQ(img.DevExtra[15], 0x44);
    EXPECT_EQ(img.DevExtra[32], 0x44);
    EXPECT_TRUE(std::all_of(img.PanelState.begin(), img.PanelState.end(),
                            [](uint8_t b) { return b == 0x55; }));

    EXPECT_EQ(par.ExtEnableMask, 0);
    EXPECT_EQ(par.ExtActiveMode, 0);
    EXPECT_EQ(par.ExtPriority, 0);
    EXPECT_EQ(par.CurSwitchPreset, 0);
    EXPECT_EQ(par.DelayUnit(), 1.0);
    EXPECT_EQ(par.FrontPanelLock(), 1.0);
    for (double r : par.RegMirror) EXPECT_EQ(r, 1.0);
    for (double m : par.SwitchPresetMask) EXPECT_EQ(m, 0);
    EXPECT_EQ(par.SwitchPresetLink, 1.0);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(par.SlotStatus()[k], 0);
    for (const auto& name : par.SlotName) EXPECT_EQ(name, " Program Empty  ");
    // The extra slots keep what the slot knew until the new device is connected.
    EXPECT_EQ(par.SlotStatus()[6], 85);
    EXPECT_EQ(par.ExtraSlotName[0], "Night");
    EXPECT_EQ(par.CurProgName, "Factory Preset");
    // Left for the image application and the read-back.
    EXPECT_EQ(par.CurProgReg(), 4);
    EXPECT_EQ(par.GateEnable[0], 1);
}

TEST(InitDeviceDefault, TouchesOnlyItsSlotAndRepeatsIdentically) {
    auto ms = std::make_unique<ModelState>();
    InitDeviceDefault(*ms, 64);
    const DevImageRecord once = ms->DevImage[64];
    const DevParamRecord onceParam = ms->DevParam[64];
    InitDeviceDefault(*ms, 64);
    EXPECT_EQ(ms->DevImage[64], once);
    EXPECT_EQ(ms->DevParam[64], onceParam);
    EXPECT_EQ(ms->DevImage[63], DevImageRecord{});
    EXPECT_EQ(ms->DevParam[63], DevParamRecord{});

    InitDeviceDefault(*ms, 65);  // no such slot
    InitDeviceDefault(*ms, 255);
    EXPECT_EQ(ms->DevImage[0], DevImageRecord{});
}

}  // namespace
