// Every command group over a real TCP connection.
#include <gtest/gtest.h>

#include <string>

#include "devsim/Commands.h"
#include "devsim/FactoryImage.h"
#include "devsim/RawClient.h"
#include "devsim/TcpServer.h"

namespace devsim {
namespace {

constexpr char kAddress[] = "127.0.0.3";

class TcpCommands : public ::testing::Test {
  protected:
    // The editor puts its connection slot into the address byte; the device answers any.
    Frame Ask(uint8_t code, const FrameData& data = {}) {
        const auto reply = client.Exchange(7, code, data);
        EXPECT_TRUE(reply.has_value()) << "code " << int(code);
        return reply.value_or(Frame{});
    }
    // A setting: answered with the request itself.
    void Set(uint8_t code, const FrameData& data) {
        EXPECT_EQ(Ask(code, data), MakeFrame(7, code, data)) << "code " << int(code);
    }

    Device device;
    TcpServer server{device, kAddress, 0};
    test::TcpClient client{kAddress, server.Port()};
};

TEST_F(TcpCommands, HandshakeAndClosingCodes) {
    ASSERT_TRUE(server.Ok()) << server.Error();
    for (uint8_t d1 : {0, 1}) {
        const Frame reply = Ask(kCheckDevice, {0, d1});
        EXPECT_EQ(reply[0], 0xF0);
        EXPECT_EQ(reply[1], 0x46);
        EXPECT_EQ(reply[2], 7);
        EXPECT_EQ(reply[3], 0x00);
        EXPECT_EQ(reply[4], 0x46);
        EXPECT_EQ(reply[12], 0xF7);
    }
    // Closing and bracket codes are answered over TCP.
    for (uint8_t code : {kDisconnect, kCloseTcp, kCloseSerial, kSilent}) Set(code, {});
    Set(kBulkUpdate, {0});
    Set(kBulkUpdate, {1});
}

TEST_F(TcpCommands, VersionAndIdentity) {
    device.Update([](DeviceState& s) {
        s.identity.firmware = {1, 5, 3};
        s.identity.dsp = {1, 0, 0};
        s.identity.model = 1;
        s.identity.mac = {0x0A, 0xFF, 0x00, 0x12, 0x3B, 0x01};
        for (int k = 0; k < 12; ++k) s.identity.uid[k] = static_cast<uint8_t>(0x10 + k);
        s.identity.ip = {127, 0, 0, 3};
        s.identity.rs485Id = 12;
        s.Mem(kNetModeAddr) = 1;
    });
    for (uint8_t probe : {0, 1}) {  // connect read-back and COM search probe (d7 = 1)
        const Frame v = Ask(kReadVersion, {0, 0, 0, 0, 0, 0, 0, probe});
        EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x39, 1, 5, 3, 1, 0, 0, 0x46, 1, 0xF7}), v);
    }
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0xB2, 0x0A, 0xFF, 0x00, 0x12, 0x3B, 0x01, 0, 0, 0xF7}),
              Ask(kReadMac));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0xB1, 0, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0, 0xF7}),
              Ask(kReadUid));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0xB1, 0, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B, 0, 0xF7}),
              Ask(kReadUid, {1}));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x19, 127, 0, 0, 3, 12, 0, 0, 0, 0xF7}), Ask(kReadIp));
    EXPECT_EQ(Ask(kReadByte, {0, kNetModeAddr})[8], 1);
}

TEST_F(TcpCommands, NetworkConfigurationIsReportedBack) {
    Set(kSetNetConfig, {9, 0, 0, 0, 0, 0, 1, 0});
    Set(kSetNetConfig, {9, 0, 0, 0, 0, 0, 0, 0});
    Set(kSetNetConfig, {127, 0, 0, 44, 1, 0, 1, 1});
    Set(kSetNetConfig, {127, 0, 0, 44, 1, 0, 0, 1});
    const Frame ip = Ask(kReadIp);
    EXPECT_EQ((std::array<uint8_t, 5>{127, 0, 0, 44, 9}),
              (std::array<uint8_t, 5>{ip[4], ip[5], ip[6], ip[7], ip[8]}));
    EXPECT_EQ(Ask(kReadByte, {0, kNetModeAddr})[8], 1);
    EXPECT_EQ(Ask(kCheckDevice)[4], 0x46);  // still served where it was started
}

