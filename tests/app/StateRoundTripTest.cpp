// State files through a start and an exit: what was read can always be written back, records
// and images of another link type come out byte for byte, also when the link type is switched
// to them or a USB device is added over one, and the files of a first start or of a save that
// was cut short are put in order at start-up.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <arpa/inet.h>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "model/DevImageRecord.h"
#include "model/DeviceRecord.h"
#include "model/RecordFile.h"
#include "project/FrmDevice.h"
#include "project/FrmSelect.h"
#include "support/DeviceTest.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr size_t kImageSize = model::DevImageRecord::Size;

Bytes Slice(const Bytes& file, size_t from, size_t count) {
    if (file.size() < from + count) return {};
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(from),
                 file.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// startBf.ini with a pattern of its own in the image of each of the slots.
Bytes PatternedImages(std::initializer_list<size_t> slots) {
    Bytes images(65 * kImageSize, 0);
    for (size_t slot : slots) {
        for (size_t b = 0; b < kImageSize; ++b) {
            images[slot * kImageSize + b] = static_cast<uint8_t>(b * 31 + slot);
        }
    }
    return images;
}

// The link dialog opened from the command bar: option chosen, then OK; the bar follows.
void SwitchLink(ui::HeadlessHost& host, MDIFrmMain& main, int16_t option) {
    host.DriveModal("FrmSelect", [option](ui::Form& f) {
        auto& d = static_cast<FrmSelect&>(f);
        d.Option2(option).UserClick();
        d.Command1(0).UserClick();
    });
    main.Command1(MDIFrmMain::CmdLink).UserClick();
    host.Advance(1000);
}

// Each of the 65 slots of a and b are equal, except those in skip.
void ExpectSlotsEqual(const Bytes& a, const Bytes& b, size_t size, const std::set<size_t>& skip) {
    ASSERT_EQ(a.size(), 65 * size);
    ASSERT_EQ(b.size(), 65 * size);
    for (size_t slot = 0; slot < 65; ++slot) {
        if (skip.count(slot) != 0) continue;
        EXPECT_EQ(Slice(a, slot * size, size), Slice(b, slot * size, size)) << slot;
    }
}

struct StateRoundTrip : apptest::ProgramTest {};

// What saves cut short leave beside files, with the user's own files named like temporaries:
// "NAME.tmp" beside each file and "notes.tmp" in its folder.
struct Leftovers {
    std::vector<std::string> temporaries;
    std::vector<std::string> users;

    Leftovers(const apptest::Session& p, const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            temporaries.push_back(model::TemporaryPath(p.File(name)));
            users.push_back(p.File(name + ".tmp"));
            users.push_back(std::filesystem::path(p.File(name)).replace_filename("notes.tmp"));
        }
        for (const std::string& path : temporaries) apptest::WriteFile(path, Bytes(300, 7));
        for (const std::string& path : users) apptest::WriteFile(path, Bytes(3, 1));
    }

    void ExpectTemporariesGoneAndUsersKept() const {
        for (const std::string& path : temporaries)
            EXPECT_FALSE(std::filesystem::exists(path)) << path;
        for (const std::string& path : users)
            EXPECT_EQ(apptest::ReadFile(path), Bytes(3, 1)) << "the user's own " << path;
    }
};

// A first start creates the state files and the "Project" and "preset" folders; the
// temporaries saves cut short left in "Project" and in the application folder go, the real
// files and the user's own "NAME.tmp" files stay.
TEST_F(StateRoundTrip, AFirstStartCreatesTheStateFilesAndDropsLeftTemporaries) {
    std::filesystem::create_directory(p.File("Project"));
    const Leftovers left(p, {"start.ini", "NameSwitch.ini", "live.XPG", "Project/venue.xpj"});
    apptest::WriteFile(p.File("Project/venue.xpj"), Bytes(200, 1));
    Start(-1);
    for (const char* name : {"init.cfg", "start.ini", "startBf.ini"}) {
        EXPECT_TRUE(std::filesystem::is_regular_file(p.File(name))) << name;
        EXPECT_EQ(std::filesystem::file_size(p.File(name)), 0u) << name;
    }
    left.ExpectTemporariesGoneAndUsersKept();
    EXPECT_EQ(apptest::ReadFile(p.File("Project/venue.xpj")), Bytes(200, 1));
    EXPECT_TRUE(std::filesystem::is_directory(p.File("preset")));
}

