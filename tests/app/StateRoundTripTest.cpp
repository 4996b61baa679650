// State files through a start and an exit: what was read can always be written back, records
// and images of another link type come out byte for byte, and the files of a first start or
// of a save that was cut short are put in order at start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "model/DevImageRecord.h"
#include "model/DeviceRecord.h"
#include "project/FrmDevice.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kImageSize = model::DevImageRecord::Size;

Bytes Slice(const Bytes& file, size_t from, size_t count) {
    if (file.size() < from + count) return {};
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(from),
                 file.begin() + static_cast<std::ptrdiff_t>(from + count));
}

struct StateRoundTrip : apptest::ProgramTest {};

TEST_F(StateRoundTrip, AFirstStartCreatesTheStateFilesAndDropsLeftTemporaries) {
    apptest::WriteFile(p.File("start.ini.tmp"), Bytes(300, 7));  // a save cut short
    Start(-1);
    for (const char* name : {"init.cfg", "start.ini", "startBf.ini"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(p.File(name))) << name;
        EXPECT_EQ(std::filesystem::file_size(p.File(name)), 0u) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(p.File("start.ini.tmp")));
}

TEST_F(StateRoundTrip, AnotherLinksRecordAndImagePassThroughByteForByte) {
    model::PerSlot<model::DeviceRecord> list{};
    list[2] = apptest::TcpRecord(127, 77, 13, 2);  // nothing listens there
    list[5] = apptest::SerialRecord(1, 7);         // RS485, stored online, in its own window place
    list[5].Online = 1;
    list[5].IpOctets = {3, 3, 3, 3};
    list[5].IpText = "junk";
    list[5].WinLeft = 4321.5f;
    list[5].NickName = "Balcony";
    Bytes images(65 * kImageSize, 0);
    for (size_t b = 0; b < kImageSize; ++b) {
        images[5 * kImageSize + b] = static_cast<uint8_t>(b * 31 + 1);
    }
    const Bytes startIni = apptest::StartIniBytes(list);
    apptest::WriteFile(p.File("startBf.ini"), images);
    Start(2, 4, list);
    EXPECT_EQ(s.DevList[5], list[5]);
    EXPECT_FALSE(s.FrmDeviceWin[5]) << "no window for another link's record";

    // Connect All tries the TCP/IP device only.
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.TakeMessages()[0].prompt,
              "The following devices are not found\r\n IP:127.77.13.2\r\n");
    EXPECT_FALSE(s.FrmDeviceWin[5]);
    EXPECT_EQ(s.DevList[5], list[5]);

    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    const Bytes savedList = apptest::ReadFile(p.File("start.ini"));
    const Bytes savedImages = apptest::ReadFile(p.File("startBf.ini"));
    EXPECT_EQ(Slice(savedList, 5 * 128, 128), Slice(startIni, 5 * 128, 128));
    EXPECT_EQ(Slice(savedImages, 5 * kImageSize, kImageSize),
              Slice(images, 5 * kImageSize, kImageSize));
}

TEST_F(StateRoundTrip, TheExitOnRs485AddressesOnlyItsOwnRecords) {
    model::PerSlot<model::DeviceRecord> list{};
    list[1] = apptest::TcpRecord(10, 0, 0, 1);
    list[1].Online = 1;  // as stored by a TCP/IP session
    Start(1, 1, list);
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdConnectAll).Enabled())
        << "no device of the current link type";
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdRemoveDevice).Enabled());
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdLink).Enabled()) << "to reach the other link";
    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    EXPECT_EQ(p.host.SleptMs(), 0);
    EXPECT_EQ(s.TxFrame, decltype(s.TxFrame){}) << "no closing command was built";
    EXPECT_EQ(p.host.Messages().size(), 1u);
}

TEST_F(StateRoundTrip, ALongNickNameIsCutAndTheExitSavesAgain) {
    model::PerSlot<model::DeviceRecord> list{};
    list[3] = apptest::TcpRecord(127, 0, 0, 9);
    list[3].NickName = std::string(100, 'n');
    Bytes file = apptest::StartIniBytes(model::PerSlot<model::DeviceRecord>{});
    const Bytes record = apptest::DeviceRecordBytes(list[3]);
    std::copy_n(record.begin(), 128, file.begin() + 3 * 128);  // the name runs past the slot
    apptest::WriteFile(p.File("start.ini"), file);
    Start(2, 0);
    EXPECT_EQ(s.DevList[3].Used, -1);
    EXPECT_EQ(s.DevList[3].NickName, std::string(16, 'n'));
    ASSERT_TRUE(s.FrmDeviceWin[3]);
    EXPECT_EQ(s.FrmDeviceWin[3]->Label10.Caption(), std::string(16, 'n'));

    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    EXPECT_EQ(p.host.Messages().size(), 1u) << "only the exit question: both files saved";
    const Bytes saved = apptest::ReadFile(p.File("start.ini"));
    model::DeviceRecord back;
    ASSERT_EQ(model::ReadDeviceRecord(Slice(saved, 3 * 128, 128), back),
              model::DeviceRecordFault::None);
    EXPECT_EQ(back.NickName, std::string(16, 'n'));
    EXPECT_EQ(back.Used, -1);
}

}  // namespace
