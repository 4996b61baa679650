// Every fault, over TCP and on the serial link.
#include <gtest/gtest.h>

#include "devsim/Commands.h"
#include "devsim/PtyLink.h"
#include "devsim/TcpServer.h"

namespace devsim {
namespace {

constexpr char kAddress[] = "127.0.0.5";
constexpr int kSilenceMs = 200;

class TcpFaults : public ::testing::Test {
  protected:
    bool Answered(uint8_t code) {
        return client.Exchange(MakeFrame(1, code), kSilenceMs).has_value();
    }

    Device device;
    TcpServer server{device, kAddress, 0};
    test::TcpClient client{kAddress, server.Port()};
};

TEST_F(TcpFaults, NoReplyForOneCodeStillCarriesTheCommandOut) {
    device.AddFault({FaultKind::NoReply, kPhantomPower});
    EXPECT_FALSE(
        client.Exchange(MakeFrame(1, kPhantomPower, {0, 0, 0, 0, 0, 0, 0, 1}), kSilenceMs));
    EXPECT_EQ(device.ImageByte(image::Phantom), 1);
    EXPECT_TRUE(Answered(kCheckDevice));
    EXPECT_TRUE(device.Log()[0].reply.empty());
    device.ClearFaults();
    EXPECT_TRUE(Answered(kPhantomPower));
}

TEST_F(TcpFaults, FromTheNthFrameOnWithACount) {
    device.AddFault({FaultKind::NoReply, -1, 3, 2});
    EXPECT_TRUE(Answered(kCheckDevice));   // 1
    EXPECT_TRUE(Answered(kPollStatus));    // 2
    EXPECT_FALSE(Answered(kPollStatus));   // 3
    EXPECT_FALSE(Answered(kCheckDevice));  // 4
    EXPECT_TRUE(Answered(kPollStatus));    // 5: used up
}

TEST_F(TcpFaults, LateReply) {
    device.AddFault({FaultKind::LateReply, kReadVersion, 1, 1, 400});
    ASSERT_TRUE(client.Send(MakeFrame(1, kReadVersion)));
    EXPECT_TRUE(client.Receive(kFrameSize, 50).empty());
    const auto late = client.Receive(kFrameSize, 5000);
    ASSERT_EQ(late.size(), 13u);
    EXPECT_EQ(late[3], kReadVersion);
}

TEST_F(TcpFaults, ShortReply) {
    FaultRule rule{FaultKind::ShortReply, kReadMem};
    rule.length = 5;
    device.AddFault(rule);
    ASSERT_TRUE(client.Send(MakeFrame(1, kReadMem, {0, 64, 8})));
    const auto bytes = client.Receive(kFrameSize, kSilenceMs);
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0xF0, 0x46, 1, kReadMem, 4}));
    EXPECT_EQ(device.Log()[0].reply.size(), 5u);
}

TEST_F(TcpFaults, GarbageReply) {
    device.AddFault({FaultKind::GarbageReply});
    Frame garbage;
    garbage.fill(0xAA);
    EXPECT_EQ(client.Exchange(1, kCheckDevice).value_or(Frame{}), garbage);
}

TEST_F(TcpFaults, WrongCheckBytes) {
    device.AddFault({FaultKind::WrongCheck});
    const auto hello = client.Exchange(1, kCheckDevice);
    ASSERT_TRUE(hello.has_value());
    EXPECT_NE(hello->at(4), 0x46);  // the handshake test fails
    EXPECT_NE(hello->at(12), 0xF7);
    const auto probe = client.Exchange(1, kReadVersion, {0, 0, 0, 0, 0, 0, 0, 1});
    ASSERT_TRUE(probe.has_value());
    EXPECT_NE(probe->at(10), 0x46);  // the COM search test fails
    EXPECT_EQ(probe->at(3), kReadVersion);
}

