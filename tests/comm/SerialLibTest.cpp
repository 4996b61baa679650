#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "PtyPeer.h"
#include "comm/SerialLib.h"
#include "comm/Status.h"

namespace {

using commtest::Frame;
using commtest::MakeFrame;
using commtest::PtyPeer;
using commtest::ReplyTo;
using namespace std::chrono_literals;

// COM1 is the pseudo-terminal, COM2 a path with no device.
class SerialLibTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(peer.Path().empty());
        setenv("VELOTRIX_COM_PORTS", (peer.Path() + ",/nonexistent/ttyX").c_str(), 1);
        ASSERT_EQ(port.Init(13, 32), comm::kOk);
    }
    void TearDown() override { unsetenv("VELOTRIX_COM_PORTS"); }

    int32_t OpenCom1() {
        std::string name = "COM1";
        return port.Open(name, 57600);
    }

    PtyPeer peer;
    comm::SerialLib port;
};

TEST_F(SerialLibTest, ExchangesOneFrameAndOverwritesItWithTheReply) {
    peer.Start(PtyPeer::Mode::Answer);
    ASSERT_EQ(OpenCom1(), comm::kOk);
    EXPECT_EQ(port.IsOpen(), -1);

    const Frame request = MakeFrame(3, 0x28, 8);
    Frame frame = request;
    EXPECT_EQ(port.Transact(frame, 3000, true, false, 0), comm::kOk);
    EXPECT_EQ(frame, ReplyTo(request));
    EXPECT_EQ(peer.WaitFrames(1, 2s), std::vector<Frame>{request});

    Frame second = MakeFrame(3, 0x0E, 40);
    EXPECT_EQ(port.Transact(second, 3000, true, false, 5), comm::kOk);
    EXPECT_EQ(second, ReplyTo(MakeFrame(3, 0x0E, 40)));
    EXPECT_EQ(peer.WaitFrames(2, 2s).size(), 2u) << "a transaction never resends its frame";
}

TEST_F(SerialLibTest, MissingOrPartialRepliesFailAndLeaveTheFrame) {
    port.SetTimeoutScale(0.01);
    for (const auto& [mode, expected] : {std::pair{PtyPeer::Mode::Silent, comm::kTimedOut},
                                         std::pair{PtyPeer::Mode::Short, comm::kShortReply}}) {
        PtyPeer device;
        setenv("VELOTRIX_COM_PORTS", device.Path().c_str(), 1);
        device.Start(mode);
        ASSERT_EQ(OpenCom1(), comm::kOk);
        Frame frame = MakeFrame(0, 0x39);
        EXPECT_EQ(port.Transact(frame, 3000, true, false, 5), expected);
        EXPECT_EQ(frame, MakeFrame(0, 0x39));
        EXPECT_EQ(port.IsOpen(), -1) << "a failed exchange leaves the port open";
        port.Close();
    }
}

TEST_F(SerialLibTest, StaleInputIsDroppedBeforeTheFrameGoesOut) {
    peer.Start(PtyPeer::Mode::Answer);
    ASSERT_EQ(OpenCom1(), comm::kOk);
    const Frame late = ReplyTo(MakeFrame(0, 0x11, 1));
    peer.Write({late.begin(), late.end()});
    peer.Write({0x55, 0x66, 0x77});
    ASSERT_EQ(peer.WaitQueued(16, 2s), 16);

    Frame frame = MakeFrame(0, 0x12, 7);
    EXPECT_EQ(port.Transact(frame, 3000, true, false, 0), comm::kOk);
    EXPECT_EQ(frame, ReplyTo(MakeFrame(0, 0x12, 7)));
}

