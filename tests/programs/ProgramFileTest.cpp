// Program files: a saved file is the device's image record, and loading it into a second
// device sends the whole program between the bulk-update frames, so that the second device's
// working memory equals the first's. Files that are missing, short or unwritable are refused
// with a message and change nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "ProgramsFixture.h"
#include "app/MDIFrmMain.h"
#include "devsim/Faults.h"
#include "link/Commands.h"
#include "model/AddressTables.h"
#include "model/RecordFile.h"

namespace programs_test {
namespace {

namespace fs = std::filesystem;

class ProgramFile : public ProgramsFixture {
  protected:
    std::string PresetPath(const std::string& name) { return H().home.Path() + "/" + name; }
    void SaveFrom(int16_t slot, const std::string& path) {
        H().host.ChooseFile(path);
        Editor(slot).Command2(1).UserClick();
    }
    void LoadInto(int16_t slot, const std::string& path) {
        H().host.ChooseFile(path);
        Editor(slot).Command2(0).UserClick();
    }
    static Bytes FileBytes(const std::string& path) {
        Bytes bytes;
        model::ReadFileHead(path, SIZE_MAX, bytes);
        return bytes;
    }
    static void WriteBytes(const std::string& path, const Bytes& bytes) {
        ASSERT_TRUE(model::WriteFileAtomic(path, bytes));
    }
};

// A program that sets every byte: v = 0 and v = 1 give two programs that differ in each of
// their 912 bytes, each within the ranges the editor keeps (so applying it changes nothing).
Bytes Program(int v) {
    Bytes p(912);
    const auto pick = [v](int first, int second) {
        return static_cast<uint8_t>(v ? second : first);
    };
    const auto word = [&](int hi, int lo, int first, int second) {
        p[hi] = pick(first >> 8, second >> 8);
        p[lo] = pick(first & 0xFF, second & 0xFF);
    };
    const auto band = [&](int a) {
        p[a] = pick(0, 1);
        word(a + 1, a + 2, 1000, 2570);
        p[a + 3] = pick(10, 20);
        p[a + 4] = pick(24, 30);
    };
    for (int i = 0; i < 8; ++i) word(i, 472 + i, 1270, 1000);
    for (int o = 0; o < 8; ++o) {
        const int b = 8 + 52 * o;
        for (int i = 0; i < 8; ++i) p[b + i] = pick(30, 0x80 | 10);
        word(b + 8, b + 9, 1, 258);
        p[b + 10] = pick(5, 7);
        for (int k = 0; k < 5; ++k) band(b + 11 + 5 * k);
        word(b + 36, b + 37, 20, 300);
        p[b + 38] = pick(0, 3);
        word(b + 39, b + 40, 20000, 5000);
        p[b + 41] = pick(0, 3);
        const uint8_t dynamics[2][8] = {{240, 0, 0, 10, 5, 5, 29, 240},
                                        {200, 3, 50, 20, 15, 15, 10, 200}};
        std::copy_n(dynamics[v], 8, p.begin() + b + 42);
        p[b + 50] = pick(0, 5);
        word(b + 51, 455 + o, 1270, 1000);
    }
    for (int a : {424, 427, 428, 429, 448, 449, 450, 451, 452, 888}) p[a] = pick(0, 0xFF);
    // Line inputs with the equaliser, or Mic inputs with the feedback suppressor on.
    p[425] = pick(0xFF, 0);
    p[426] = pick(0, 0xFF);
    p[468] = pick(0xFF, 0);
    p[471] = pick(0xFF, 0);
    p[430] = pick(0, 1);
    p[431] = pick(5, 9);
    for (int j = 0; j < 16; ++j) p[432 + j] = pick('A' + j, 'a' + j);
    p[463] = pick(85, 0);
    word(464, 465, 100 * 256 + 100, 7 * 256 + 40);
    word(466, 467, 1270, 1000);
    for (int i = 0; i < 8; ++i) {
        for (int bank = 0; bank < 2; ++bank) {
            const int a = 480 + 32 * i + 16 * bank;
            for (int k = 0; k < 3; ++k) band(a + 5 * k);
            p[a + 15] = pick(0, 5);
        }
    }
    for (int ch = 0; ch < 16; ++ch) {
        const int a = 736 + 8 * ch;
        for (int k = 0; k < 6; ++k) p[a + k] = pick('A' + (ch + k) % 26, 'a' + (ch + k) % 26);
        p[a + 6] = pick(1, 2);
        p[a + 7] = ch < 8 ? pick(17, 64 + 5) : pick(1, 2);
    }
    for (int i = 0; i < 8; ++i) {
        p[864 + 3 * i] = pick(4, 40);
        p[865 + 3 * i] = pick(0, 3);
        p[866 + 3 * i] = pick(0, 9);
    }
    const uint8_t mixerAndDucker[2][23] = {
        {0, 0, 1, 1, 10, 2, 49, 1, 1, 0x0F, 2, 10, 2, 4, 0, 6, 1, 1, 1, 1, 1, 1, 0},
        {1, 1, 2, 2, 11, 3, 50, 2, 2, 0xF0, 50, 20, 5, 20, 1, 30, 2, 2, 2, 2, 2, 2, 5}};
    std::copy_n(mixerAndDucker[v], 23, p.begin() + 889);
    for (int a : {453, 454, 469, 470}) p[a] = pick(1, 2);
    return p;
}

// The device's working program and the PC's image after a load are the file's program.
TEST_F(ProgramFile, AProgramFileReachesTheDeviceByteForByte) {
    const int16_t slot = EditAll().at(0);
    const Bytes first = Program(0);
    const Bytes second = Program(1);
    for (size_t a = 0; a < first.size(); ++a) ASSERT_NE(first[a], second[a]) << a;
    const auto load = [&](const Bytes& program, const std::string& name) {
        model::DevImageRecord record = S().DevImage[slot];
        std::copy(program.begin(), program.end(), record.ProgImage.begin());
        model::RecordWriter w;
        model::WriteDevImageRecord(w, record);
        WriteBytes(PresetPath(name), w.Data());
        LoadInto(slot, PresetPath(name));
    };

    load(first, "first.XPG");
    EXPECT_EQ(WorkingProgram(slot), first);
    EXPECT_EQ(ImageProgram(slot), first);
    const std::string path = PresetPath("stage.XPG");
    SaveFrom(slot, path);
    model::RecordWriter record;
    model::WriteDevImageRecord(record, S().DevImage[slot]);
    EXPECT_EQ(FileBytes(path), record.Data()) << "the image record, 1763 bytes";
    ASSERT_EQ(H().host.Dialogs().back().request.Filter, "file program (*.XPG)|*.XPG");
    EXPECT_EQ(H().host.Dialogs().back().request.InitDir, H().home.Path() + "/preset");
    load(second, "second.XPG");
    EXPECT_EQ(WorkingProgram(slot), second);

    S().InLinkMask[slot] = 0x0F;
    S().DevImage[slot].DevExtra[16] = 7;
    ClearLog();
    LoadInto(slot, path);

    if (Simulated()) {
        const std::vector<Bytes> sent = Requests();
        ASSERT_GE(sent.size(), 2u);
        EXPECT_EQ(sent.front()[3], CmdBulkUpdate);
        EXPECT_EQ(sent.front()[4], 0);
        EXPECT_EQ(sent.back()[3], CmdBulkUpdate);
        EXPECT_EQ(sent.back()[4], 1);
    }
    const Bytes device = WorkingProgram(slot);
    ASSERT_EQ(device.size(), first.size());
    for (size_t a = 0; a < first.size(); ++a) EXPECT_EQ(device[a], first[a]) << "image byte " << a;
    EXPECT_EQ(ImageProgram(slot), first);
    EXPECT_EQ(S().DevImage[slot].DevExtra[16], 7) << "the switch preset stays";
    EXPECT_EQ(S().InLinkMask[slot], 0);
    FrmCtrl& f = Editor(slot);
    EXPECT_EQ(f.Text1(10).Text(), "0");
    EXPECT_EQ(f.Text100(0).Text(), "100");
    EXPECT_TRUE(f.Caption().ends_with("- Program loaded from PC stage.XPG")) << f.Caption();
    EXPECT_FALSE(f.ProgressBar1.Visible());
    EXPECT_EQ(f.ProgressBar1.Value(), kApplyProgressSteps);
    EXPECT_EQ(S().LoadStateWord, 0);
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramFile, AShortMissingOrUnwritableFileIsRefusedAndNothingChanges) {
    const std::vector<int16_t> slots = EditAll(1);
    const model::DevImageRecord before = S().DevImage[slots[0]];
    const std::string shortPath = PresetPath("short.XPG");
    WriteBytes(shortPath, Bytes(1762, 1));
    const std::string missing = PresetPath("missing.XPG");
    ClearLog();
    H().host.TakeMessages();

    LoadInto(slots[0], shortPath);
    LoadInto(slots[0], missing);

    ExpectRequests({});
    EXPECT_EQ(S().DevImage[slots[0]], before);
    EXPECT_FALSE(fs::exists(missing)) << "reading creates no file";
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[0].prompt.find("1762 bytes of 1763"), std::string::npos);
    EXPECT_EQ(messages[1].prompt, " File not found. Try again.");
    EXPECT_EQ(messages[1].title, " Error");
    EXPECT_EQ(MainForm(S()).MousePointer(), ui::vbDefault);

