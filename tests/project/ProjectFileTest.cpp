// Project files through the command bar: saving writes all 65 records, loading in a fresh
// program brings back the list, the windows and their places, a project of another link type
// asks first, and files that hold no project are refused without touching anything.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "Program.h"
#include "app/MDIFrmMain.h"
#include "model/DefaultImage.h"
#include "model/DeviceDefaults.h"
#include "model/ModelState.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"
#include "project/FrmDevice.h"
#include "project/ProjectFile.h"

namespace {

using apptest::Session;

struct ProjectFiles : apptest::ProgramTest {
    void Start(int16_t linkType, const model::PerSlot<model::DeviceRecord>& list = {}) {
        ProgramTest::Start(linkType, 3, list);
    }
    // The button states follow the project once a second.
    void Save(const std::string& path) {
        p.host.Advance(1000);
        p.host.ChooseFile(path);
        main->Command1(MDIFrmMain::CmdSaveProject).UserClick();
    }
    void Load(const std::string& path) {
        p.host.ChooseFile(path);
        main->Command1(MDIFrmMain::CmdLoadProject).UserClick();
    }
    FrmDevice& Window(int16_t slot) { return *s.FrmDeviceWin[slot]; }
    bool Shown(int16_t slot) {
        return s.FrmDeviceWin[slot] && s.FrmDeviceWin[slot]->Loaded() && Window(slot).Visible();
    }
};

// Three TCP/IP devices, their windows moved, and in the last slot a record of another link
// whose every field differs from a free slot's: saved in one program, the file holds each
// record in its slot, and a fresh program loads them all.
TEST_F(ProjectFiles, AProjectComesBackInAFreshProgram) {
    model::PerSlot<model::DeviceRecord> list{};
    list[64] = apptest::SerialRecord(1, 12);
    list[64].IpOctets = {9, 8, 7, 6};
    list[64].IpText = "9.8.7.6";
    list[64].Online = 1;
    list[64].WinLeft = 1234.5f;
    list[64].WinTop = 678.25f;
    list[64].NickName = "Gallery";
    Start(2, list);
    for (const char* address : {"10.0.0.7", "10.0.0.8", "192.168.5.1"}) {
        apptest::AddDeviceByIp(p.host, *main, address);
    }
    Window(0).Move(100, 200, FrmDevice::kWidth, FrmDevice::kHeight);
    Window(1).Move(3600, 0, FrmDevice::kWidth, FrmDevice::kHeight);
    Window(2).Move(0, 2400, FrmDevice::kWidth, FrmDevice::kHeight);
    s.DevList[1].NickName = "stage left";
    const std::string file = p.File("Project") + "/venue.xpj";
    Save(file);
    ASSERT_EQ(p.host.Dialogs().size(), 1u);
    const ui::FileDialog& asked = p.host.Dialogs()[0].request;
    EXPECT_EQ(asked.Filter, "file project (*.xpj)|*.xpj;*.XPJ");
    EXPECT_EQ(asked.InitDir, p.File("Project"));
    EXPECT_EQ(apptest::ReadFile(file), apptest::StartIniBytes(s.DevList));
    EXPECT_EQ(s.DevList[64], list[64]);
    const model::PerSlot<model::DeviceRecord> saved = s.DevList;

    Session fresh;
    apptest::WriteFile(fresh.File("init.cfg"), apptest::InitCfgBytes(3, 2));
    MDIFrmMain* second = apptest::StartProgram(fresh.host, *fresh.state);
    ASSERT_NE(second, nullptr);
    fresh.host.ChooseFile(file);
    second->Command1(MDIFrmMain::CmdLoadProject).UserClick();
    State& t = *fresh.state;
    EXPECT_TRUE(fresh.host.Messages().empty()) << "same link type: no question";
    EXPECT_EQ(t.DevList, saved);
    const ui::Twips places[3][2] = {{100, 200}, {3600, 0}, {0, 2400}};
    for (int16_t slot = 0; slot < 3; ++slot) {
        ASSERT_TRUE(t.FrmDeviceWin[slot] && t.FrmDeviceWin[slot]->Visible()) << slot;
        EXPECT_EQ(t.FrmDeviceWin[slot]->Left(), places[slot][0]);
        EXPECT_EQ(t.FrmDeviceWin[slot]->Top(), places[slot][1]);
        EXPECT_EQ(t.FrmDeviceWin[slot]->Caption(), " IP:" + saved[slot].IpText + " - Offline");
    }
    EXPECT_EQ(t.FrmDeviceWin[1]->Label10.Caption(), "stage left");
    EXPECT_FALSE(t.CmdBusy);
    fresh.host.Advance(1000);
    EXPECT_TRUE(second->Command1(MDIFrmMain::CmdConnectAll).Enabled());
}

// The project's link type is that of its first device; No keeps the current project and link.
TEST_F(ProjectFiles, AnotherLinkTypeAsksBeforeAnythingCloses) {
    model::PerSlot<model::DeviceRecord> project{};
    project[2] = apptest::TcpRecord(10, 1, 1, 2);
    project[2].WinLeft = 480;
    project[5] = apptest::SerialRecord(1, 9);  // another link type inside the project
    const std::string file = p.File("tcp.xpj");
    apptest::WriteFile(file, apptest::StartIniBytes(project));

    model::PerSlot<model::DeviceRecord> current{};
    current[0] = apptest::SerialRecord(1, 4);
    Start(1, current);
    ASSERT_TRUE(Shown(0));
    const std::string button = main->Command1(MDIFrmMain::CmdLink).Caption();
    EXPECT_EQ(button, "RS485-COM3");

    p.host.Answer(ui::vbNo);
    Load(file);
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt,
              "The selected project need a TCP/IP connection, do you want to switch from RS485 "
              "to TCP/IP mode?");
    EXPECT_EQ(p.host.Messages()[0].title, "Load Project");
    EXPECT_EQ(p.host.Messages()[0].style, ui::vbYesNo);
    EXPECT_EQ(s.LinkType, 1);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), button);
    EXPECT_TRUE(Shown(0)) << "the current project stays open";
    EXPECT_EQ(s.DevList[0], current[0]);
    EXPECT_FALSE(s.CmdBusy);
    EXPECT_EQ(main->MousePointer(), ui::vbDefault);

    // Yes, but init.cfg can't be written (a folder stands where its temporary goes): nothing
    // changes, so that the next start can't come up on another link than the project's.
    std::filesystem::create_directory(model::TemporaryPath(p.File("init.cfg")));
    p.host.Answer(ui::vbYes);
    Load(file);
    ASSERT_EQ(p.host.Messages().size(), 3u);
    EXPECT_EQ(p.host.Messages()[2].prompt, "The link type could not be saved to " +
                                               p.File("init.cfg") +
                                               ". The link stays RS485 and the project was not "
                                               "loaded.");
    EXPECT_EQ(s.LinkType, 1);
    EXPECT_EQ(s.InitCfg.LinkType, 1);
    EXPECT_TRUE(Shown(0));
    EXPECT_FALSE(s.CmdBusy);
    std::filesystem::remove(model::TemporaryPath(p.File("init.cfg")));

    p.host.Answer(ui::vbYes);
    Load(file);
    EXPECT_EQ(s.LinkType, 2);
    EXPECT_EQ(s.InitCfg.LinkType, 2);
    EXPECT_EQ(main->Command1(MDIFrmMain::CmdLink).Caption(), "TCP/IP");
    EXPECT_EQ(apptest::ReadFile(p.File("init.cfg")), apptest::InitCfgBytes(3, 2))
        << "the next start comes up on the project's link";
    EXPECT_TRUE(s.FrmDeviceWin[0]->Finished()) << "the RS485 window closed";
    EXPECT_TRUE(Shown(2));
    EXPECT_EQ(Window(2).Left(), 480);
    EXPECT_EQ(s.DevList[5], project[5]) << "a record of another link type stays as it was";
    EXPECT_FALSE(s.FrmDeviceWin[5] && s.FrmDeviceWin[5]->Loaded());

    // Connect All reaches only the devices of the current link type.
    s.DevList[2].Used = 0;
    p.host.Advance(1000);
    p.host.TakeMessages();
    main->Command1(MDIFrmMain::CmdConnectAll).UserClick();
    EXPECT_EQ(s.DevList[5], project[5]);
    EXPECT_FALSE(s.DevConnErr[5]);
    EXPECT_TRUE(p.host.Messages().empty());
}

