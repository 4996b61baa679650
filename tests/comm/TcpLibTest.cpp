#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <string>
#include <thread>

#include "TcpPeer.h"
#include "comm/Status.h"
#include "comm/TcpLib.h"
#include "comm/TcpSocket.h"
#include "ui/HeadlessHost.h"

namespace {

using commtest::Frame;
using commtest::MakeFrame;
using commtest::ReplyTo;
using commtest::TcpPeer;
using namespace std::chrono_literals;

class TcpLibTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(tcp.Init(65), comm::kOk); }

    int32_t Connect(int32_t slot, std::string address, int32_t port, int32_t timeoutMs = 200) {
        return tcp.Connect(slot, address, port, timeoutMs);
    }
    // Sends request on the slot, which must succeed, and receives with a 3000 ms time-out.
    int32_t Exchange(int32_t slot, Frame request, Frame& reply) {
        EXPECT_EQ(tcp.Send(slot, request), comm::kOk);
        int32_t timeout = 3000;
        return tcp.Receive(slot, reply, timeout);
    }
    // Waits, within reason, until the slot's connection is seen closed.
    int16_t IsConnectedAfterAWhile(int32_t slot) {
        for (int i = 0; i < 200 && tcp.IsConnected(slot) != 0; ++i)
            std::this_thread::sleep_for(10ms);
        return tcp.IsConnected(slot);
    }

    ui::HeadlessHost host;
    comm::TcpLib tcp{host};
};

TEST_F(TcpLibTest, ExchangesFramesOnASlot) {
    TcpPeer peer("127.61.0.1");
    peer.Serve();
    ASSERT_EQ(Connect(3, "127.61.0.1", peer.Port()), comm::kOk);
    EXPECT_EQ(tcp.IsConnected(3), -1);
    EXPECT_EQ(tcp.IsConnected(4), 0);

    Frame request = MakeFrame(3, 0x39);
    EXPECT_EQ(tcp.Send(3, request), comm::kOk);
    Frame reply{};
    int32_t timeout = 3000;
    EXPECT_EQ(tcp.Receive(3, reply, timeout), comm::kOk);
    EXPECT_EQ(reply, ReplyTo(MakeFrame(3, 0x39)));
    EXPECT_EQ(timeout, 3000);
    EXPECT_EQ(request, MakeFrame(3, 0x39));
    EXPECT_EQ(peer.WaitFrames(1, 2s), std::vector<Frame>{request});

    EXPECT_EQ(tcp.Disconnect(3), comm::kOk);
    EXPECT_EQ(tcp.IsConnected(3), 0);
    EXPECT_EQ(tcp.Send(3, request), comm::kNotOpen);
    EXPECT_EQ(tcp.Receive(3, reply, timeout), comm::kNotOpen);
    EXPECT_EQ(tcp.Disconnect(3), comm::kNotOpen);
}

TEST_F(TcpLibTest, MissingOrPartialRepliesFailAndKeepTheConnection) {
    TcpPeer peer("127.61.0.2");
    peer.Serve([](const Frame& f) -> std::vector<uint8_t> {
        if (f[4] == 1) return {};
        if (f[4] == 2) return {0xF0, 0x46, 0, 0x39, 0x46};
        return commtest::Answer(f);
    });
    tcp.SetTimeoutScale(0.01);
    ASSERT_EQ(Connect(0, "127.61.0.2", peer.Port(), 20000), comm::kOk);
    const Frame untouched = MakeFrame(9, 9, 9);
    Frame reply = untouched;
    EXPECT_EQ(Exchange(0, MakeFrame(0, 0x28, 1), reply), comm::kTimedOut);
    EXPECT_EQ(reply, untouched);
    EXPECT_EQ(Exchange(0, MakeFrame(0, 0x28, 2), reply), comm::kShortReply);
    EXPECT_EQ(reply, untouched);
    EXPECT_EQ(tcp.IsConnected(0), -1);
    EXPECT_EQ(Exchange(0, MakeFrame(0, 0x28, 3), reply), comm::kOk);
    EXPECT_EQ(reply, ReplyTo(MakeFrame(0, 0x28, 3)));
}

TEST_F(TcpLibTest, ALateReplyIsNotTakenForTheNextOne) {
    TcpPeer peer("127.61.0.3");
    peer.Serve(
        [](const Frame& f) { return f[4] == 1 ? std::vector<uint8_t>{} : commtest::Answer(f); });
    tcp.SetTimeoutScale(0.01);
    ASSERT_EQ(Connect(7, "127.61.0.3", peer.Port(), 20000), comm::kOk);
    const Frame first = MakeFrame(7, 0x0E, 1);
    Frame reply{};
    int32_t timeout = 3000;
    EXPECT_EQ(Exchange(7, first, reply), comm::kTimedOut);
    peer.WaitFrames(1, 2s);
    const Frame late = ReplyTo(first);
    peer.Write({late.begin(), late.end()});
    peer.Write({0x01, 0x02});

    Frame second = MakeFrame(7, 0x0E, 5);
    EXPECT_EQ(tcp.Send(7, second), comm::kOk);
    tcp.SetTimeoutScale(1.0);
    EXPECT_EQ(tcp.Receive(7, reply, timeout), comm::kOk);
    EXPECT_EQ(reply, ReplyTo(second));
}