TEST_F(TcpCommands, MemoryReadAndWrite) {
    // The connect read-back: 114 reads of the working program give the image.
    const Image factory = FactoryImage();
    for (int off = 0; off < kImageSize; off += 8) {
        const int addr = WorkingAddr(off);
        const Frame r = Ask(kReadMem, {uint8_t(addr >> 8), uint8_t(addr), 8});
        for (int k = 0; k < 8; ++k) ASSERT_EQ(r[4 + k], factory[off + k]) << off + k;
    }
    Set(kWriteMem4, {0x1C, 0x00, 1, 2, 3, 4});  // 7168
    Set(kWriteByte, {0x1C, 0x04, 0, 0, 5});
    EXPECT_EQ(device.Read(7168, 6), (std::vector<uint8_t>{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x0E, 1, 2, 3, 4, 5, 0, 0, 0, 0xF7}),
              Ask(kReadMem, {0x1C, 0x00, 8}));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x10, 0, 0, 0, 0, 3, 0, 0, 0, 0xF7}),
              Ask(kReadByte, {0x1C, 0x02}));
    // Reads and writes at the top of memory stop at its end.
    Set(kWriteMem4, {0xFF, 0xFE, 9, 9, 9, 9});
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x0E, 9, 9, 0, 0, 0, 0, 0, 0, 0xF7}),
              Ask(kReadMem, {0xFF, 0xFE, 8}));
}

TEST_F(TcpCommands, DeviceName) {
    device.SetName("Front of house");
    const Frame first = Ask(kReadName, {0, 0});
    const Frame second = Ask(kReadName, {0, 8});
    EXPECT_EQ(std::string(first.begin() + 4, first.begin() + 12), "Front of");
    EXPECT_EQ(std::string(second.begin() + 4, second.begin() + 12), " house  ");
    // The nick name goes to 32..47 in four-byte writes and is read back as the name.
    const char nick[] = "Stage left      ";
    for (int k = 0; k < 16; k += 4) {
        Set(kWriteMem4, {0, uint8_t(32 + k), uint8_t(nick[k]), uint8_t(nick[k + 1]),
                         uint8_t(nick[k + 2]), uint8_t(nick[k + 3])});
    }
    const Frame again = Ask(kReadName, {0, 0});
    EXPECT_EQ(std::string(again.begin() + 4, again.begin() + 12), "Stage le");
}

struct Landing {
    uint8_t code;
    FrameData data;
    std::vector<std::pair<int, uint8_t>> bytes;  // image address, value
};

