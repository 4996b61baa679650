#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/Wiring.h"
#include "model/DefaultImage.h"
#include "project/DeviceList.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

class DeviceListTest : public ::testing::Test {
  protected:
    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(DeviceListTest, FreeSlotsAreFoundFromTheLowest) {
    EXPECT_EQ(ModConfig::FindFreeDeviceSlot(*s), 0);
    for (model::DeviceRecord& rec : s->DevList) rec.Used = -1;
    EXPECT_EQ(ModConfig::FindFreeDeviceSlot(*s), 255);
    for (int16_t slot : {64, 1}) {
        s->DevList[slot].Used = 0;
        EXPECT_EQ(ModConfig::FindFreeDeviceSlot(*s), slot);
    }
}

// In the first and in the last slot, a device counts as a duplicate only while it is in the
// project, whatever its link kind.
TEST_F(DeviceListTest, DuplicatesCountOnlySlotsInTheProject) {
    s->NewDevIp = {10, 0, 0, 7};
    s->NewDevId = 9;
    for (int16_t slot : {0, 64}) {
        SCOPED_TRACE(slot);
        model::DeviceRecord& rec = s->DevList[slot];
        rec.IpOctets = {10, 0, 0, 7};
        rec.DevId = 9;
        EXPECT_FALSE(ModConfig::IsIpAlreadyInserted(*s));
        EXPECT_FALSE(ModConfig::IsIdAlreadyInserted(*s));
        rec.Used = -1;
        rec.LinkKind = 1;
        EXPECT_TRUE(ModConfig::IsIpAlreadyInserted(*s));
        EXPECT_TRUE(ModConfig::IsIdAlreadyInserted(*s));
        rec.IpOctets = {10, 0, 7, 0};
        rec.DevId = 10;
        EXPECT_FALSE(ModConfig::IsIpAlreadyInserted(*s));
        EXPECT_FALSE(ModConfig::IsIdAlreadyInserted(*s));
    }
}

TEST_F(DeviceListTest, InsertingFillsTheSlotForTheLinkType) {
    s->LinkType = 2;
    s->NewDevIp = {127, 0, 0, 12};
    ModConfig::InsertDevice(*s, 4);
    const model::DeviceRecord& tcp = s->DevList[4];
    EXPECT_EQ(tcp.IpText, "127.0.0.12");
    EXPECT_EQ(tcp.IpOctets, s->NewDevIp);
    EXPECT_EQ(tcp.DevId, 255);
    EXPECT_EQ(tcp.LinkKind, 2);
    EXPECT_EQ(tcp.Used, -1);
    EXPECT_EQ(tcp.Online, 0);
    EXPECT_EQ(tcp.NickName, "no-name");
    EXPECT_EQ(s->DevAddr[4], 4);
    EXPECT_EQ(s->DevSlot[4][0], 4);
    EXPECT_TRUE(std::equal(model::DefaultImage.begin(), model::DefaultImage.end(),
                           s->DevImage[4].ProgImage.begin()));

    s->LinkType = 1;
    s->NewDevId = 23;
    s->DevList[6].IpOctets = {1, 2, 3, 4};
    s->DevSlot[6][10] = 1;
    ModConfig::InsertDevice(*s, 6);
    EXPECT_EQ(s->DevList[6].DevId, 23);
    EXPECT_EQ(s->DevList[6].LinkKind, 1);
    EXPECT_EQ(s->DevList[6].IpOctets, (std::array<uint8_t, 4>{1, 2, 3, 4}));
    EXPECT_EQ(s->DevAddr[6], 23);
    EXPECT_EQ(s->DevSlot[6][10], 0);

    s->LinkType = 0;
    ModConfig::InsertDevice(*s, 0);
    EXPECT_EQ(s->DevList[0].DevId, 0);
    EXPECT_EQ(s->DevList[0].LinkKind, 0);
    EXPECT_EQ(s->DevAddr[0], 0);
    EXPECT_EQ(s->DevSlot[0][0], 0);
}

TEST_F(DeviceListTest, ResettingTouchesOneSlotOnly) {
    s->LinkType = 2;
    ModConfig::InsertDevice(*s, 1);
    ModConfig::InsertDevice(*s, 2);
    const model::DeviceRecord second = s->DevList[2];
    ModConfig::ResetDeviceRecord(*s, 1);
    EXPECT_EQ(s->DevList[1], model::DeviceRecord{});
    EXPECT_EQ(s->DevList[2], second);
    ModConfig::InitProjectDevices(*s);
    EXPECT_EQ(s->DevList[2], model::DeviceRecord{});
}

}  // namespace
