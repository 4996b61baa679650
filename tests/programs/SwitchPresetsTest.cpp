// Switch presets and their names against the device: choosing, switching, storing
// and linking reach the device at once; preset files and NameSwitch.ini are read no further
// than their records and only when they are regular files, their writes keep what follows the
// record, and reading them never creates or deletes a file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ProgramsFixture.h"
#include "model/RecordFile.h"
#include "programs/FrmEditNameSwitch.h"
#include "programs/FrmSwitch.h"
#include "protocol/Commands.h"

namespace programs_test {
namespace {

namespace fs = std::filesystem;

constexpr int kMaskAddr = 54;
constexpr int kSwitchLinkAddr = 53;

class SwitchPresets : public ProgramsFixture {
  protected:
    // The switch window opened with the editor's "Switch" button, driven by driver.
    void InSwitch(int16_t slot, const std::function<void(FrmSwitch&)>& driver) {
        Drive<FrmSwitch>("FrmSwitch", [driver](FrmSwitch& w) {
            driver(w);
            w.Command2.UserClick();
        });
        Editor(slot).Command9.UserClick();
    }
    // Switch preset 5 current, the link off and the masks of the presets set (given back to an
    // outside device afterwards).
    int16_t ConnectWithMasks() {
        return PrepareAndEdit([this] {
            Put(16, {4});
            Put(kSwitchLinkAddr, SwitchBlock(0, kMasks));
        });
    }
    // The link byte and the ten masks as they follow it in the device's memory.
    static Bytes SwitchBlock(uint8_t link, const Bytes& masks) {
        Bytes block(1 + masks.size(), link);
        std::copy(masks.begin(), masks.end(), block.begin() + 1);
        return block;
    }
    // Masks whose bits differ between the first and the last preset.
    static inline const Bytes kMasks = {5, 1, 3, 2, 7, 6, 4, 8, 9, 10};
    std::string NamesFile() { return H().home.Path() + "/NameSwitch.ini"; }
};

// The first and the last preset: choosing shows its mask, switching output 4 and storing reach
// the device's masks (read back whole), and the link box toggles.
TEST_F(SwitchPresets, ChoosingSwitchingStoringAndLinkingReachTheDeviceUnlessOffline) {
    const int16_t slot = ConnectWithMasks();
    Bytes masks = kMasks;
    const Bytes beside = {H().ReadMemory(slot, 52, 1).at(0), H().ReadMemory(slot, 64, 1).at(0)};
    for (int16_t p : {0, 9}) {
        SCOPED_TRACE(p);
        std::vector<int16_t> boxes;
        std::string caption;
        ClearLog();
        InSwitch(slot, [&](FrmSwitch& w) {
            ExpectRequests({});  // loading the window sends nothing
            w.Option1(p).UserClick();
            for (int k = 0; k < 4; ++k) boxes.push_back(w.Check5(k).Value());
            caption = w.Frame2.Caption();
            w.Check5(3).UserClick();
            w.Command3(0).UserClick();
            w.Check1.UserClick();
        });
        const auto mask = static_cast<uint8_t>(masks[p] ^ 8);
        const uint8_t linked = p == 0 ? 1 : 0;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(boxes[k], masks[p] >> k & 1) << k;
        EXPECT_EQ(caption, "Switch Preset " + std::to_string(p + 1));
        ExpectRequests({
            Frame(slot, CmdSelectSwitchPreset, {0, 0, 0, 0, 0, 0, 0, static_cast<uint8_t>(p)}),
            Frame(slot, CmdSwitchMask, {0, 0, 0, 0, 0, 0, 0, mask}),
            Frame(slot, CmdWriteByte, {0, static_cast<uint8_t>(kMaskAddr + p), 0, 0, mask}),
            Frame(slot, CmdLinkSwitchPreset, {0, 0, 0, 0, 0, 0, 0, linked}),
        });
        masks[p] = mask;
        Bytes block = SwitchBlock(linked, masks);
        block.insert(block.begin(), beside[0]);
        block.push_back(beside[1]);
        EXPECT_EQ(H().ReadMemory(slot, kSwitchLinkAddr - 1, 13), block) << "52 to 64";
        EXPECT_EQ(S().DevParam[slot].CurSwitchPreset, p);
        EXPECT_EQ(S().DevImage[slot].DevExtra[16], p);
        const auto messages = H().host.TakeMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].prompt, "Preset Switch " + std::to_string(p + 1) + " Stored");
        EXPECT_EQ(messages[0].title, "Store");
    }