// Each parameter command writes its data bytes back to the image bytes they were taken from.
TEST_F(TcpCommands, ParameterCommandsLandAtTheirImageBytes) {
    const Landing cases[] = {
        {kGain, {2, 0, 0, 0x23, 0, 0, 0, 0x01}, {{2, 0x01}, {474, 0x23}}},
        {kGain, {8, 0, 0, 0xAA, 0, 0, 0, 0x05}, {{59, 0x05}, {455, 0xAA}}},
        {kChannelBlock,
         {11, 0, 0, 0x11, 0x22, 0x33, 0x08, 0x44},
         {{458, 0x11}, {449, 0x22}, {428, 0x33}, {429, 0x08}, {215, 0x44}}},
        {kChannelBlock,
         {5, 0, 0, 0x51, 0x52, 0x53, 0x54, 0x55},
         {{477, 0x51}, {448, 0x52}, {427, 0x53}, {424, 0x54}, {5, 0x55}}},
        {kOutDelay,
         {10, 0, 0, 0, 0x07, 0x01, 0x2C, 0x18},
         {{450, 0x07}, {120, 0x01}, {121, 0x2C}, {122, 0x18}}},
        {kOutCompressor,
         {11, 1, 41, 149, 3, 50, 12, 16},
         {{451, 41}, {206, 149}, {207, 3}, {208, 50}, {209, 12}, {210, 16}}},
        {kOutXover, {10, 1, 0, 0, 0, 0x0B, 0xB8, 0x07}, {{151, 0x0B}, {152, 0xB8}, {153, 0x07}}},
        {kOutXover, {8, 0, 0, 0, 0, 0x00, 0x50, 0x03}, {{44, 0x00}, {45, 0x50}, {46, 0x03}}},
        {kEqBand,
         {10, 2, 0x04, 1, 0x03, 0xE8, 0x19, 0x1A},
         {{162, 0x04}, {133, 1}, {134, 0x03}, {135, 0xE8}, {136, 0x19}, {137, 0x1A}}},
        {kEqBand,
         {15, 4, 0x10, 2, 0x4E, 0x20, 96, 48},
         {{422, 0x10}, {403, 2}, {404, 0x4E}, {405, 0x20}, {406, 96}, {407, 48}}},
        {kFeedbackFreq, {0, 0, 0, 0, 0, 0, 0, 12}, {{431, 12}}},
        {kOutLimiter, {13, 0, 0, 0, 0x20, 7, 8, 9}, {{452, 0x20}, {315, 7}, {316, 8}, {317, 9}}},
        {kMixPoint, {10, 0, 0, 0, 0, 0, 4, 24}, {{116, 24}}},
        {kInputSource, {3, 0, 0, 0, 0, 0, 0, 0x0F}, {{425, 0x0F}}},
        {kPhantomPower, {0, 0, 0, 0, 0, 0, 0, 1}, {{430, 1}}},
        {kInputOption, {2, 0, 0, 0, 0, 0, 0, 0x04}, {{426, 0x04}}},
        {kMasterLevel, {0, 0, 0, 0, 0, 0, 0x00, 0x64}, {{464, 0x00}, {465, 0x64}}},
        {kMasterLevel, {8, 0, 0, 0, 0, 0, 0x04, 0xF6}, {{466, 0x04}, {467, 0xF6}}},
        {kInputProcType, {1, 0, 0, 0, 0, 0, 0, 0x0D}, {{468, 0x0D}}},
        {kInputBalanced, {0, 0, 0, 0, 0, 0, 0, 0x7F}, {{471, 0x7F}}},
        {kInputFilter, {3, 0, 0, 0, 0, 0, 0, 145}, {{767, 145}}},
        {kNoiseGate, {2, 0, 0, 0, 128, 40, 3, 9}, {{888, 128}, {870, 40}, {871, 3}, {872, 9}}},
        {kAutoMixerActive, {0, 0, 0, 0, 0, 0, 0, 1}, {{889, 1}}},
        {kAutoMixerMode, {0, 0, 0, 0, 0, 0, 0, 1}, {{890, 1}}},
        {kAutoMixerByte, {0, 0, 0, 0, 0, 3, 1, 2}, {{893, 1}, {894, 2}, {895, 3}}},
        {kPriorityMask, {0, 0, 0, 0, 0, 0, 0, 0x85}, {{898, 0x85}}},
        {kDuckerParamA, {0, 0, 0, 0, 0, 0, 0, 42}, {{899, 42}}},
        {kDuckerParamB, {0, 0, 0, 0, 0, 0, 30, 31}, {{900, 30}, {901, 31}}},
        {kDuckerParamC, {0, 0, 0, 0, 0, 50, 7, 0}, {{904, 50}, {902, 7}, {903, 0}}},
    };
    for (const Landing& c : cases) {
        const std::vector<uint8_t> before = device.Read(0, kMemorySize);
        Set(c.code, c.data);
        std::vector<uint8_t> expected = before;
        for (const auto& [addr, value] : c.bytes) expected[WorkingAddr(addr)] = value;
        const std::vector<uint8_t> after = device.Read(0, kMemorySize);
        for (int a = 0; a < kMemorySize; ++a) {
            ASSERT_EQ(after[a], expected[a])
                << "code " << int(c.code) << " at device address " << a;
        }
    }
}

TEST_F(TcpCommands, SettingsOutsideTheProgram) {
    Set(kFrontPanelLock, {0, 0, 0, 0, 0, 0, 0, 1});
    Set(kWallPanelMode, {1});
    Set(kLinkSwitchPreset, {0, 0, 0, 0, 0, 0, 0, 1});
    Set(kExtActiveMode, {0, 0, 0, 0, 0, 0, 0, 1});
    Set(kExtPriority, {0, 0, 0, 0, 0, 0, 0, 6});
    Set(kExtSignalEnable, {0, 0, 0, 0, 0, 0, 0, 5});
    EXPECT_EQ(device.Peek(kFrontPanelLockAddr), 1);
    EXPECT_EQ(device.Peek(kWallPanelAddr), 1);
    EXPECT_EQ(device.Peek(kSwitchLinkAddr), 1);
    EXPECT_EQ(device.Peek(kExtActiveLowAddr), 1);
    EXPECT_EQ(device.Peek(kExtPriorityAddr), 6);
    EXPECT_EQ(device.Peek(kExtEnableAddr), 5);
    EXPECT_EQ(Ask(kReadMem, {0, 16, 8})[4 + 5], 5);  // address 21
    EXPECT_EQ(Ask(kReadMem, {0, 24, 8})[4 + 5], 1);  // address 29
}

