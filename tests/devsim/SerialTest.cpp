// The serial link over a real pseudo-terminal: USB, RS485 addressing, send-only codes, pacing.
#include <gtest/gtest.h>

#include "devsim/Commands.h"
#include "devsim/PtyLink.h"

namespace devsim {
namespace {

constexpr int kSilenceMs = 200;  // long enough for an answer that would come

TEST(Serial, UsbDeviceAnswersAddressZeroOnly) {
    test::PtyLink link;
    auto& [device, bus, server, client] = link;
    ASSERT_TRUE(server.Ok()) << server.Error();
    ASSERT_TRUE(client.Ok());
    const auto reply = client.Exchange(0, kCheckDevice);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(4), 0x46);
    EXPECT_FALSE(client.Exchange(MakeFrame(1, kCheckDevice), kSilenceMs).has_value());
    // Parameter writes and memory reads work as over TCP.
    EXPECT_TRUE(client.Exchange(0, kGain, {9, 0, 0, 0x34, 0, 0, 0, 0x02}).has_value());
    EXPECT_EQ(device.ImageByte(image::LevelHigh(9)), 0x02);
    EXPECT_EQ(device.ImageByte(image::LevelLow(9)), 0x34);
    const auto read = client.Exchange(0, kReadMem, {0, 64, 8});
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->at(4), 4);
    const auto log = device.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].transport, Transport::Serial);
}

TEST(Serial, OnlyTheAddressedRs485DeviceAnswers) {
    Device three, five;
    three.Update([](DeviceState& s) { s.identity.rs485Id = 3; });
    five.Update([](DeviceState& s) { s.identity.rs485Id = 5; });
    Bus bus;
    bus.Attach(3, three);
    bus.Attach(5, five);
    EXPECT_EQ(bus.Addresses(), (std::vector<uint8_t>{3, 5}));
    PtyServer server(bus, false);
    ASSERT_TRUE(server.Ok()) << server.Error();
    test::PtyClient client(server.Path());

    const auto reply = client.Exchange(5, kReadIp);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(2), 5);
    EXPECT_EQ(reply->at(8), 5);
    EXPECT_EQ(client.Exchange(3, kReadIp).value_or(Frame{})[8], 3);
    EXPECT_FALSE(client.Exchange(MakeFrame(4, kReadIp), kSilenceMs).has_value());
    EXPECT_FALSE(client.Exchange(MakeFrame(0, kReadIp), kSilenceMs).has_value());
    EXPECT_EQ(three.FrameCount(), 1);
    EXPECT_EQ(five.FrameCount(), 1);
    // A parameter write reaches only its device.
    ASSERT_TRUE(client.Exchange(3, kPhantomPower, {0, 0, 0, 0, 0, 0, 0, 1}).has_value());
    EXPECT_EQ(three.ImageByte(image::Phantom), 1);
    EXPECT_EQ(five.ImageByte(image::Phantom), 0);
}

TEST(Serial, SendOnlyCodesGetNoReply) {
    test::PtyLink link(7);
    auto& [device, bus, server, client] = link;
    for (uint8_t code : {kCloseSerial, kSilent}) {
        EXPECT_FALSE(client.Exchange(MakeFrame(7, code), kSilenceMs).has_value()) << int(code);
    }
    EXPECT_TRUE(client.Exchange(7, kCloseTcp).has_value());
    const auto log = device.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_TRUE(log[0].reply.empty());
    EXPECT_EQ(log[0].request[kCodePos], kCloseSerial);
    EXPECT_TRUE(log[1].reply.empty());
}

TEST(Serial, FindsFramesAfterNoiseAndInBursts) {
    test::PtyLink link(0, false);
    auto& [device, bus, server, client] = link;
    std::vector<uint8_t> bytes = {0x00, 0xF0, 0x12, 0xF7};  // noise, a false start
    for (uint8_t code : {kCheckDevice, kReadVersion}) {
        const Frame f = MakeFrame(0, code);
        bytes.insert(bytes.end(), f.begin(), f.end());
    }
    ASSERT_TRUE(client.Send(bytes));
    const auto replies = client.Receive(2 * kFrameSize, 2000);
    ASSERT_EQ(replies.size(), 26u);
    EXPECT_EQ(replies[3], kCheckDevice);
    EXPECT_EQ(replies[13 + 3], kReadVersion);
    EXPECT_EQ(replies[13 + 10], 0x46);
}

TEST(Serial, PacedLineStillAnswersEveryFrame) {
    test::PtyLink link(0, true);
    auto& [device, bus, server, client] = link;
    for (int off = 0; off < 64; off += 8) {
        const auto reply = client.Exchange(0, kReadMem, {0, uint8_t(64 + off), 8});
        ASSERT_TRUE(reply.has_value());
        EXPECT_EQ(reply->at(4), device.Peek(64 + off));
    }
    EXPECT_FALSE(client.Exchange(MakeFrame(0, kCloseSerial), kSilenceMs).has_value());
    EXPECT_TRUE(client.Exchange(0, kCheckDevice).has_value());
}

TEST(Serial, ServesAgainAfterThePortWasClosed) {
    Device device;
    Bus bus = test::PtyLink::BusWith(0, device);
    PtyServer server(bus, false);
    {
        test::PtyClient first(server.Path());
        ASSERT_TRUE(first.Exchange(0, kCheckDevice).has_value());
    }
    test::PtyClient second(server.Path());
    const auto reply = second.Exchange(0, kReadVersion);
    ASSERT_TRUE(reply.has_value());
    EXPECT_EQ(reply->at(3), kReadVersion);
}

}  // namespace
}  // namespace devsim