TEST_F(TcpLibTest, RefusedAndUnansweredConnectsFail) {
    commtest::LoopbackSocket closedPort("127.61.0.4", 0, false);
    EXPECT_EQ(Connect(1, "127.61.0.4", closedPort.Port()), comm::kConnectFailed);
    EXPECT_EQ(tcp.IsConnected(1), 0);

    commtest::StalledListener stalled("127.61.0.4");
    tcp.SetTimeoutScale(0.5);
    EXPECT_EQ(Connect(1, "127.61.0.4", stalled.Port(), 200), comm::kTimedOut);
    EXPECT_EQ(tcp.IsConnected(1), 0);
}

TEST_F(TcpLibTest, NoticesAPeerThatClosed) {
    TcpPeer idle("127.61.0.5");
    TcpPeer talking("127.61.0.6");
    idle.Serve();
    talking.Serve();
    ASSERT_EQ(Connect(10, "127.61.0.5", idle.Port()), comm::kOk);
    ASSERT_EQ(Connect(11, "127.61.0.6", talking.Port()), comm::kOk);
    Frame frame = MakeFrame(11, 0x00);
    ASSERT_EQ(tcp.Send(11, frame), comm::kOk);
    talking.WaitFrames(1, 2s);

    idle.Hangup();
    EXPECT_EQ(IsConnectedAfterAWhile(10), 0);
    EXPECT_EQ(tcp.Send(10, frame), comm::kNotOpen);

    talking.Hangup();
    Frame reply{};
    int32_t timeout = 10000;
    EXPECT_EQ(tcp.Receive(11, reply, timeout), comm::kOk) << "the reply came before the close";
    EXPECT_EQ(tcp.Receive(11, reply, timeout), comm::kLinkLost);
    EXPECT_EQ(tcp.IsConnected(11), 0);
}

TEST_F(TcpLibTest, RefusesBadAddressesSlotsAndPorts) {
    TcpPeer peer("127.61.0.7");
    for (const char* bad : {"1.2.3", "256.1.1.1", " 127.61.0.7", "127.61.0.7 ", "127.61.0.07x",
                            "0127.61.0.7", "", "localhost"}) {
        EXPECT_EQ(Connect(0, bad, peer.Port()), comm::kBadAddress) << '"' << bad << '"';
    }
    Frame frame = MakeFrame(0, 0);
    int32_t timeout = 100;
    for (const int32_t slot : {-1, 65, 1000}) {
        EXPECT_EQ(Connect(slot, "127.61.0.7", peer.Port()), comm::kBadArgument);
        EXPECT_EQ(tcp.Send(slot, frame), comm::kBadArgument);
        EXPECT_EQ(tcp.Receive(slot, frame, timeout), comm::kBadArgument);
        EXPECT_EQ(tcp.Disconnect(slot), comm::kBadArgument);
        EXPECT_EQ(tcp.IsConnected(slot), 0);
    }
    EXPECT_EQ(Connect(0, "127.61.0.7", 0), comm::kBadArgument);
    EXPECT_EQ(Connect(0, "127.61.0.7", 65536), comm::kBadArgument);
    EXPECT_EQ(Connect(64, "127.61.0.7", peer.Port()), comm::kOk);

    comm::TcpLib fresh(host);
    std::string address = "127.61.0.7";
    EXPECT_EQ(fresh.Connect(0, address, peer.Port(), 200), comm::kNotInitialised);
    EXPECT_EQ(fresh.IsConnected(0), 0);
    EXPECT_EQ(fresh.Init(0), comm::kBadArgument);
}

TEST_F(TcpLibTest, EnvironmentPortReplacesTheDevicePort) {
    TcpPeer peer("127.61.0.8");
    peer.Serve();
    setenv("VELOTRIX_TCP_PORT", std::to_string(peer.Port()).c_str(), 1);
    EXPECT_EQ(comm::EffectiveTcpPort(1001), peer.Port());
    EXPECT_EQ(comm::EffectiveTcpPort(2000), 2000);
    EXPECT_EQ(Connect(2, "127.61.0.8", 1001), comm::kOk);
    setenv("VELOTRIX_TCP_PORT", "12ab", 1);
    EXPECT_EQ(comm::EffectiveTcpPort(1001), 1001);
    setenv("VELOTRIX_TCP_PORT", "70000", 1);
    EXPECT_EQ(comm::EffectiveTcpPort(1001), 1001);
    unsetenv("VELOTRIX_TCP_PORT");
    EXPECT_EQ(comm::EffectiveTcpPort(1001), 1001);
    EXPECT_EQ(comm::EffectiveTcpPort(0), 0);
}

}  // namespace