TEST_F(TcpCommands, InputEqualiserBandLandsInTheBankOfTheSource) {
    // Input 1 is Line (bit set, factory default): bank 0.
    Set(kEqBand, {1, 2, 0x04, 1, 0x07, 0xD0, 30, 40});
    EXPECT_EQ(device.ImageByte(image::InEqFlags(1, 0)), 0x04);
    EXPECT_EQ(device.ImageByte(image::InEqBand(1, 0, 2) + 2), 0xD0);
    // As Mic (bit clear): bank 1, sixteen bytes higher.
    Set(kInputSource, {1, 0, 0, 0, 0, 0, 0, 0xFD});
    Set(kEqBand, {1, 0, 0x01, 2, 0x00, 0x64, 10, 20});
    EXPECT_EQ(device.ImageByte(image::InEqFlags(1, 1)), 0x01);
    EXPECT_EQ(device.ImageByte(image::InEqBand(1, 1, 0)), 2);
    EXPECT_EQ(device.ImageByte(image::InEqBand(1, 1, 0) + 4), 20);
    EXPECT_EQ(device.ImageByte(image::InEqFlags(1, 0)), 0x04);  // bank 0 untouched
}

TEST_F(TcpCommands, OutOfRangeChannelsChangeNothing) {
    const std::vector<uint8_t> before = device.Read(0, kMemorySize);
    Set(kGain, {16, 0, 0, 1, 0, 0, 0, 1});
    Set(kOutDelay, {7, 0, 0, 0, 1, 1, 1, 1});
    Set(kEqBand, {8, 5, 1, 1, 1, 1, 1, 1});
    Set(kEqBand, {0, 3, 1, 1, 1, 1, 1, 1});
    Set(kMixPoint, {9, 0, 0, 0, 0, 0, 8, 1});
    Set(kNoiseGate, {8, 0, 0, 0, 1, 1, 1, 1});
    Set(kRecallProgram, {10});
    Set(kSelectSwitchPreset, {0, 0, 0, 0, 0, 0, 0, 10});
    Set(0x77, {1, 2, 3, 4, 5, 6, 7, 8});  // unknown code
    EXPECT_EQ(device.Read(0, kMemorySize), before);
}

TEST_F(TcpCommands, StoreAndRecallProgram) {
    Image program = FactoryImage();
    for (int k = 0; k < 400; ++k) program[k] = static_cast<uint8_t>(k * 7);
    const char name[] = "Speech          ";
    std::copy(name, name + 16, program.begin() + image::ProgName);
    program[image::ProgMark] = kStoredMark;
    // The store: 228 four-byte writes into slot 3, the name at 496, the slot number at 18.
    for (int off = 0; off < kImageSize; off += 4) {
        const int addr = SlotAddr(3) + off;
        Set(kWriteMem4, {uint8_t(addr >> 8), uint8_t(addr), program[off], program[off + 1],
                         program[off + 2], program[off + 3]});
    }
    const int marker = SlotAddr(3) + image::ProgMark;
    EXPECT_EQ(Ask(kReadByte, {uint8_t(marker >> 8), uint8_t(marker)})[8], kStoredMark);
    EXPECT_EQ(device.Peek(SlotAddr(2) + image::ProgMark), 0);
    // The switch preset follows a recalled normal program while the link is on.
    Set(kLinkSwitchPreset, {0, 0, 0, 0, 0, 0, 0, 1});
    Set(kWriteByte, {0, 54 + 3, 0, 0, 5});
    Set(kRecallProgram, {3});
    EXPECT_EQ(device.Read(kWorkingProgramAddr, kImageSize),
              std::vector<uint8_t>(program.begin(), program.end()));
    EXPECT_EQ(device.Peek(kCurrentProgramAddr), 3);
    EXPECT_EQ(device.Peek(kCurrentSwitchPresetAddr), 3);
    EXPECT_EQ(device.State().switchOutputs, 5);
    const Frame nameHalf = Ask(kReadMem, {0x01, 0xF0, 8});  // 496
    EXPECT_EQ(std::string(nameHalf.begin() + 4, nameHalf.begin() + 12), "Speech  ");
    // An extra program: the register follows, the switch preset does not.
    Set(kRecallProgram, {8});
    EXPECT_EQ(device.Peek(kCurrentProgramAddr), 8);
    EXPECT_EQ(device.Peek(kCurrentSwitchPresetAddr), 3);
    EXPECT_EQ(device.ImageByte(image::ProgMark), 0);  // slot 8 was never stored
}