// The start clears the "preset" folder's leftover temporaries the same way.
TEST_F(StateRoundTrip, AStartDropsTheTemporariesLeftInThePresetFolder) {
    std::filesystem::create_directory(p.File("preset"));
    const Leftovers left(p, {"preset/stage.XPG", "preset/hall.swc"});
    apptest::WriteFile(p.File("preset/stage.XPG"), Bytes(1763, 2));
    Start(-1);
    left.ExpectTemporariesGoneAndUsersKept();
    EXPECT_EQ(apptest::ReadFile(p.File("preset/stage.XPG")), Bytes(1763, 2));
}

// A state file that is a pipe or a device is named in a message and neither read nor written
// over; of a huge one only what its layout uses is read, and its rest is kept.
TEST_F(StateRoundTrip, StateFilesAreReadNoFurtherThanTheirLayouts) {
    apptest::WriteFile(p.File("init.cfg"), apptest::InitCfgBytes(2, 2));
    std::filesystem::resize_file(p.File("init.cfg"), 256u << 20);
    ASSERT_EQ(::mkfifo(p.File("start.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", p.File("startBf.ini"));
    Start(-1);
    const auto messages = p.host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt, "The file " + p.File("start.ini") +
                                      " is not a regular file. The program goes on without it.");
    EXPECT_EQ(messages[1].prompt, "The file " + p.File("startBf.ini") +
                                      " is not a regular file. The program goes on without it.");
    EXPECT_EQ(s.LinkType, 2);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "TCP/IP");

    SwitchLink(p.host, *main, 1);
    const Bytes head = apptest::InitCfgBytes(2, 1);
    std::vector<uint8_t> cfg(head.size());
    std::ifstream(p.File("init.cfg"), std::ios::binary)
        .read(reinterpret_cast<char*>(cfg.data()), static_cast<std::streamsize>(cfg.size()));
    EXPECT_EQ(cfg, head);
    EXPECT_EQ(std::filesystem::file_size(p.File("init.cfg")), 256u << 20);

    p.host.Answer(ui::vbYes);  // and leave without saving
    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    EXPECT_NE(p.host.Messages().back().prompt.find("could not be saved"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(p.File("start.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(p.File("startBf.ini")));
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

// A stored Online 1 of a USB record is no connection: switched to, it comes up offline, "ID && IP"
// stays disabled and the exit sends nothing and does not pause.
TEST_F(StateRoundTrip, ASwitchToUsbBringsItsRecordUpOffline) {
    model::PerSlot<model::DeviceRecord> list{};
    list[0] = apptest::SerialRecord(0, 0);
    list[0].Online = 1;
    list[0].IpOctets = {4, 4, 4, 4};
    list[0].WinLeft = 3490;
    list[0].NickName = "Desk";
    const Bytes images = PatternedImages({0});
    apptest::WriteFile(p.File("startBf.ini"), images);
    Start(2, 4, list);
    EXPECT_FALSE(s.FrmDeviceWin[0]);
    SwitchLink(p.host, *main, 0);

    ASSERT_TRUE(s.FrmDeviceWin[0] && s.FrmDeviceWin[0]->Visible());
    EXPECT_EQ(s.FrmDeviceWin[0]->Caption(), " USB - Offline");
    EXPECT_EQ(s.FrmDeviceWin[0]->Left(), 3490);
    EXPECT_EQ(s.DevList[0].Online, 0);
    EXPECT_EQ(Slice(images, 0, kImageSize), [&] {
        model::RecordWriter w;
        model::WriteDevImageRecord(w, s.DevImage[0]);
        return w.Data();
    }());
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdIdIp).Visible());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdIdIp).Enabled());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled());
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdLink).Enabled());

    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    EXPECT_EQ(p.host.SleptMs(), 0);
    model::PerSlot<model::DeviceRecord> expected = list;
    expected[0].Online = 0;
    EXPECT_EQ(apptest::ReadFile(p.File("start.ini")), apptest::StartIniBytes(expected));
    EXPECT_EQ(apptest::ReadFile(p.File("startBf.ini")), images);
    EXPECT_EQ(apptest::ReadFile(p.File("init.cfg")), apptest::InitCfgBytes(4, 0));
}