TEST_F(SerialLibTest, NoReplyModeOnlyWrites) {
    peer.Start(PtyPeer::Mode::Answer);
    ASSERT_EQ(OpenCom1(), comm::kOk);
    Frame frame = MakeFrame(0, 0x8F);
    EXPECT_EQ(port.Transact(frame, 500, true, true, 0), comm::kOk);
    EXPECT_EQ(frame, MakeFrame(0, 0x8F));
    EXPECT_EQ(peer.WaitFrames(1, 2s), std::vector<Frame>{MakeFrame(0, 0x8F)});
    EXPECT_EQ(peer.WaitQueued(13, 2s), 13) << "the device's answer stays unread";
}

TEST_F(SerialLibTest, UnpluggedPortFailsAndReportsClosed) {
    peer.Start(PtyPeer::Mode::Answer);
    ASSERT_EQ(OpenCom1(), comm::kOk);
    peer.Unplug();
    Frame frame = MakeFrame(0, 0x28);
    EXPECT_EQ(port.Transact(frame, 3000, true, false, 0), comm::kLinkLost);
    EXPECT_EQ(frame, MakeFrame(0, 0x28));
    EXPECT_EQ(port.IsOpen(), 0);
    EXPECT_EQ(port.Transact(frame, 3000, true, false, 0), comm::kNotOpen);
    port.Close();
    EXPECT_NE(OpenCom1(), comm::kOk) << "a device that went away cannot be opened";
}

TEST_F(SerialLibTest, UnplugDuringTheWaitEndsTheTransaction) {
    peer.Start(PtyPeer::Mode::Silent);
    ASSERT_EQ(OpenCom1(), comm::kOk);
    std::thread unplug([&] {
        peer.WaitFrames(1, 5s);
        peer.Unplug();
    });
    Frame frame = MakeFrame(0, 0x0E);
    EXPECT_EQ(port.Transact(frame, 10000, true, false, 0), comm::kLinkLost);
    unplug.join();
    EXPECT_EQ(port.IsOpen(), 0);
    EXPECT_EQ(port.Transact(frame, 10000, true, false, 0), comm::kNotOpen);
}

TEST_F(SerialLibTest, OpenIsExclusiveReopenableAndNoticesAnUnplug) {
    ASSERT_EQ(OpenCom1(), comm::kOk);
    comm::SerialLib other;
    ASSERT_EQ(other.Init(13, 32), comm::kOk);
    std::string name = "COM1";
    EXPECT_NE(other.Open(name, 57600), comm::kOk);
    EXPECT_EQ(other.IsOpen(), 0);

    EXPECT_EQ(OpenCom1(), comm::kOk) << "opening again replaces the open port";
    port.Close();
    EXPECT_EQ(port.IsOpen(), 0);
    EXPECT_EQ(other.Open(name, 57600), comm::kOk);
    EXPECT_EQ(other.IsOpen(), -1);
    EXPECT_EQ(name, "COM1");
    peer.Unplug();
    EXPECT_EQ(other.IsOpen(), 0) << "IsOpen notices an unplugged port";
}

TEST_F(SerialLibTest, RefusesBadNamesRatesSettingsAndNonTerminals) {
    for (std::string name :
         {"COM0", "COM2", "COM3", "COM33", "com1", "COM 1", "COM", "", "COM1x"}) {
        EXPECT_NE(port.Open(name, 57600), comm::kOk) << name;
        EXPECT_EQ(port.IsOpen(), 0) << name;
    }
    std::string com1 = "COM1";
    EXPECT_EQ(port.Open(com1, 12345), comm::kBadArgument);

    comm::SerialLib fresh;
    EXPECT_EQ(fresh.Open(com1, 57600), comm::kNotInitialised);
    EXPECT_EQ(fresh.Init(12, 32), comm::kBadArgument);
    EXPECT_EQ(fresh.Init(13, 0), comm::kBadArgument);
    Frame frame = MakeFrame(0, 0);
    EXPECT_EQ(fresh.Transact(frame, 100, true, false, 0), comm::kNotOpen);
    fresh.Close();

    setenv("VELOTRIX_COM_PORTS", "/dev/null", 1);
    EXPECT_EQ(OpenCom1(), comm::kOpenFailed) << "only terminals open";
}

}  // namespace