TEST_F(TcpCommands, SwitchPresets) {
    Set(kWriteByte, {0, 56, 0, 0, 0x05});  // store preset 2's mask
    Set(kSelectSwitchPreset, {0, 0, 0, 0, 0, 0, 0, 2});
    EXPECT_EQ(device.Peek(kCurrentSwitchPresetAddr), 2);
    EXPECT_EQ(device.State().switchOutputs, 5);
    Set(kSwitchMask, {0, 0, 0, 0, 0, 0, 0, 9});
    EXPECT_EQ(device.State().switchOutputs, 9);
    EXPECT_EQ(device.Peek(56), 5);  // kept only when stored
    EXPECT_EQ(Ask(kReadMem, {0, 54, 8})[4 + 2], 5);
}

TEST_F(TcpCommands, ExternalSignalState) {
    device.Update([](DeviceState& s) { s.externalLines = 0x05; });
    Frame state = Ask(kReadDevState);
    EXPECT_EQ(state[9], 0x05);
    EXPECT_EQ(state[11], 0xFF);  // nothing enabled
    Set(kExtSignalEnable, {0, 0, 0, 0, 0, 0, 0, 0x0F});
    state = Ask(kReadDevState);
    EXPECT_EQ(state[11], 2);  // priority 0 tries S4 first, then S3
    Set(kExtPriority, {0, 0, 0, 0, 0, 0, 0, 3});
    EXPECT_EQ(Ask(kReadDevState)[11], 0);  // priority 3 tries S1 first
    Set(kExtActiveMode, {0, 0, 0, 0, 0, 0, 0, 1});
    device.Update([](DeviceState& s) { s.externalLines = 0x0E; });
    EXPECT_EQ(Ask(kReadDevState)[11], 0);  // active low: S1 is the one at 0
    device.Update([](DeviceState& s) { s.externalLines = 0x0F; });
    EXPECT_EQ(Ask(kReadDevState)[11], 0xFF);
}

TEST_F(TcpCommands, MeterPolls) {
    device.Update([](DeviceState& s) {
        s.meters.inputLevels = {1, 2, 3, 4, 5, 6, 7, 8};
        s.meters.outputLevels = {24, 23, 120, 0, 255, 9, 10, 11};
        s.meters.limiterMeter = {120, 91, 0, 1, 2, 3, 4, 5};
        s.meters.gainReduction = {60, 61, 62, 63, 64, 65, 66, 67};
        s.meters.status = {0xFF, 0x01, 0x80, 0x40};
    });
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x55, 1, 2, 3, 4, 5, 6, 7, 8, 0xF7}), Ask(kPollLevelsIn));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x56, 24, 23, 120, 0, 255, 9, 10, 11, 0xF7}),
              Ask(kPollLevelsOut));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x12, 0, 0xFF, 0x01, 0x80, 0x40, 0, 0, 0, 0xF7}),
              Ask(kPollStatus));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x37, 120, 91, 0, 1, 2, 3, 4, 5, 0xF7}), Ask(kPollMeterA));
    EXPECT_EQ((Frame{0xF0, 0x46, 7, 0x38, 60, 61, 62, 63, 64, 65, 66, 67, 0xF7}),
              Ask(kPollGainReduction));
}

TEST_F(TcpCommands, SeveralConnectionsAndTheFrameLog) {
    test::TcpClient second(kAddress, server.Port());
    ASSERT_TRUE(second.Ok());
    EXPECT_TRUE(client.Exchange(1, kCheckDevice).has_value());
    EXPECT_TRUE(second.Exchange(2, kCheckDevice).has_value());
    EXPECT_TRUE(client.Exchange(1, kPollStatus).has_value());
    EXPECT_EQ(server.OpenConnections(), 2);
    const auto log = device.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].request, MakeFrame(2, kCheckDevice));
    EXPECT_EQ(log[1].reply.size(), 13u);
    EXPECT_EQ(log[1].reply[4], 0x46);
    EXPECT_EQ(log[2].transport, Transport::Tcp);
    EXPECT_EQ(device.FrameCount(), 3);
    device.ClearLog();
    EXPECT_TRUE(device.Log().empty());
}

TEST(TcpServer, BindsOnlyLoopbackAddresses) {
    Device device;
    TcpServer server(device, "0.0.0.0", 0);
    EXPECT_FALSE(server.Ok());
    TcpServer other(device, "127.0.0.4", 0);
    EXPECT_TRUE(other.Ok()) << other.Error();
    EXPECT_NE(other.Port(), 0);
}

}  // namespace
}  // namespace devsim