class OtherLinkRoad : public testsupport::DeviceTest {
  protected:
    // The state files written, then the program started in the harness's folder with the
    // harness's state.
    MDIFrmMain* StartWith(int16_t linkType, const model::PerSlot<model::DeviceRecord>& list,
                          const Bytes& images) {
        WriteStateFiles(linkType, list, images);
        return apptest::StartProgram(H().host, S());
    }
    void WriteStateFiles(int16_t linkType, const model::PerSlot<model::DeviceRecord>& list,
                         const Bytes& images) {
        apptest::WriteFile(H().home.File("init.cfg"), apptest::InitCfgBytes(1, linkType));
        apptest::WriteFile(H().home.File("start.ini"), apptest::StartIniBytes(list));
        apptest::WriteFile(H().home.File("startBf.ini"), images);
    }
    Bytes File(const char* name) { return apptest::ReadFile(H().home.File(name)); }
    // Reads the slot's working program over the wire (returned), then Exit: start.ini holds
    // list's records byte for byte in every other slot, and the slot's saved record goes to
    // back.
    Bytes ExitAfterReadingProgram(MDIFrmMain& main, const model::PerSlot<model::DeviceRecord>& list,
                                  int16_t slot, model::DeviceRecord& back) {
        const Bytes memory = H().ReadMemory(slot, 64, 912);
        EXPECT_EQ(memory.size(), 912u);
        EXPECT_TRUE(apptest::ExitWithYes(H().host, main));
        const Bytes saved = File("start.ini");
        const auto at = static_cast<size_t>(slot);
        ExpectSlotsEqual(saved, apptest::StartIniBytes(list), 128, {at});
        EXPECT_EQ(model::ReadDeviceRecord(Slice(saved, at * 128, 128), back),
                  model::DeviceRecordFault::None);
        return memory;
    }
};

// Start on USB with a TCP/IP record: switching to RS485 and back changes nothing; switching to
// TCP/IP brings the record up as a start on TCP/IP would (its image, address, window, offline),
// Connect All reaches it at its own address, and the exit writes everything else byte for byte.
TEST_F(OtherLinkRoad, ASwitchBringsThatLinksRecordsUpAsAStartDoes) {
    Start();
    VX_REQUIRE_LINK(H(), testsupport::Link::Tcp);
    in_addr addr{};
    ASSERT_EQ(inet_pton(AF_INET, H().Address().c_str(), &addr), 1);
    const auto* a = reinterpret_cast<const uint8_t*>(&addr.s_addr);
    model::PerSlot<model::DeviceRecord> list{};
    list[3] = apptest::TcpRecord(a[0], a[1], a[2], a[3]);
    list[3].Online = 1;  // as a TCP/IP session left it
    list[3].WinLeft = 3490;
    list[3].NickName = "Hall";
    const Bytes images = PatternedImages({3});
    MDIFrmMain* main = StartWith(0, list, images);
    ASSERT_NE(main, nullptr);
    State& s = S();
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdLink).Enabled()) << "to reach the record";

    SwitchLink(H().host, *main, 1);
    SwitchLink(H().host, *main, 0);
    EXPECT_EQ(File("init.cfg"), apptest::InitCfgBytes(1, 0));
    EXPECT_FALSE(s.FrmDeviceWin[3]);
    EXPECT_EQ(s.DevList[3], list[3]);
    EXPECT_TRUE(main->Command1(MDIFrmMain::CmdLink).Enabled());

    SwitchLink(H().host, *main, 2);
    EXPECT_EQ(File("init.cfg"), apptest::InitCfgBytes(1, 2));
    ASSERT_TRUE(s.FrmDeviceWin[3] && s.FrmDeviceWin[3]->Visible());
    EXPECT_EQ(s.FrmDeviceWin[3]->Caption(), " IP:" + H().Address() + " - Offline");
    EXPECT_EQ(s.FrmDeviceWin[3]->Left(), 3490);
    EXPECT_EQ(s.DevAddr[3], 3);
    EXPECT_EQ(s.DevList[3].Online, 0);
    model::RecordWriter image;
    model::WriteDevImageRecord(image, s.DevImage[3]);
    EXPECT_EQ(image.Data(), Slice(images, 3 * kImageSize, kImageSize));
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdLink).Enabled());

    H().ShortenTimeouts(0.1);
    if (!H().External()) H().Device().ClearLog();
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    EXPECT_TRUE(H().host.Messages().empty()) << H().host.Messages().front().prompt;
    EXPECT_EQ(s.DevList[3].Online, 1);
    if (!H().External()) {
        ASSERT_FALSE(H().Device().Log().empty());
        for (const auto& logged : H().Device().Log()) EXPECT_EQ(logged.request[2], 3);
    }
    model::DeviceRecord back;
    const Bytes memory = ExitAfterReadingProgram(*main, list, 3, back);
    EXPECT_EQ(back.IpOctets, list[3].IpOctets);
    EXPECT_EQ(back.LinkKind, 2);
    EXPECT_EQ(back.Used, -1);
    EXPECT_EQ(back.WinLeft, 3490);
    const Bytes savedImages = File("startBf.ini");
    ExpectSlotsEqual(savedImages, images, kImageSize, {3});
    EXPECT_EQ(Slice(savedImages, 3 * kImageSize, 912), memory) << "the device's program";
}