TEST_F(TcpFaults, WrongEndAndWrongCodeSpoilOneByteEach) {
    device.AddFault({FaultKind::WrongEnd, kReadVersion, 1, 1});
    device.AddFault({FaultKind::WrongCode, kReadVersion, 1, 1});
    ASSERT_TRUE(client.Exchange(1, kCheckDevice).has_value());
    const auto end = client.Exchange(1, kReadVersion);
    ASSERT_TRUE(end.has_value());
    EXPECT_EQ(end->at(12), static_cast<uint8_t>(~kFrameEnd));
    EXPECT_EQ(end->at(3), kReadVersion);
    const auto code = client.Exchange(1, kReadVersion);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(code->at(3), static_cast<uint8_t>(~kReadVersion));
    EXPECT_EQ(code->at(12), kFrameEnd);
}

TEST_F(TcpFaults, DroppedConnection) {
    device.AddFault({FaultKind::DropConnection, kPollStatus});
    EXPECT_TRUE(Answered(kCheckDevice));
    ASSERT_TRUE(client.Send(MakeFrame(1, kPollStatus)));
    EXPECT_TRUE(client.PeerClosed(2000));
    test::TcpClient again(kAddress, server.Port());
    EXPECT_TRUE(again.Exchange(1, kCheckDevice).has_value());
}

TEST_F(TcpFaults, RefusedConnection) {
    server.SetRefusing(true);
    test::TcpClient refused(kAddress, server.Port());
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.ConnectError(), ECONNREFUSED);
    EXPECT_TRUE(Answered(kCheckDevice));  // the open connection stays
    server.SetRefusing(false);
    test::TcpClient accepted(kAddress, server.Port());
    ASSERT_TRUE(accepted.Ok());
    EXPECT_TRUE(accepted.Exchange(1, kCheckDevice).has_value());
}

TEST(Device, HandleGivesWholeRepliesOnly) {
    Device device;
    EXPECT_EQ(device.Handle(MakeFrame(2, kCheckDevice)).value_or(Frame{})[4], 0x46);
    device.AddFault({FaultKind::ShortReply, -1, 1, 1});
    EXPECT_FALSE(device.Handle(MakeFrame(2, kCheckDevice)).has_value());
    device.AddFault({FaultKind::NoReply, -1, 1, 1});
    EXPECT_FALSE(device.Handle(MakeFrame(2, kCheckDevice)).has_value());
    EXPECT_EQ(device.FrameCount(), 3);
}

TEST(SerialFaults, EveryKindOnThePseudoTerminal) {
    test::PtyLink link;
    auto& [device, bus, server, client] = link;
    device.AddFault({FaultKind::NoReply, -1, 1, 1});
    EXPECT_FALSE(client.Exchange(MakeFrame(0, kCheckDevice), kSilenceMs).has_value());
    device.AddFault({FaultKind::DropConnection, -1, 1, 1});  // a serial line only falls silent
    EXPECT_FALSE(client.Exchange(MakeFrame(0, kCheckDevice), kSilenceMs).has_value());
    device.AddFault({FaultKind::GarbageReply, -1, 1, 1});
    EXPECT_EQ(client.Exchange(0, kCheckDevice).value_or(Frame{})[0], 0xAA);
    device.AddFault({FaultKind::WrongCheck, -1, 1, 1});
    EXPECT_NE(client.Exchange(0, kCheckDevice).value_or(Frame{})[4], 0x46);
    FaultRule shortRule{FaultKind::ShortReply, -1, 1, 1};
    shortRule.length = 3;
    device.AddFault(shortRule);
    ASSERT_TRUE(client.Send(MakeFrame(0, kCheckDevice)));
    EXPECT_EQ(client.Receive(kFrameSize, kSilenceMs).size(), 3u);
    device.AddFault({FaultKind::LateReply, -1, 1, 1, 300});
    ASSERT_TRUE(client.Send(MakeFrame(0, kCheckDevice)));
    EXPECT_TRUE(client.Receive(kFrameSize, 30).empty());
    EXPECT_EQ(client.Receive(kFrameSize, 5000).size(), 13u);
    EXPECT_EQ(client.Exchange(0, kCheckDevice).value_or(Frame{})[4], 0x46);  // all used up
}

}  // namespace
}  // namespace devsim
