#include <gtest/gtest.h>

#include "protocol/Commands.h"

namespace {

constexpr int16_t kUsb = 0, kRs485 = 1, kTcp = 2;

TEST(Commands, WaitClassesFollowCodeAndLink) {
    for (int16_t serial : {kUsb, kRs485}) {
        EXPECT_EQ(WaitClassOf(CmdReadMem, serial), WaitClass::Long);
        EXPECT_EQ(WaitClassOf(CmdDisconnect, serial), WaitClass::Long);
        EXPECT_EQ(WaitClassOf(CmdRecallProgram, serial), WaitClass::Long);
        EXPECT_EQ(WaitClassOf(CmdCheckDevice, serial), WaitClass::Handshake);
        EXPECT_EQ(WaitClassOf(CmdCloseSerial, serial), WaitClass::SendOnly);
        EXPECT_EQ(WaitClassOf(CmdSilent, serial), WaitClass::SendOnly);
        EXPECT_EQ(WaitClassOf(CmdCloseTcp, serial), WaitClass::Default);
        EXPECT_EQ(WaitClassOf(CmdGain, serial), WaitClass::Default);
    }
    EXPECT_EQ(WaitClassOf(CmdReadMem, kTcp), WaitClass::Default);
    EXPECT_EQ(WaitClassOf(CmdDisconnect, kTcp), WaitClass::Long);
    EXPECT_EQ(WaitClassOf(CmdRecallProgram, kTcp), WaitClass::Long);
    EXPECT_EQ(WaitClassOf(CmdCheckDevice, kTcp), WaitClass::Default);
    EXPECT_EQ(WaitClassOf(CmdCloseSerial, kTcp), WaitClass::Default);
    // Any link type other than 0 and 1 takes the TCP path.
    EXPECT_EQ(WaitClassOf(CmdReadMem, 7), WaitClass::Default);
}

TEST(Commands, TxCommandHandsTheLinkItsTimeOuts) {
    const TxWait readSerial = TxCommandWait(CmdReadMem, kUsb);
    EXPECT_EQ(readSerial.timeoutMs, 10000);
    EXPECT_FALSE(readSerial.noReply);
    EXPECT_EQ(TxCommandWait(CmdReadMem, kTcp).timeoutMs, 3000);
    EXPECT_EQ(TxCommandWait(CmdRecallProgram, kTcp).timeoutMs, 10000);

    const TxWait handshake = TxCommandWait(CmdCheckDevice, kRs485);
    EXPECT_EQ(handshake.timeoutMs, 400);
    EXPECT_EQ(handshake.count, 5);

    const TxWait closing = TxCommandWait(CmdCloseSerial, kUsb);
    EXPECT_EQ(closing.timeoutMs, 500);
    EXPECT_TRUE(closing.noReply);
    const TxWait closingTcp = TxCommandWait(CmdCloseSerial, kTcp);
    EXPECT_EQ(closingTcp.timeoutMs, 3000);
    EXPECT_FALSE(closingTcp.noReply);
}

TEST(Commands, TxCommand7WaitsShorterOnTheSerialLink) {
    const TxWait handshake = TxCommand7Wait(CmdCheckDevice, kUsb);
    EXPECT_EQ(handshake.timeoutMs, 250);
    EXPECT_EQ(handshake.count, 5);
    const TxWait other = TxCommand7Wait(CmdReadVersion, kRs485);
    EXPECT_EQ(other.timeoutMs, 600);
    EXPECT_EQ(other.count, 1);
    EXPECT_EQ(TxCommand7Wait(CmdCheckDevice, kTcp).timeoutMs, 3000);
    EXPECT_EQ(TxCommand7Wait(CmdDisconnect, kTcp).timeoutMs, 10000);
}

}  // namespace