// Add Device on USB over slot 0 holding an RS485 record asks first: No changes nothing, and
// the files come out byte for byte; Yes replaces it, and the USB device connects there.
TEST_F(OtherLinkRoad, AddingAUsbDeviceOverAnotherLinksRecordAsksFirst) {
    Start({.link = testsupport::Link::Usb});
    VX_REQUIRE_LINK(H(), testsupport::Link::Usb);
    model::PerSlot<model::DeviceRecord> list{};
    list[0] = apptest::SerialRecord(1, 7);
    list[0].NickName = "Hall";
    list[0].IpOctets = {1, 1, 1, 1};
    const Bytes images = PatternedImages({0});
    const std::string question =
        "The USB device takes the place of the RS485 device ID 7 \"Hall\", kept for the RS485 "
        "link. Replacing it loses that device's entry and its stored settings.\r\nReplace it?";
    WriteStateFiles(0, list, images);
    {
        apptest::Session first;  // its own host and state, in the harness's folder
        first.state->AppDir = H().home.Path();
        setenv("VELOTRIX_HOME", H().home.Path().c_str(), 1);
        MDIFrmMain* main = apptest::StartProgram(first.host, *first.state);
        ASSERT_NE(main, nullptr);
        first.host.Answer(ui::vbNo);
        main->Command1(MDIFrmMain::CmdAddDevice).UserClick();
        ASSERT_EQ(first.host.Messages().size(), 1u);
        EXPECT_EQ(first.host.Messages()[0].prompt, question);
        EXPECT_EQ(first.host.Messages()[0].title, "Add Device");
        EXPECT_EQ(first.state->DevList[0], list[0]);
        EXPECT_FALSE(first.state->FrmDeviceWin[0]);
        EXPECT_TRUE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled());
        ASSERT_TRUE(apptest::ExitWithYes(first.host, *main));
    }
    EXPECT_EQ(File("start.ini"), apptest::StartIniBytes(list));
    EXPECT_EQ(File("startBf.ini"), images);

    MDIFrmMain* main = apptest::StartProgram(H().host, S());
    ASSERT_NE(main, nullptr);
    H().host.Answer(ui::vbYes);
    main->Command1(MDIFrmMain::CmdAddDevice).UserClick();
    EXPECT_EQ(H().host.TakeMessages().at(0).prompt, question);
    ASSERT_TRUE(S().FrmDeviceWin[0] && S().FrmDeviceWin[0]->Visible());
    EXPECT_EQ(S().DevList[0].LinkKind, 0);
    EXPECT_FALSE(main->Command1(MDIFrmMain::CmdAddDevice).Enabled());
    H().ShortenTimeouts(0.1);
    S().FrmDeviceWin[0]->Label1.UserClick();
    EXPECT_EQ(S().DevList[0].Online, 1);
    model::DeviceRecord back;
    const Bytes memory = ExitAfterReadingProgram(*main, list, 0, back);
    EXPECT_EQ(back.LinkKind, 0);
    EXPECT_EQ(back.Online, 1);
    EXPECT_EQ(Slice(File("startBf.ini"), 0, 912), memory);
}

}  // namespace