// A slot that holds the same device after the load keeps its image; one whose device changed
// gets the new-device image until it is connected, whatever its link type. The exit saves them.
TEST_F(ProjectFiles, ADeviceThatChangedGetsTheNewDeviceImage) {
    model::PerSlot<model::DeviceRecord> current{};
    current[0] = apptest::TcpRecord(10, 0, 0, 1);
    current[0].NickName = "Stage";
    current[1] = apptest::TcpRecord(10, 0, 0, 2);
    std::vector<uint8_t> images(65 * 1763, 0);
    for (size_t b = 0; b < 2 * 1763; ++b) images[b] = static_cast<uint8_t>(b * 7 + 1);
    apptest::WriteFile(p.File("startBf.ini"), images);
    model::PerSlot<model::DeviceRecord> project = current;
    project[0].WinLeft = 3490;  // the same device, its window elsewhere
    project[1] = apptest::TcpRecord(10, 0, 0, 9);
    project[4] = apptest::SerialRecord(1, 9);
    const std::string file = p.File("other.xpj");
    apptest::WriteFile(file, apptest::StartIniBytes(project));
    Start(2, current);
    Load(file);
    ASSERT_TRUE(Shown(1));

    const auto program = [](const std::vector<uint8_t>& bytes, size_t slot) {
        return std::vector<uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(slot * 1763),
                                    bytes.begin() + static_cast<std::ptrdiff_t>(slot * 1763 + 912));
    };
    const std::vector<uint8_t> defaults(model::DefaultImage.begin(), model::DefaultImage.end());
    EXPECT_EQ(std::vector<uint8_t>(s.DevImage[1].ProgImage.begin(),
                                   s.DevImage[1].ProgImage.begin() + 912),
              defaults);
    ASSERT_TRUE(apptest::ExitWithYes(p.host, *main));
    const std::vector<uint8_t> saved = apptest::ReadFile(p.File("startBf.ini"));
    ASSERT_EQ(saved.size(), images.size());
    EXPECT_TRUE(std::equal(images.begin(), images.begin() + 1763, saved.begin()));
    EXPECT_EQ(program(saved, 1), defaults);
    EXPECT_EQ(program(saved, 4), defaults) << "another link's record, new in its slot";
}