    SaveFrom(slots[0], PresetPath("no-such-folder/x.XPG"));
    EXPECT_NE(OneMessage().prompt.find("could not be written"), std::string::npos);
}

// The device does not take the opening frame: the PC keeps its program, and the editor shows
// it when it opens again.
TEST_F(ProgramFile, AFailedOpeningFrameChangesNothingAndSaysSo) {
    const std::vector<int16_t> slots = EditAll(1);
    VX_REQUIRE_SIMULATOR(H());
    FrmCtrl& f = Editor(slots[0]);
    f.SSTab1.UserSelectTab(3);
    Enter(f.Text1(10), "-6");
    const std::string path = PresetPath("p.XPG");
    SaveFrom(slots[0], path);
    Enter(f.Text1(10), "-3");
    const model::DevImageRecord image = S().DevImage[slots[0]];
    const model::DevParamRecord param = S().DevParam[slots[0]];
    const Bytes device = H().Device().Read(model::WorkingProgramAddr, 912);
    devsim::FaultRule fault;
    fault.code = CmdBulkUpdate;
    H().Device().AddFault(fault);
    H().Device().ClearLog();
    H().host.TakeMessages();

    LoadInto(slots[0], path);

    EXPECT_EQ(Requests().size(), 1u) << "nothing after the failed opening frame";
    EXPECT_EQ(H().Device().Read(model::WorkingProgramAddr, 912), device);
    EXPECT_EQ(S().DevImage[slots[0]], image);
    EXPECT_EQ(S().DevParam[slots[0]], param);
    const auto messages = H().host.TakeMessages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().prompt,
              "The device did not receive the program: nothing was loaded.");
    EXPECT_EQ(S().LoadStateWord, 0);
    EXPECT_EQ(MainForm(S()).MousePointer(), ui::vbDefault);
    ASSERT_EQ(ExistingFrmCtrl(S(), slots[0]), nullptr) << "the device went offline";
    EXPECT_EQ(Edit(slots[0], 3).Text1(10).Text(), "-3");
}

