// Delay, compressor and limiter end to end against the device: typed, stepped and clicked
// edits on the output tabs and in the compressor and limiter dialog reach the device's memory,
// read back over the wire; the dialog's meters follow the simulated device's meter bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "devsim/Device.h"
#include "devsim/DeviceState.h"
#include "editor/FrmCtrl.h"
#include "model/AddressTables.h"
#include "processing/FrmLimiter.h"
#include "protocol/Commands.h"
#include "support/EditorRoad.h"

namespace {

using Bytes = std::vector<uint8_t>;
using testsupport::Enter;

class DynamicsRoad : public testsupport::EditorRoadTest {
  protected:
    // One device connected, its editor open on output o's tab.
    FrmCtrl& OpenOutput(int16_t o) { return ConnectAndEdit(static_cast<int16_t>(o + 1)); }
    // The last request's code and data bytes start with these, as the simulator logged it
    // (not checked on an outside device).
    void ExpectLastRequest(const Bytes& start) {
        if (!Simulated()) return;
        const auto log = H().Device().Log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(Bytes(log.back().request.begin() + 3,
                        log.back().request.begin() + 3 + static_cast<long>(start.size())),
                  start);
    }
};

TEST_F(DynamicsRoad, DelaysTypedInMillisecondsAndMetresAndStepped) {
    FrmCtrl& f = OpenOutput(2);
    const int a = model::DelayAddr[2];
    f.SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    f.Option1(0).UserClick();
    f.SSTab1.UserSelectTab(3);
    Enter(f.Text2(2), "10.5");
    EXPECT_EQ(f.Text2(2).Text(), "10.499");
    EXPECT_EQ(Memory(a, 3), (Bytes{0, 10, 24}));
    EXPECT_EQ(f.Label100(222).Caption(), "10.499 ms");
    EXPECT_EQ(S().OutDelaySamples[slot][2], 504);

    Enter(f.Text2(2), "1.832");
    EXPECT_EQ(f.Text2(2).Text(), "1.832");
    EXPECT_EQ(Memory(a, 3), (Bytes{0, 1, 40}));
    f.UpDown2(2).UserUp();
    EXPECT_EQ(f.Text2(2).Text(), "2.832");
    f.UpDown1(2).UserDown();
    EXPECT_EQ(f.Text2(2).Text(), "2.811");
    EXPECT_EQ(Memory(a, 3), (Bytes{0, 2, 39}));

    Enter(f.Text2(2), "500");
    EXPECT_EQ(f.Text2(2).Text(), "380.998");
    EXPECT_EQ(Memory(a, 3), (Bytes{0x01, 0x7C, 48}));

    // Metres: the unit option sends nothing and shows every output in metres.
    ClearLog();
    f.SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    f.Option1(1).UserClick();
    ExpectRequests({});
    EXPECT_EQ(f.Label100(222).Caption(), "129.53 m");
    f.SSTab1.UserSelectTab(3);
    EXPECT_EQ(f.Frame3(2).Caption(), "Delay [ m ]");
    Enter(f.Text2(2), "1.5");
    EXPECT_EQ(f.Text2(2).Text(), "1.5");
    EXPECT_EQ(Memory(a, 3), (Bytes{0, 4, 20}));
    Enter(f.Text2(2), "130");
    EXPECT_EQ(f.Text2(2).Text(), "129.53");
    EXPECT_EQ(Memory(a, 3), (Bytes{0x01, 0x7C, 48}));

    // Letters become blanks; what stands before the first blank counts.
    f.SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    f.Option1(0).UserClick();
    f.SSTab1.UserSelectTab(3);
    testsupport::Retype(f.Text2(2), "1x5");
    EXPECT_EQ(f.Text2(2).Text(), "1 5");
    f.Text2(2).UserKey(13);
    EXPECT_EQ(Memory(a, 3), (Bytes{0, 1, 0}));
    EXPECT_TRUE(H().host.Messages().empty());

    // Bypass: the bit on the device, the graph without the delay.
    f.Command8(2).UserClick();
    EXPECT_EQ(Memory(model::DelayBypAddr, 1), (Bytes{0x04}));
    EXPECT_EQ(f.Command8(2).BackColor(), ui::vbRed);
    EXPECT_EQ(S().OutDelaySamples[slot][2], 0);
    f.Command8(2).UserClick();
    EXPECT_EQ(Memory(model::DelayBypAddr, 1), (Bytes{0x00}));
    EXPECT_EQ(S().OutDelaySamples[slot][2], 48);
    ExpectIdle();
}

// The unit chosen stays with its device: its editor opened anew shows every delay in metres,
// while the other device, whose editor was open beside it, keeps milliseconds. Both devices
// show time to begin with; choosing sends nothing. Two devices on TCP/IP: beside an outside
// device the second is simulated, an outside device on USB cannot serve it.
TEST_F(DynamicsRoad, TheDelayUnitStaysWithItsDevice) {
    testsupport::DeviceOptions options;
    options.tcpDevices = 2;
    const std::vector<int16_t> slots = Connect(options);
    for (int16_t at : slots) {
        ASSERT_TRUE(H().ChangeMemory(at, 17, {0}));
        Reconnect(at);
    }
    Edit(slots[1]);
    FrmCtrl& f = Edit(slots[0], 3);
    Enter(f.Text2(2), "10.5");
    f.SSTab1.UserSelectTab(FrmCtrl::kTabOverview);
    ClearLog();
    f.Option1(1).UserClick();
    ExpectRequests({});
    for (int16_t at : slots) CloseEditor(at);

    FrmCtrl& metres = Edit(slots[0]);
    EXPECT_TRUE(metres.Option1(1).Value());
    for (int16_t o = 0; o < 8; ++o) EXPECT_EQ(metres.Frame3(o).Caption(), "Delay [ m ]") << o;
    EXPECT_EQ(metres.Text2(2).Text(), "3.56");
    EXPECT_EQ(metres.Label100(222).Caption(), "3.56 m");
    EXPECT_EQ(metres.Label100(220).Caption(), "0 m");
    FrmCtrl& time = Edit(slots[1]);
    EXPECT_TRUE(time.Option1(0).Value());
    for (int16_t o = 0; o < 8; ++o) EXPECT_EQ(time.Frame3(o).Caption(), "Delay [ ms ]") << o;
    EXPECT_EQ(time.Label100(220).Caption(), "0 ms");
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(DynamicsRoad, CompressorAndLimiterByTypingBySlidersAndTheirBypasses) {
    FrmCtrl& f = OpenOutput(2);
    const int c = model::CompAddr[2];
    const int l = model::LimAddr[2];
    Enter(f.Text400(2), "-10.13");
    EXPECT_EQ(f.Text400(2).Text(), "-10.2");
    EXPECT_EQ(f.Slider400(2).Value(), 141);
    EXPECT_EQ(Memory(c, 1), (Bytes{99}));
    Enter(f.Text401(2), "4");
    f.Text401(2).UserKey(13);  // Enter on the shown "4:1"
    EXPECT_EQ(f.Slider401(2).Value(), 28);
    EXPECT_EQ(f.Text401(2).Text(), "4:1");
    EXPECT_EQ(f.Label100(232).ToolTipText(), "Threshold=-10.2dBu - Ratio=4:1");
    Enter(f.Text402(2), "150");
    EXPECT_EQ(f.Slider402(2).Value(), 0);
    Enter(f.Text403(2), "1.26");
    EXPECT_EQ(f.Text403(2).Text(), "1.3");
    EXPECT_EQ(f.Slider403(2).Value(), 17);
    ExpectLastRequest({CmdOutCompressor, 10, 1});  // an attack edit is sub-code 1
    Enter(f.Text404(2), "33");
    EXPECT_EQ(f.Text404(2).Text(), "30");
    ExpectLastRequest({CmdOutCompressor, 10, 2});  // a release edit is sub-code 2
    EXPECT_EQ(Memory(c, 5), (Bytes{99, 3, 100, 12, 17}));

    Enter(f.Text9(2), "25");
    EXPECT_EQ(f.Text9(2).Text(), "18");
    EXPECT_EQ(f.Label100(252).ToolTipText(), "18 dBu");
    Enter(f.Text10(2), "0");
    EXPECT_EQ(f.Text10(2).Text(), "0.1");
    Enter(f.Text11(2), "500");
    EXPECT_EQ(f.Slider6(2).Value(), 0);
    EXPECT_EQ(Memory(l, 3), (Bytes{29, 0, 240}));

    f.Slider401(2).UserScroll(31);
    EXPECT_EQ(f.Text401(2).Text(), "1:1");
    f.Slider402(2).UserScroll(50);
    f.Slider4(2).UserScroll(240);
    EXPECT_EQ(f.Text9(2).Text(), "-30");
    f.Slider5(2).UserScroll(10);
    ExpectLastRequest({CmdOutLimiter, 10, 0, 0, 0, 0, 29, 19, 0});
    EXPECT_EQ(Memory(c, 5), (Bytes{99, 0, 50, 12, 17}));
    EXPECT_EQ(Memory(l, 3), (Bytes{29, 19, 0}));
    EXPECT_TRUE(H().host.Messages().empty());

    // Bypasses of several outputs.
    f.SSTab1.UserSelectTab(1);
    f.Command5(0).UserClick();
    f.SSTab1.UserSelectTab(6);
    f.Command5(5).UserClick();
    f.SSTab1.UserSelectTab(4);
    f.Command5(3).UserClick();
    ExpectLastRequest({CmdOutCompressor, 11, 0, 41});
    f.Command7(3).UserClick();
    f.Command7(3).UserClick();
    f.SSTab1.UserSelectTab(2);
    f.Command7(1).UserClick();
    EXPECT_EQ(Memory(model::CompBypAddr, 2), (Bytes{41, 0x02}));
    EXPECT_EQ(f.Command5(5).BackColor(), ui::vbRed);
    EXPECT_EQ(f.Command7(3).BackColor(), ui::vbButtonFace);
}

TEST_F(DynamicsRoad, TheDialogEditsTheOutputAndMetersTheDevice) {
    FrmCtrl& f = OpenOutput(2);
    if (Simulated()) {
        H().Device().Update([](devsim::DeviceState& d) {
            d.meters.limiterMeter[2] = 91;
            d.meters.gainReduction[2] = 0;
        });
    }
    bool driven = false;
    H().host.DriveModal("FrmLimiter", [&](ui::Form& form) {
        auto& d = dynamic_cast<FrmLimiter&>(form);
        driven = true;
        EXPECT_EQ(d.Caption(), "RMS Compressor & Peak Limiter - Output 3");
        Enter(d.Text400, "-10");
        d.Slider401.UserScroll(30);  // 2:1
        d.Slider402.UserScroll(50);  // knee 50 %
        EXPECT_EQ(d.Text402.Text(), "50");
        EXPECT_EQ(f.Slider402(2).Value(), 50);
        Enter(d.Text9, "-6");
        EXPECT_EQ(d.Label4.Caption(), "Thr = -6 dBu = 0.549 Vp");
        Enter(d.Text10, "1.04");
        EXPECT_EQ(d.Slider5.Value(), 20);
        d.Command7.UserClick();
        EXPECT_EQ(d.Command7.BackColor(), ui::vbRed);

        H().host.Advance(300);
        if (Simulated()) {
            EXPECT_EQ(d.Label8.Caption(), "14.5");
            H().host.Advance(500);
            EXPECT_EQ(d.Label5.Caption(), "60");
            EXPECT_EQ(d.Label7.Height(), 2895);
            H().Device().Update([](devsim::DeviceState& dev) { dev.meters.limiterMeter[2] = 200; });
            H().host.Advance(500);
            EXPECT_EQ(d.Label8.Caption(), "0") << "a byte above 120 counts as 120";
            EXPECT_EQ(d.Label6.Height(), 15);
            // Without an exchange the meter keeps what the device said last, not an older one.
            S().CommEnabled = false;
            H().host.Advance(500);
            EXPECT_EQ(d.Label5.Caption(), "60");
            S().CommEnabled = true;
        } else {
            H().host.Advance(1000);
        }
        EXPECT_EQ(S().DevList[slot].Online, 1) << "the meters' polls went through";
        d.UserClose();
    });
    f.Command50(2).UserClick();
    ASSERT_TRUE(driven);
    EXPECT_TRUE(H().host.Problems().empty());
    EXPECT_EQ(Memory(model::CompAddr[2], 3), (Bytes{100, 1, 50}));
    const uint8_t release = S().DevImage[slot].ProgImage[model::LimAddr[2]];
    EXPECT_EQ(Memory(model::LimAddr[2], 3), (Bytes{release, 9, 120}));
    EXPECT_EQ(Memory(model::LimBypAddr, 1), (Bytes{0x04}));
    EXPECT_EQ(f.Text400(2).Text(), "-10");
    EXPECT_EQ(f.Text9(2).Text(), "-6");
    EXPECT_EQ(f.Command7(2).BackColor(), ui::vbRed);
    ExpectIdle();
}

}  // namespace
