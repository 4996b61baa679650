// Which received bytes count as the reply to a request, and how long the link waits for it:
// a spoiled or foreign reply fails the exchange and leaves RxBuf alone on both links, and each
// command's waiting class reaches the link.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <thread>

#include "ProtocolFixture.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"
#include "protocol/ReplyCheck.h"

namespace {

using testsupport::Link;

using Reply = std::array<uint8_t, 13>;

TEST(ReplyCheck, OnlyTheFrameBytesAndTheCodeEchoAreTested) {
    const Reply good = {0xF0, 0x46, 9, 0x39, 1, 2, 3, 4, 5, 6, 7, 8, 0xF7};
    EXPECT_TRUE(ModRxTx::IsReplyTo(good, 0x39));
    EXPECT_FALSE(ModRxTx::IsReplyTo(good, 0x0E));
    for (size_t pos : {0u, 1u, 3u, 12u}) {
        Reply spoiled = good;
        spoiled[pos] ^= 0x01;
        EXPECT_FALSE(ModRxTx::IsReplyTo(spoiled, 0x39)) << "byte " << pos;
    }
    // The address byte and the data are the device's to fill.
    Reply other = good;
    other[2] = 0;
    std::fill(other.begin() + 4, other.begin() + 12, uint8_t{0xFF});
    EXPECT_TRUE(ModRxTx::IsReplyTo(other, 0x39));
}

class ReplyFaultTest : public ProtocolTest {
  protected:
    // Runs check on a fresh device over TCP/IP, then over USB.
    void OnBothLinks(const std::function<void(int16_t slot)>& check) {
        for (Link link : {Link::Tcp, Link::Usb}) {
            SCOPED_TRACE(link == Link::Tcp ? "TCP/IP" : "USB");
            check(Open({link}));
        }
    }
    // Lets a reply that came too late arrive, so that the next exchange drops it as stale.
    static void LetLateReplyPass(int ms) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    // A failed exchange over TCP drops the slot; the connection itself stays open.
    void BackOnline(int16_t slot) {
        S().DevList[slot].Online = 1;
        H().host.TakeMessages();
    }
};

TEST_F(ReplyFaultTest, ASpoiledReplyFailsTheExchange) {
    Start();
    VX_REQUIRE_SIMULATOR(H());
    OnBothLinks([&](int16_t slot) {
        for (devsim::FaultKind kind : {devsim::FaultKind::WrongEnd, devsim::FaultKind::WrongCode,
                                       devsim::FaultKind::GarbageReply}) {
            H().Device().AddFault({kind, CmdReadVersion, 1, 1});
            Poison();
            EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
            EXPECT_TRUE(S().TxFailed);
            EXPECT_TRUE(Poisoned());
            BackOnline(slot);
        }
        EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
        EXPECT_EQ(S().RxBuf[3], CmdReadVersion);
    });
}

TEST_F(ReplyFaultTest, ALateReplyIsNotTakenForTheNextRequestsReply) {
    Start();
    VX_REQUIRE_SIMULATOR(H());
    OnBothLinks([&](int16_t slot) {
        // The version request waits 300 ms here; its reply comes after 600 ms, in the middle of
        // the memory read that follows.
        H().Device().AddFault({devsim::FaultKind::LateReply, CmdReadVersion, 1, 1, 600});
        Poison();
        EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
        BackOnline(slot);
        EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadMem, 0, 64, 8));
        EXPECT_TRUE(S().TxFailed);
        EXPECT_TRUE(Poisoned());
        BackOnline(slot);
        LetLateReplyPass(300);
        EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadByte, 0, 100));
        EXPECT_EQ(S().RxBuf[3], CmdReadByte);
    });
}

TEST_F(ReplyFaultTest, TheHandshakeNeedsAReplyToItself) {
    Start();
    VX_REQUIRE_SIMULATOR(H());
    OnBothLinks([&](int16_t slot) {
        H().Device().AddFault({devsim::FaultKind::WrongCode, CmdCheckDevice, 1, 1});
        Poison();
        EXPECT_FALSE(ModRxTx::TxCommand7(S(), slot, CmdCheckDevice));
        EXPECT_TRUE(Poisoned());
        EXPECT_TRUE(ModRxTx::TxCommand7(S(), slot, CmdCheckDevice));
    });
}

// Each waiting class reaches the link: a reply that comes after 600 ms (time-outs cut to a
// tenth) is in time for a class that waits 1000 ms and too late for one that waits 300 ms.
TEST_F(ReplyFaultTest, EachCommandWaitsItsOwnTime) {
    Start();
    VX_REQUIRE_SIMULATOR(H());
    OnBothLinks([&](int16_t slot) {
        const bool serial = H().GetLink() != Link::Tcp;
        // Memory reads wait long on the serial link only; a recall waits long on both.
        const uint8_t longCode = serial ? CmdReadMem : CmdRecallProgram;
        const uint8_t shortCode = serial ? CmdReadVersion : CmdReadMem;
        H().Device().AddFault({devsim::FaultKind::LateReply, longCode, 1, 1, 600});
        EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, longCode, 0, 64, 8));

        H().Device().AddFault({devsim::FaultKind::LateReply, shortCode, 1, 1, 600});
        EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, shortCode, 0, 64, 8));
        BackOnline(slot);
        if (!serial) return;
        LetLateReplyPass(600);
        // The serial handshake waits 40 ms: a reply after 150 ms misses it, while an ordinary
        // request takes one after 150 ms.
        H().Device().AddFault({devsim::FaultKind::LateReply, CmdCheckDevice, 1, 1, 150});
        EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdCheckDevice));
        LetLateReplyPass(300);
        H().Device().AddFault({devsim::FaultKind::LateReply, CmdPollStatus, 1, 1, 150});
        EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdPollStatus));
    });
}

}  // namespace