// The project's record of the tested slot differs from the current one in one field: a device
// the project keeps (same link, address and nick name) keeps the image the program works with,
// edited since the start; one whose link, address or nick name differs alone gets the
// new-device image and record. Window places, the online mark and the address text tell no
// devices apart. The device beside it keeps its image, and the exit saves what each slot holds.
TEST(ProjectLoad, OnlyTheSameDeviceKeepsItsEditedImage) {
    using Change = void (*)(model::DeviceRecord&);
    struct Case {
        const char* name;
        int16_t link;
        Change change;
        bool kept;
    };
    const Case cases[] = {
        {"TCP/IP window", 2, [](model::DeviceRecord& r) { r.WinLeft = 3490, r.WinTop = 120; },
         true},
        {"TCP/IP online", 2, [](model::DeviceRecord& r) { r.Online = 1; }, true},
        {"TCP/IP address text", 2, [](model::DeviceRecord& r) { r.IpText = "010.0.0.2"; }, true},
        {"TCP/IP nick name", 2, [](model::DeviceRecord& r) { r.NickName = "Stage "; }, false},
        {"TCP/IP first octet", 2, [](model::DeviceRecord& r) { r.IpOctets[0] = 11; }, false},
        {"TCP/IP last octet", 2, [](model::DeviceRecord& r) { r.IpOctets[3] = 3; }, false},
        {"TCP/IP to RS485", 2, [](model::DeviceRecord& r) { r.LinkKind = 1; }, false},
        {"RS485 port octets", 1,
         [](model::DeviceRecord& r) {
             r.IpOctets = {5, 5, 5, 5};
         },
         true},
        {"RS485 ID", 1, [](model::DeviceRecord& r) { r.DevId = 200; }, false},
        {"RS485 nick name", 1, [](model::DeviceRecord& r) { r.NickName = "stage"; }, false},
        {"USB window", 0, [](model::DeviceRecord& r) { r.WinTop = 2400; }, true},
        {"USB nick name", 0, [](model::DeviceRecord& r) { r.NickName = "Stag"; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // USB keeps its one device in slot 0; the others have a device beside it in slot 0.
        const int16_t at = c.link == 0 ? 0 : 1;
        model::PerSlot<model::DeviceRecord> current{};
        for (int16_t slot = 0; slot <= at; ++slot) {
            current[slot] = c.link == 2
                                ? apptest::TcpRecord(10, 0, 0, static_cast<uint8_t>(1 + slot))
                                : apptest::SerialRecord(c.link, static_cast<int16_t>(12 + slot));
            if (c.link != 2) current[slot].IpOctets = {3, 3, 3, 3};
            current[slot].NickName = "Stage";
        }
        std::vector<uint8_t> images(65 * 1763, 0);
        for (size_t b = 0; b < 2 * 1763; ++b) images[b] = static_cast<uint8_t>(b * 7 + 1);
        Session t;
        apptest::WriteFile(t.File("init.cfg"), apptest::InitCfgBytes(3, c.link));
        apptest::WriteFile(t.File("start.ini"), apptest::StartIniBytes(current));
        apptest::WriteFile(t.File("startBf.ini"), images);
        MDIFrmMain* main = apptest::StartProgram(t.host, *t.state);
        ASSERT_NE(main, nullptr);
        State& s = *t.state;
        // Edits since the start: every byte of the image and every parameter other than read.
        model::DevImageRecord& image = s.DevImage[at];
        for (uint8_t& b : image.ProgImage) b ^= 0x5A;
        for (uint8_t& b : image.DevExtra) b ^= 0xA5;
        for (uint8_t& b : image.PanelState) b ^= 0x3C;
        for (size_t k = 0; k < 528; ++k) s.DevParam[at].Doubles[k] = 0.5 + static_cast<double>(k);
        s.DevParam[at].SlotName.fill("edited");
        auto expected = std::make_unique<model::ModelState>();
        expected->DevImage[at] = image;
        expected->DevParam[at] = s.DevParam[at];
        if (!c.kept) model::InitDeviceDefault(*expected, static_cast<uint8_t>(at));
        const model::DevImageRecord beside = s.DevImage[0];

        model::PerSlot<model::DeviceRecord> project = current;
        c.change(project[at]);
        const std::string file = t.File("project.xpj");
        apptest::WriteFile(file, apptest::StartIniBytes(project));
        t.host.ChooseFile(file);
        main->Command1(MDIFrmMain::CmdLoadProject).UserClick();
        EXPECT_TRUE(t.host.Messages().empty());

        EXPECT_EQ(s.DevImage[at], expected->DevImage[at]);
        EXPECT_EQ(s.DevParam[at], expected->DevParam[at]);
        if (at != 0) {
            EXPECT_EQ(s.DevImage[0], beside);
        }
        ASSERT_TRUE(apptest::ExitWithYes(t.host, *main));
        const std::vector<uint8_t> saved = apptest::ReadFile(t.File("startBf.ini"));
        ASSERT_EQ(saved.size(), images.size());
        model::RecordWriter w;
        for (int16_t slot = 0; slot <= at; ++slot) model::WriteDevImageRecord(w, s.DevImage[slot]);
        EXPECT_TRUE(std::equal(w.Data().begin(), w.Data().end(), saved.begin()));
        if (at != 0) {
            EXPECT_TRUE(std::equal(images.begin(), images.begin() + 1763, saved.begin()));
        }
    }
}

TEST_F(ProjectFiles, AnEmptyProjectAsksNothingAndEmptiesTheList) {
    const std::string file = p.File("empty.xpj");
    apptest::WriteFile(file, apptest::StartIniBytes({}));
    model::PerSlot<model::DeviceRecord> current{};
    current[0] = apptest::SerialRecord(1, 4);
    Start(1, current);
    Load(file);
    EXPECT_TRUE(p.host.Messages().empty());
    EXPECT_EQ(s.LinkType, 1);
    EXPECT_EQ(s.DevList[0].Used, 0);
    EXPECT_TRUE(s.FrmDeviceWin[0]->Finished());
}

TEST_F(ProjectFiles, FilesWithoutAProjectAreRefusedAndLeftAlone) {
    model::PerSlot<model::DeviceRecord> current{};
    current[0] = apptest::TcpRecord(10, 0, 0, 1);
    Start(2, current);
    const model::PerSlot<model::DeviceRecord> before = s.DevList;

    const std::string missing = p.File("missing.xpj");
    Load(missing);
    EXPECT_FALSE(std::filesystem::exists(missing)) << "reading creates nothing";
    const std::string tiny = p.File("tiny.XPJ");
    apptest::WriteFile(tiny, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    Load(tiny);
    EXPECT_EQ(apptest::ReadFile(tiny).size(), 9u) << "reading deletes nothing";
    p.host.CancelFileDialog();
    main->Command1(MDIFrmMain::CmdLoadProject).UserClick();
    p.host.CancelFileDialog();
    main->Command1(MDIFrmMain::CmdSaveProject).UserClick();

    EXPECT_EQ(s.DevList, before);
    EXPECT_TRUE(Shown(0));
    EXPECT_TRUE(p.host.Messages().empty());
    EXPECT_TRUE(p.host.Problems().empty());
    EXPECT_FALSE(s.CmdBusy);
}

// Only the 65 records of a regular file are read; the temporary a save cut short left beside a
// project file goes at the next load or save of that file, the user's "big.xpj.tmp" stays.
TEST_F(ProjectFiles, OnlyTheRecordsOfARegularFileAreRead) {
    Start(2);
    ASSERT_TRUE(std::filesystem::is_directory(p.File("Project"))) << "made at start";
    const model::PerSlot<model::DeviceRecord> before = s.DevList;
    const std::string fifo = p.File("Project/pipe.xpj");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Load(fifo);
    Load("/dev/zero");
    const auto messages = p.host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt,
              "The file " + fifo + " is not a regular file. The project is unchanged.");
    EXPECT_EQ(messages[1].title, "Load Project");
    EXPECT_EQ(s.DevList, before);

    model::PerSlot<model::DeviceRecord> project{};
    project[0] = apptest::TcpRecord(10, 0, 0, 5);
    const std::string big = p.File("Project/big.xpj");
    apptest::WriteFile(big, apptest::StartIniBytes(project));
    std::filesystem::resize_file(big, 256u << 20);
    const std::string left = model::TemporaryPath(big);
    const std::string users = big + ".tmp";
    apptest::WriteFile(left, {1, 2, 3});
    apptest::WriteFile(users, {4, 5});
    Load(big);
    EXPECT_EQ(s.DevList[0], project[0]);
    EXPECT_FALSE(std::filesystem::exists(left));
    EXPECT_EQ(std::filesystem::file_size(big), 256u << 20) << "left as it was";
    apptest::WriteFile(left, {1});
    Save(big);
    EXPECT_FALSE(std::filesystem::exists(left));
    EXPECT_EQ(std::filesystem::file_size(big), 65u * 128u);
    EXPECT_EQ(apptest::ReadFile(users), (std::vector<uint8_t>{4, 5})) << "the user's own file";
    EXPECT_TRUE(p.host.Messages().empty());
}

// A record whose text runs past its slot or whose fields are out of their ranges is a free
// slot; a nick name longer than 16 characters is cut; the records around it load as they are.
TEST_F(ProjectFiles, MalformedRecordsReadAsFreeSlots) {
    model::PerSlot<model::DeviceRecord> project{};
    project[0] = apptest::TcpRecord(10, 0, 0, 1);
    project[1] = apptest::TcpRecord(10, 0, 0, 2);
    project[2] = apptest::TcpRecord(10, 0, 0, 3);
    project[3] = apptest::TcpRecord(10, 0, 0, 4);
    project[3].NickName = std::string(40, 'n');  // longer than a nick name may be
    std::vector<uint8_t> bytes = apptest::StartIniBytes(project);
    bytes[128 + 4] = 0xF0;               // slot 1: IpText length 240 bytes
    bytes[2 * 128 + 4 + 2 + 8 + 4] = 7;  // slot 2: link kind 7
    const std::string file = p.File("damaged.xpj");
    apptest::WriteFile(file, bytes);
    Start(2);
    Load(file);
    EXPECT_EQ(s.DevList[0], project[0]);
    EXPECT_EQ(s.DevList[1], model::DeviceRecord{});
    EXPECT_EQ(s.DevList[2], model::DeviceRecord{});
    EXPECT_TRUE(Shown(0));
    EXPECT_FALSE(s.FrmDeviceWin[1] && s.FrmDeviceWin[1]->Loaded());
    EXPECT_EQ(s.DevList[3].NickName, std::string(16, 'n')) << "cut to 16, the device stays";
    EXPECT_TRUE(Shown(3));
}

// The records at their limits in a project whose first device is on TCP/IP, each followed by
// a plain record: they load as a start.ini slot reads them, and the records after them whole.
TEST_F(ProjectFiles, RecordTextsAtTheirLimitsAndOnePast) {
    const std::vector<apptest::LimitRecord> cases = apptest::RecordsAtTheirLimits();
    model::PerSlot<model::DeviceRecord> project{};
    project[0] = apptest::TcpRecord(10, 0, 0, 1);
    for (size_t k = 0; k < cases.size(); ++k) {
        project[2 + 2 * k] = apptest::SerialRecord(1, static_cast<int16_t>(100 + k));
        project[2 + 2 * k].NickName = "after " + std::to_string(k);
    }
    std::vector<uint8_t> bytes = apptest::StartIniBytes(project);
    for (size_t k = 0; k < cases.size(); ++k) {
        std::copy(cases[k].slot.begin(), cases[k].slot.end(), bytes.begin() + (1 + 2 * k) * 128);
    }
    const std::string file = p.File("limits.xpj");
    apptest::WriteFile(file, bytes);
    Start(2);
    Load(file);
    EXPECT_TRUE(p.host.Messages().empty());
    EXPECT_EQ(s.DevList[0].IpText, "10.0.0.1");
    for (size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].name);
        EXPECT_EQ(s.DevList[1 + 2 * k], cases[k].read);
        EXPECT_EQ(s.DevList[2 + 2 * k], project[2 + 2 * k]);
    }
}

