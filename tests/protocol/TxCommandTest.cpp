// The transaction against the device: frames, guards, failures on both links (injected by
// the simulator) and the offline sequence.
#include <gtest/gtest.h>

#include "ProtocolFixture.h"
#include "editor/FrmCtrl.h"
#include "project/DeviceWindows.h"
#include "project/FrmDevice.h"
#include "protocol/Commands.h"
#include "protocol/ModRxTx.h"

namespace {

using testsupport::Link;

class TxCommandTest : public ProtocolTest {
  protected:
    void ExpectOneMessage(const std::string& prompt, int style) {
        const auto messages = H().host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, prompt);
        EXPECT_EQ(messages[0].style, style);
        EXPECT_EQ(messages[0].title, "Communication problem");
    }
};

TEST_F(TxCommandTest, SendsOneFrameAndKeepsTheReply) {
    const int16_t slot = Open({});
    Poison();
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdWriteByte, 0, 100, 0, 0, 42));
    EXPECT_FALSE(S().TxFailed);
    EXPECT_TRUE(S().PollEnabled);
    EXPECT_EQ(S().RxBuf[3], CmdWriteByte) << "the reply is kept";

    const Bytes frame = {
        0xF0, 0x46, static_cast<uint8_t>(S().DevAddr[slot]), 0x11, 0, 100, 0, 0, 42, 0, 0, 0, 0xF7};
    EXPECT_EQ(Bytes(S().TxFrame.begin(), S().TxFrame.end()), frame);
    if (!H().External()) {
        const auto log = H().Device().Log();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(Bytes(log.back().request.begin(), log.back().request.end()), frame);
        EXPECT_EQ(RxReply(), log.back().reply);
    }
    EXPECT_EQ(H().ReadMemory(slot, 100, 1), Bytes{42});

    // The serial link's closing code waits for a reply over TCP.
    if (H().GetLink() != Link::Tcp) return;
    Poison();
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdCloseSerial));
    EXPECT_EQ(S().RxBuf[3], CmdCloseSerial);
    if (!H().External()) {
        EXPECT_EQ(RxReply(), H().Device().Log().back().reply);
    }
}

TEST_F(TxCommandTest, MakesNoExchangeForAnOfflineSlotWhileBlockedOrToABadAddress) {
    const int16_t slot = Open({});
    // Frames the simulated device received; an outside device counts none.
    auto frames = [&] { return H().External() ? 0 : H().Device().FrameCount(); };
    const int before = frames();
    Poison();
    S().PollEnabled = true;

    S().DevList[slot].Online = 0;
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    S().DevList[slot].Online = 1;
    S().CommEnabled = false;
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    S().CommEnabled = true;
    S().TxBlocked = true;
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));

    EXPECT_FALSE(S().TxFailed);
    EXPECT_TRUE(S().PollEnabled);
    EXPECT_TRUE(Poisoned());
    EXPECT_EQ(frames(), before);
    EXPECT_FALSE(ModRxTx::TxQuery(S(), slot, CmdReadVersion));

    // An address outside a byte fails without sending.
    S().TxBlocked = false;
    S().DevAddr[slot] = 300;
    EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(frames(), before);
    EXPECT_TRUE(Poisoned());
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_F(TxCommandTest, ATcpFailureWithoutAnEditorReportsAndDropsTheSlot) {
    const int16_t slot = Open({});
    VX_REQUIRE_SIMULATOR(H());
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdReadVersion});
    Poison();
    const std::string caption = FrmDeviceOf(S(), slot).Caption();

    EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    EXPECT_TRUE(S().TxFailed);
    EXPECT_TRUE(S().TxReported);
    EXPECT_TRUE(S().PollEnabled);
    EXPECT_EQ(S().DevList[slot].Online, 0);
    EXPECT_FALSE(S().DevOffline[slot]);
    EXPECT_TRUE(Poisoned());
    EXPECT_EQ(FrmDeviceOf(S(), slot).Caption(), caption);
    ExpectOneMessage("Device @ IP:127.77.0.2 will be disconnected", ui::vbInformation);
}

TEST_F(TxCommandTest, ATcpFailureUnderAnOpenEditorTakesTheDeviceOffline) {
    const int16_t slot = Open({});
    VX_REQUIRE_SIMULATOR(H());
    ModProject::OpenSpeakerEditor(S(), slot);
    ASSERT_TRUE(S().OfflineOnError);
    ASSERT_NE(ExistingFrmCtrl(S(), slot), nullptr);
    H().Device().AddFault({devsim::FaultKind::DropConnection, CmdGain});
    S().OpDone = false;

    EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdGain, 3, 0, 0, 100));
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(S().DevList[slot].Online, 0);
    EXPECT_TRUE(S().DevOffline[slot]);
    EXPECT_TRUE(S().OpDone);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_EQ(S().EditorSlot[slot][0], 0);
    FrmDevice& w = FrmDeviceOf(S(), slot);
    EXPECT_EQ(w.Label1.Caption(), "Connect");
    EXPECT_EQ(w.Label1.ForeColor(), ui::RGB(0, 0, 0));
    EXPECT_EQ(w.Caption(), " IP:127.77.0.2 - Offline");
    EXPECT_EQ(H().host.TakeMessages().size(), 1u);  // the TCP message only
}