// A device that is offline gets no program file: the same refusal as a store.
TEST_F(ProgramFile, AnOfflineDeviceIsRefusedAndNothingChanges) {
    const int16_t slot = EditAll().at(0);
    S().DevList[slot].Online = 0;
    const model::DevImageRecord image = S().DevImage[slot];
    const std::string caption = Editor(slot).Caption();
    ClearLog();
    H().host.TakeMessages();

    Editor(slot).Command2(0).UserClick();

    if (Simulated()) {
        EXPECT_TRUE(Requests().empty());
    }
    EXPECT_TRUE(H().host.Dialogs().empty()) << "no file is asked for";
    EXPECT_EQ(OneMessage().prompt, "The device is offline: nothing was sent and nothing changed.");
    EXPECT_EQ(S().DevImage[slot], image);
    EXPECT_EQ(Editor(slot).Caption(), caption);
}

// The dialogs open inside the "preset" folder with no name. Only the first record of a regular
// file is read: a pipe or a device is refused with a message, of a huge file the first record
// loads. The temporary a save cut short left goes at the next save or load of that file.
TEST_F(ProgramFile, OnlyTheFirstRecordOfARegularFileIsRead) {
    const std::vector<int16_t> slots = EditAll(1);
    const std::string folder = H().home.Path() + "/preset";
    const std::string stage = folder + "/stage.XPG";
    SaveFrom(slots[0], stage);
    const ui::FileDialog& asked = H().host.Dialogs().back().request;
    EXPECT_EQ(asked.InitDir, folder);
    EXPECT_TRUE(fs::is_directory(folder)) << "made for the dialog";
    EXPECT_TRUE(asked.FileName.empty());
    WriteBytes(stage + ".tmp", Bytes(99, 1));
    SaveFrom(slots[0], stage);
    EXPECT_FALSE(fs::exists(stage + ".tmp"));
    EXPECT_EQ(fs::file_size(stage), 1763u);

    model::DevImageRecord image = S().DevImage[slots[0]];
    image.ProgImage[model::GainAddrLo[9]] ^= 0x10;
    model::RecordWriter record;
    model::WriteDevImageRecord(record, image);
    const std::string big = folder + "/big.XPG";
    WriteBytes(big, record.Data());
    fs::resize_file(big, 256u << 20);
    WriteBytes(big + ".tmp", Bytes(99, 1));
    const std::string fifo = folder + "/pipe.XPG";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ClearLog();
    H().host.TakeMessages();

    LoadInto(slots[0], fifo);
    LoadInto(slots[0], "/dev/zero");
    ExpectRequests({});
    const auto messages = H().host.TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].prompt,
              "The file " + fifo + " is not a regular file. Nothing was loaded.");
    EXPECT_EQ(messages[1].title, " Error");

    LoadInto(slots[0], big);
    EXPECT_EQ(S().DevImage[slots[0]].ProgImage, image.ProgImage);
    EXPECT_EQ(H().ReadMemory(slots[0], 64 + model::GainAddrLo[9], 1),
              Bytes{image.ProgImage[model::GainAddrLo[9]]});
    EXPECT_FALSE(fs::exists(big + ".tmp"));
    EXPECT_EQ(fs::file_size(big), 256u << 20);
}

}  // namespace
}  // namespace programs_test