TEST_F(ProjectFiles, SerialRecordsCarryTheComPortAfterSaving) {
    Start(1);
    apptest::AddDeviceById(p.host, *main, 12);
    apptest::AddDeviceById(p.host, *main, 3);
    const std::string file = p.File("rs485.xpj");
    Save(file);
    const std::array<uint8_t, 4> port{3, 3, 3, 3};
    EXPECT_EQ(s.DevList[0].IpOctets, port);
    EXPECT_EQ(s.DevList[1].IpOctets, port);
    const std::vector<uint8_t> bytes = apptest::ReadFile(file);
    ASSERT_EQ(bytes.size(), 65u * 128u);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 128, bytes.begin() + 132),
              std::vector<uint8_t>(port.begin(), port.end()));
    const std::vector<uint8_t> free = apptest::DeviceRecordBytes(model::DeviceRecord{});
    EXPECT_TRUE(std::equal(free.begin(), free.end(), bytes.begin() + 2 * 128))
        << "a free slot is written as it is";

    Save(p.File("no such folder") + "/rs485.xpj");
    ASSERT_EQ(p.host.Messages().size(), 1u);
    EXPECT_EQ(p.host.Messages()[0].prompt,
              "The project could not be saved to\r\n" + p.File("no such folder") + "/rs485.xpj");
    EXPECT_EQ(p.host.Messages()[0].title, "Save Project");
}

TEST(ProjectLinkType, IsThatOfTheFirstDeviceOfTheProject) {
    model::PerSlot<model::DeviceRecord> list{};
    EXPECT_EQ(ModConfig::ProjectLinkType(list), -1);
    list[0].LinkKind = 0;  // free: does not count
    list[4] = apptest::SerialRecord(1, 2);
    list[9] = apptest::TcpRecord(1, 2, 3, 4);
    EXPECT_EQ(ModConfig::ProjectLinkType(list), 1);
}

}  // namespace
