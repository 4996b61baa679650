// Program files: a save writes the device's image record; a load takes the program, the delay
// unit, the current program register and the panel state of the file's record and sends the
// whole program between the bulk-update frames. Files that are missing, short or unwritable are
// refused with a message and change nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "ProgramsFixture.h"
#include "app/MDIFrmMain.h"
#include "devsim/Faults.h"
#include "model/AddressTables.h"
#include "model/RecordFile.h"
#include "protocol/Commands.h"

namespace programs_test {
namespace {

namespace fs = std::filesystem;

class ProgramFile : public ProgramsFixture {
  protected:
    // Record bytes 930 and 931 in DevExtra.
    static constexpr size_t kDelayUnit = 17;
    static constexpr size_t kCurProgReg = 18;

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

// A file whose every byte differs from the slot's record: the load takes the program, record
// bytes 930 (delay unit) and 931 (current program) and the panel state, and keeps every other
// byte of the record; the device's working memory becomes the file's program. Loading Program 0
// first makes each byte of Program 1 and then of Program 0 again a change. A save writes the
// record as it is.
TEST_F(ProgramFile, ALoadTakesTheProgramBytes930And931AndThePanelStateOnly) {
    const int16_t slot = EditAll().at(0);
    FrmCtrl& f = Editor(slot);
    for (int v : {0, 1, 0}) {
        SCOPED_TRACE(v);
        const model::DevImageRecord before = S().DevImage[slot];
        model::DevImageRecord file = before;
        std::copy_n(Program(v).begin(), 912, file.ProgImage.begin());
        file.ProgImage[912] ^= 0xFF;
        for (uint8_t& b : file.DevExtra) b ^= 0xFF;
        file.DevExtra[kDelayUnit] = before.DevExtra[kDelayUnit] == 1 ? 0 : 1;
        file.DevExtra[kCurProgReg] = static_cast<uint8_t>((before.DevExtra[kCurProgReg] + 3) % 10);
        for (uint8_t& b : file.PanelState) b = b == 0 ? 1 : 0;
        const std::string path = PresetPath("p" + std::to_string(v) + ".XPG");
        WriteBytes(path, RecordBytes(file));
        S().InLinkMask[slot] = 0x0F;
        ClearLog();

        LoadInto(slot, path);

        if (Simulated()) {
            const std::vector<Bytes> sent = Requests();
            ASSERT_GE(sent.size(), 2u);
            EXPECT_EQ(sent.front(), Frame(slot, CmdBulkUpdate, {0}));
            EXPECT_EQ(sent.back(), Frame(slot, CmdBulkUpdate, {1}));
        }
        model::DevImageRecord expected = before;
        std::copy_n(file.ProgImage.begin(), 912, expected.ProgImage.begin());
        expected.DevExtra[kDelayUnit] = file.DevExtra[kDelayUnit];
        expected.DevExtra[kCurProgReg] = file.DevExtra[kCurProgReg];
        expected.PanelState = file.PanelState;
        EXPECT_EQ(RecordBytes(S().DevImage[slot]), RecordBytes(expected));
        EXPECT_EQ(WorkingProgram(slot), Program(v));
        const int16_t unit = file.DevExtra[kDelayUnit];
        EXPECT_EQ(S().DevParam[slot].DelayUnit(), unit);
        EXPECT_TRUE(f.Option1(unit).Value());
        for (int16_t o = 0; o < 8; ++o) EXPECT_EQ(f.Check3(o).Value(), file.PanelState[30 + o]);
        EXPECT_EQ(S().InLinkMask[slot], 0);
        EXPECT_TRUE(
            f.Caption().ends_with("- Program loaded from PC " + path.substr(path.rfind('/') + 1)));
        EXPECT_FALSE(f.ProgressBar1.Visible());
        EXPECT_EQ(f.ProgressBar1.Value(), kApplyProgressSteps);
        EXPECT_EQ(S().LoadStateWord, 0);
    }
    const std::string saved = PresetPath("saved.XPG");
    SaveFrom(slot, saved);
    EXPECT_EQ(FileBytes(saved), RecordBytes(S().DevImage[slot])) << "the image record, 1763 bytes";
    ASSERT_EQ(H().host.Dialogs().back().request.Filter, "file program (*.XPG)|*.XPG");
    EXPECT_EQ(H().host.Dialogs().back().request.InitDir, H().home.Path() + "/preset");
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramFile, AShortMissingOrUnwritableFileIsRefusedAndNothingChanges) {
    const std::vector<int16_t> slots = EditAll(1);
    const model::DevImageRecord before = S().DevImage[slots[0]];
    const std::string shortPath = PresetPath("short.XPG");
    WriteBytes(shortPath, Bytes(1762, 1));
    const std::string missing = PresetPath("missing.XPG");
    const Bytes users(5, 2);
    WriteBytes(missing + ".tmp", users);
    ClearLog();
    H().host.TakeMessages();

    LoadInto(slots[0], shortPath);
    LoadInto(slots[0], missing);

    ExpectRequests({});
    EXPECT_EQ(S().DevImage[slots[0]], before);
    EXPECT_FALSE(fs::exists(missing)) << "reading creates no file";
    EXPECT_EQ(FileBytes(missing + ".tmp"), users) << "nor removes the user's own";
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
// loads. The temporary a save cut short left goes at the next save or load of that file; the
// user's own "NAME.tmp" files stay.
TEST_F(ProgramFile, OnlyTheFirstRecordOfARegularFileIsRead) {
    const std::vector<int16_t> slots = EditAll(1);
    const std::string folder = H().home.Path() + "/preset";
    const std::string stage = folder + "/stage.XPG";
    SaveFrom(slots[0], stage);
    const ui::FileDialog& asked = H().host.Dialogs().back().request;
    EXPECT_EQ(asked.InitDir, folder);
    EXPECT_TRUE(fs::is_directory(folder)) << "made for the dialog";
    EXPECT_TRUE(asked.FileName.empty());
    const Bytes users(5, 2);
    WriteBytes(model::TemporaryPath(stage), Bytes(99, 1));
    WriteBytes(stage + ".tmp", users);
    SaveFrom(slots[0], stage);
    EXPECT_FALSE(fs::exists(model::TemporaryPath(stage)));
    EXPECT_EQ(fs::file_size(stage), 1763u);

    model::DevImageRecord image = S().DevImage[slots[0]];
    image.ProgImage[model::GainAddrLo[9]] ^= 0x10;
    const std::string big = folder + "/big.XPG";
    WriteBytes(big, RecordBytes(image));
    fs::resize_file(big, 256u << 20);
    WriteBytes(model::TemporaryPath(big), Bytes(99, 1));
    WriteBytes(big + ".tmp", users);
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
    EXPECT_FALSE(fs::exists(model::TemporaryPath(big)));
    EXPECT_EQ(fs::file_size(big), 256u << 20);
    for (const std::string& path : {stage, big}) {
        EXPECT_EQ(FileBytes(path + ".tmp"), users) << "the user's own file";
    }
}

}  // namespace
}  // namespace programs_test