    // Offline, a store is refused with a message.
    ClearLog();
    S().DevList[slot].Online = 0;
    InSwitch(slot, [](FrmSwitch& w) { w.Command3(0).UserClick(); });
    ExpectRequests({});
    EXPECT_NE(OneMessage().prompt.find("offline"), std::string::npos);
}

// Offline, a switch preset file is refused before a file is asked for, as a program file is:
// the same message, nothing sent and nothing changed on the PC.
TEST_F(SwitchPresets, AnOfflineDeviceIsRefusedAPresetFileAndNothingChanges) {
    const int16_t slot = ConnectWithMasks();
    const std::string file = H().home.Path() + "/other.swc";
    ASSERT_TRUE(model::WriteFileAtomic(file, Bytes{0x0A}));
    S().DevList[slot].Online = 0;
    model::DevImageRecord image;
    model::DevParamRecord param;
    ClearLog();
    H().host.TakeMessages();
    std::vector<int16_t> boxes;
    InSwitch(slot, [&](FrmSwitch& w) {
        image = S().DevImage[slot];
        param = S().DevParam[slot];
        H().host.ChooseFile(file);
        w.Command3(2).UserClick();
        for (int k = 0; k < 4; ++k) boxes.push_back(w.Check5(k).Value());
    });
    ExpectRequests({});
    EXPECT_TRUE(H().host.Dialogs().empty()) << "no file is asked for";
    const auto message = OneMessage();
    EXPECT_EQ(message.prompt, "The device is offline: nothing was sent and nothing changed.");
    EXPECT_EQ(message.title, " Error");
    EXPECT_EQ(S().DevImage[slot], image);
    EXPECT_EQ(S().DevParam[slot], param);
    EXPECT_EQ(boxes, (std::vector<int16_t>{1, 1, 1, 0})) << "preset 5 keeps its mask 7";
}

// Each action of the switch window sends one frame; on TCP/IP and on a serial link, that frame
// failing is the last one sent: a chosen preset keeps the caption of the previous one and a
// failed store says nothing of success.
class SwitchFaults : public SwitchPresets,
                     public ::testing::WithParamInterface<testsupport::Link> {};