TEST_F(TxCommandTest, ASerialFailureWithoutAnEditorIsSilentButReported) {
    const int16_t slot = Open({Link::Usb});
    VX_REQUIRE_SIMULATOR(H());
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdReadVersion});
    Poison();

    EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    EXPECT_TRUE(S().TxFailed);
    EXPECT_FALSE(S().TxReported);
    EXPECT_FALSE(S().PollEnabled);
    EXPECT_EQ(S().DevList[slot].Online, 1);
    EXPECT_TRUE(Poisoned());
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_F(TxCommandTest, ASerialFailureUnderAnOpenEditorTakesTheDeviceOffline) {
    const int16_t slot = Open({Link::Usb});
    VX_REQUIRE_SIMULATOR(H());
    ModProject::OpenSpeakerEditor(S(), slot);
    H().Device().AddFault({devsim::FaultKind::NoReply, CmdReadMem});

    EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadMem, 0, 64, 8));
    EXPECT_TRUE(S().TxFailed);
    EXPECT_TRUE(S().TxReported);
    EXPECT_EQ(S().DevList[slot].Online, 0);
    EXPECT_TRUE(S().DevOffline[slot]);
    EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr);
    EXPECT_EQ(FrmDeviceOf(S(), slot).Caption(), " USB - Velotrix  - Offline");
    ExpectOneMessage(" The system will be close the communication with this device",
                     ui::vbExclamation);
}

TEST_F(TxCommandTest, ASerialPortThatDoesNotOpenFailsTheExchange) {
    const int16_t slot = Open({Link::Usb});
    VX_REQUIRE_LINK(H(), Link::Usb);
    S().SerialLink.Close();
    S().ComPort = 9;  // no such port
    EXPECT_TRUE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    EXPECT_TRUE(S().TxFailed);
    EXPECT_EQ(S().DevList[slot].Online, 1);
    S().ComPort = 1;
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));  // reopens COM1
}

TEST_F(TxCommandTest, TheClosingCodeIsSendOnlyOnTheSerialLink) {
    const int16_t slot = Open({Link::Usb});
    VX_REQUIRE_LINK(H(), Link::Usb);
    Poison();
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdCloseSerial));
    EXPECT_FALSE(S().TxFailed);
    EXPECT_TRUE(S().PollEnabled);
    EXPECT_TRUE(Poisoned());
    // The device got it and sent nothing back; the next exchange is not disturbed.
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    EXPECT_EQ(S().RxBuf[3], CmdReadVersion);
    if (H().External()) return;
    const auto log = H().Device().Log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2].request[3], CmdCloseSerial);
    EXPECT_TRUE(log[log.size() - 2].reply.empty());
}

TEST_F(TxCommandTest, TheHandshakeTestsReplyByteFour) {
    const int16_t slot = Open({Link::Usb});
    EXPECT_TRUE(ModRxTx::TxCommand7(S(), slot, CmdCheckDevice));
    EXPECT_EQ(S().TxFrame[10], 0);
    EXPECT_EQ(S().TxFrame[11], 0);

    // A reply to the request whose byte 4 is no 0x46 (the version's first byte here).
    S().TxFailed = true;
    Poison();
    ASSERT_NE(H().Ask(slot, CmdReadVersion).value_or(std::array<uint8_t, 13>{})[4], 0x46);
    S().TxFailed = true;
    EXPECT_FALSE(ModRxTx::TxCommand7(S(), slot, CmdReadVersion));
    EXPECT_EQ(S().RxBuf[3], CmdReadVersion) << "kept all the same";
    EXPECT_TRUE(S().TxFailed) << "never touched here";

    VX_REQUIRE_SIMULATOR(H());
    EXPECT_EQ(RxReply(), H().Device().Log().back().reply);
    H().Device().AddFault({devsim::FaultKind::WrongCheck, CmdCheckDevice, 1, 1});
    Poison();
    EXPECT_FALSE(ModRxTx::TxCommand7(S(), slot, CmdCheckDevice));
    EXPECT_TRUE(Poisoned()) << "no reply at all";

    H().Device().AddFault({devsim::FaultKind::NoReply, CmdCheckDevice});
    EXPECT_FALSE(ModRxTx::TxCommand7(S(), slot, CmdCheckDevice));
    EXPECT_EQ(S().DevList[slot].Online, 1);
    EXPECT_TRUE(H().host.Messages().empty());
}

TEST_F(TxCommandTest, Rs485FramesCarryTheDevicesId) {
    const int16_t slot = Open({Link::Rs485, 1, {7}});
    VX_REQUIRE_LINK(H(), Link::Rs485);
    EXPECT_FALSE(ModRxTx::TxCommand(S(), slot, CmdReadVersion));
    EXPECT_EQ(H().Device().Log().back().request[2], 7);
    EXPECT_EQ(S().RxBuf[2], 7);
}

TEST_F(TxCommandTest, ClearRxDataZeroesTheDataOfAnOfflineDevice) {
    const int16_t slot = Open({});
    Poison();
    ModRxTx::ClearRxData(S(), slot);
    EXPECT_TRUE(Poisoned());
    S().DevList[slot].Online = 0;
    ModRxTx::ClearRxData(S(), slot);
    const Bytes expected = {0x5A, 0x5A, 0x5A, 0x5A, 0, 0, 0, 0, 0, 0, 0, 0, 0x5A};
    EXPECT_EQ(RxReply(), expected);
}

}  // namespace