TEST_P(SwitchFaults, TheFailedFrameIsTheLastAndNoSuccessIsShown) {
    const int16_t slot = EditOn(GetParam());
    VX_REQUIRE_SIMULATOR(H());
    const std::string file = H().home.Path() + "/ten.swc";
    ASSERT_TRUE(model::WriteFileAtomic(file, Bytes{10}));
    struct Action {
        const char* name;
        std::function<void(FrmSwitch&)> act;
        Bytes frame;  // code and data bytes
    };
    const Action actions[] = {
        {"first preset",
         [](FrmSwitch& w) { w.Option1(0).UserClick(); },
         {CmdSelectSwitchPreset, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"last preset",
         [](FrmSwitch& w) { w.Option1(9).UserClick(); },
         {CmdSelectSwitchPreset, 0, 0, 0, 0, 0, 0, 0, 9}},
        {"output 4",
         [](FrmSwitch& w) { w.Check5(3).UserClick(); },
         {CmdSwitchMask, 0, 0, 0, 0, 0, 0, 0, 15}},
        {"store",
         [](FrmSwitch& w) { w.Command3(0).UserClick(); },
         {CmdWriteByte, 0, kMaskAddr + 4, 0, 0, 7}},
        {"link",
         [](FrmSwitch& w) { w.Check1.UserClick(); },
         {CmdLinkSwitchPreset, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"file",
         [&](FrmSwitch& w) {
             H().host.ChooseFile(file);
             w.Command3(2).UserClick();
         },
         {CmdSwitchMask, 0, 0, 0, 0, 0, 0, 0, 10}},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        H().Device().Write(16, {4});
        H().Device().Write(kSwitchLinkAddr, SwitchBlock(0, kMasks));
        Reconnect(slot);
        Edit(slot);
        FailAt(1);
        H().Device().ClearLog();
        std::string captionBefore, captionAfter;
        InSwitch(slot, [&](FrmSwitch& w) {
            captionBefore = w.Frame2.Caption();
            action.act(w);
            captionAfter = w.Frame2.Caption();
        });
        const Bytes& d = action.frame;
        ExpectRequests({Frame(slot, d[0], Bytes(d.begin() + 1, d.end()))});
        EXPECT_EQ(captionAfter, captionBefore);
        EXPECT_EQ(S().DevList[slot].Online, 0);
        for (const auto& message : H().host.TakeMessages()) {
            EXPECT_EQ(message.title, "Communication problem") << message.prompt;
        }
        if (HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Links, SwitchFaults,
                         ::testing::Values(testsupport::Link::Tcp, testsupport::Link::Usb));

// Names of sixteen characters, the most a box takes, fill the record as far as it goes
// (74 bytes) and come back whole; a seventeenth character typed is not taken.
TEST_F(SwitchPresets, NamesOfTheLongestLengthAreWrittenAndReadWhole) {
    const int16_t slot = ConnectWithMasks();
    const std::string names[] = {"ABCDEFGHIJKLMNOP", "abcdefghijklmnop", "0123456789 01234",
                                 "Light 2 and fans"};
    std::string typed;
    std::vector<std::string> captions, loaded;
    InSwitch(slot, [&](FrmSwitch& w) {
        Drive<FrmEditNameSwitch>("FrmEditNameSwitch", [&](FrmEditNameSwitch& e) {
            for (int16_t k = 0; k < 4; ++k) Retype(e.Text1(k), names[k]);
            e.Text1(3).UserType("X");
            typed = e.Text1(3).Text();
            e.Command1(0).UserClick();
        });
        w.Command1.UserClick();
        for (int k = 0; k < 4; ++k) captions.push_back(w.Check5(k).Caption());
    });
    InSwitch(slot, [&](FrmSwitch& w) {
        for (int k = 0; k < 4; ++k) loaded.push_back(w.Check5(k).Caption());
    });
    EXPECT_EQ(typed, names[3]);
    const std::vector<std::string> expected(std::begin(names), std::end(names));
    EXPECT_EQ(captions, expected);
    EXPECT_EQ(loaded, expected);
    Bytes file;
    ASSERT_EQ(model::ReadFileHead(NamesFile(), SIZE_MAX, file), model::FileRead::Read);
    ASSERT_EQ(file.size(), 128u);
    Bytes head;
    for (const std::string& name : names) {
        head.insert(head.end(), {16, 0});
        head.insert(head.end(), name.begin(), name.end());
    }
    head.insert(head.end(), {0, 0});
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 74), head);
}

TEST_F(SwitchPresets, PresetFilesKeepTheirOtherBytesAndAreNeverCreatedOrDeletedByReading) {
    const int16_t slot = ConnectWithMasks();
    const std::string three = H().home.Path() + "/three.swc";
    const std::string full = H().home.Path() + "/full.swc";
    const std::string empty = H().home.Path() + "/empty.swc";
    const std::string missing = H().home.Path() + "/missing.swc";
    ASSERT_TRUE(model::WriteFileAtomic(three, Bytes{9, 8, 7}));
    ASSERT_TRUE(model::WriteFileAtomic(full, Bytes{0xF3}));
    ASSERT_TRUE(model::WriteFileAtomic(empty, Bytes{}));
    std::vector<int16_t> boxes;
    InSwitch(slot, [&](FrmSwitch& w) {
        H().host.ChooseFile(three);
        w.Command3(1).UserClick();  // preset 5, mask 7
        H().host.ChooseFile(empty);
        w.Command3(2).UserClick();
        H().host.ChooseFile(missing);
        w.Command3(2).UserClick();
        H().host.ChooseFile(full);
        w.Command3(2).UserClick();
        for (int k = 0; k < 4; ++k) boxes.push_back(w.Check5(k).Value());
    });
    Bytes saved;
    model::ReadFileHead(three, SIZE_MAX, saved);
    EXPECT_EQ(saved, (Bytes{7, 8, 7}));
    EXPECT_TRUE(fs::exists(empty));
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(S().DevParam[slot].SwitchPresetMask[4], 243.0) << "the byte taken whole";
    EXPECT_EQ(boxes, (std::vector<int16_t>{1, 1, 0, 0}));
    ExpectRequests({Frame(slot, CmdSwitchMask, {0, 0, 0, 0, 0, 0, 0, 243})});
}

TEST_F(SwitchPresets, RenamedOutputsAreWrittenToNameSwitchIniAndShown) {
    const int16_t slot = ConnectWithMasks();
    EXPECT_FALSE(fs::exists(NamesFile()));
    std::vector<std::string> captions;
    std::vector<std::string> loaded;
    InSwitch(slot, [&](FrmSwitch& w) {
        for (int k = 0; k < 4; ++k) loaded.push_back(w.Check5(k).Caption());
        Drive<FrmEditNameSwitch>("FrmEditNameSwitch", [](FrmEditNameSwitch& e) {
            const char* names[] = {"Amp", "", "Fan", "Light 2"};
            for (int16_t k = 0; k < 4; ++k) Retype(e.Text1(k), names[k]);
            e.Command1(0).UserClick();
        });
        w.Command1.UserClick();
        Drive<FrmEditNameSwitch>("FrmEditNameSwitch", [](FrmEditNameSwitch& e) {
            Retype(e.Text1(0), "Gone");
            e.Command1(1).UserClick();
        });
        w.Command1.UserClick();
        for (int k = 0; k < 4; ++k) captions.push_back(w.Check5(k).Caption());
    });
    EXPECT_EQ(loaded, (std::vector<std::string>{"", "", "", ""})) << "no file, no names";
    EXPECT_EQ(captions, (std::vector<std::string>{"Amp", "", "Fan", "Light 2"}));
    Bytes file;
    ASSERT_EQ(model::ReadFileHead(NamesFile(), SIZE_MAX, file), model::FileRead::Read);
    ASSERT_EQ(file.size(), 128u);
    const Bytes head = {3, 0, 'A', 'm', 'p', 0,   0,   3,   0,   'F', 'a', 'n',
                        7, 0, 'L', 'i', 'g', 'h', 't', ' ', '2', 0,   0};
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 23), head);
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(SwitchPresets, ADamagedRecordReadsAsEmptyNamesAndPunctuationIsRefused) {
    const int16_t slot = ConnectWithMasks();
    Bytes file(128, 'x');
    file[0] = 3;
    file[1] = 0;
    file[5] = 200;  // the second name would end past byte 128
    file[6] = 0;
    ASSERT_TRUE(model::WriteFileAtomic(NamesFile(), file));
    std::vector<std::string> captions;
    InSwitch(slot, [&](FrmSwitch& w) {
        for (int k = 0; k < 4; ++k) captions.push_back(w.Check5(k).Caption());
    });
    EXPECT_EQ(captions, (std::vector<std::string>{"", "", "", ""}));

    // A punctuation key is refused and dropped; what was typed stays.
    std::string text;
    H().host.TakeMessages();
    InSwitch(slot, [&](FrmSwitch& w) {
        Drive<FrmEditNameSwitch>("FrmEditNameSwitch", [&](FrmEditNameSwitch& e) {
            Retype(e.Text1(2), "Fan,");
            text = e.Text1(2).Text();
            e.Command1(1).UserClick();
        });
        w.Command1.UserClick();
    });
    EXPECT_EQ(text, "Fan");
    const auto message = OneMessage();
    EXPECT_EQ(message.prompt, "Symbol not admited");
    EXPECT_EQ(message.title, "Warning");
}

// Of a huge switch preset file only the first byte is read, and a save replaces just that
// byte; a pipe or a device is refused with a message. A confirmed name edit rewrites record 1
// of NameSwitch.ini and keeps the records after it; a pipe there shows no names. Temporaries
// of saves cut short go at the next read or save of their file; the user's own "NAME.tmp"
// files stay.
TEST_F(SwitchPresets, OnlyTheRecordIsReadAndWhatFollowsItIsKept) {
    const int16_t slot = ConnectWithMasks();
    const std::string big = H().home.Path() + "/big.swc";
    ASSERT_TRUE(model::WriteFileAtomic(big, Bytes{5}));
    fs::resize_file(big, 256u << 20);
    const Bytes users = {4, 5};
    ASSERT_TRUE(model::WriteFileAtomic(model::TemporaryPath(big), Bytes{9}));
    ASSERT_TRUE(model::WriteFileAtomic(big + ".tmp", users));
    const std::string fifo = H().home.Path() + "/pipe.swc";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Bytes names(3 * 128, 0xAB);
    const Bytes record = {1, 0, 'A', 1, 0, 'B', 1, 0, 'C', 1, 0, 'D', 0, 0};
    std::copy(record.begin(), record.end(), names.begin());
    ASSERT_TRUE(model::WriteFileAtomic(NamesFile(), names));
    ASSERT_TRUE(model::WriteFileAtomic(model::TemporaryPath(NamesFile()), Bytes{9}));
    ASSERT_TRUE(model::WriteFileAtomic(NamesFile() + ".tmp", users));
    ClearLog();
    std::vector<std::string> loaded;
    std::vector<ui::HeadlessHost::Message> refused;
    std::vector<bool> leftAfterReading;
    InSwitch(slot, [&](FrmSwitch& w) {
        for (int k = 0; k < 4; ++k) loaded.push_back(w.Check5(k).Caption());
        leftAfterReading.push_back(fs::exists(model::TemporaryPath(NamesFile())));
        for (const std::string& path : {fifo, std::string("/dev/zero")}) {
            H().host.ChooseFile(path);
            w.Command3(2).UserClick();
        }
        refused = H().host.TakeMessages();
        H().host.ChooseFile(big);
        w.Command3(2).UserClick();
        leftAfterReading.push_back(fs::exists(model::TemporaryPath(big)));
        w.Check5(3).UserClick();
        H().host.ChooseFile(big);
        w.Command3(1).UserClick();
        Drive<FrmEditNameSwitch>("FrmEditNameSwitch", [](FrmEditNameSwitch& e) {
            Retype(e.Text1(0), "Amp");
            e.Command1(0).UserClick();
        });
        w.Command1.UserClick();
    });
    EXPECT_EQ(loaded, (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(leftAfterReading, (std::vector<bool>{false, false}));
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused[0].prompt,
              "The file " + fifo + " is not a regular file. The preset is unchanged.");
    ExpectRequests({Frame(slot, CmdSwitchMask, {0, 0, 0, 0, 0, 0, 0, 5}),
                    Frame(slot, CmdSwitchMask, {0, 0, 0, 0, 0, 0, 0, 13})});
    Bytes head;
    ASSERT_EQ(model::ReadFileHead(big, 2, head), model::FileRead::Read);
    EXPECT_EQ(head, (Bytes{13, 0}));
    EXPECT_EQ(fs::file_size(big), 256u << 20);
    Bytes saved;
    ASSERT_EQ(model::ReadFileHead(NamesFile(), SIZE_MAX, saved), model::FileRead::Read);
    ASSERT_EQ(saved.size(), 3u * 128u);
    EXPECT_EQ(Bytes(saved.begin(), saved.begin() + 16),
              (Bytes{3, 0, 'A', 'm', 'p', 1, 0, 'B', 1, 0, 'C', 1, 0, 'D', 0, 0}));
    EXPECT_EQ(Bytes(saved.begin() + 128, saved.end()), Bytes(2 * 128, 0xAB));
    for (const std::string& path : {big, NamesFile()}) {
        Bytes kept;
        ASSERT_EQ(model::ReadFileHead(path + ".tmp", SIZE_MAX, kept), model::FileRead::Read);
        EXPECT_EQ(kept, users) << "the user's own file " << path << ".tmp";
    }

    fs::remove(NamesFile());
    ASSERT_EQ(::mkfifo(NamesFile().c_str(), 0600), 0);
    H().host.TakeMessages();
    loaded.clear();
    InSwitch(slot, [&](FrmSwitch& w) {
        for (int k = 0; k < 4; ++k) loaded.push_back(w.Check5(k).Caption());
    });
    EXPECT_EQ(loaded, (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(OneMessage().prompt, "The file " + NamesFile() +
                                       " is not a regular file. The switch outputs are shown "
                                       "without names.");
}

}  // namespace
}  // namespace programs_test
