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

TEST_F(ProgramFile, ASavedProgramLoadsIntoASecondDeviceByteForByte) {
    const std::vector<int16_t> slots = EditAll(2);
    VX_REQUIRE_SIMULATOR(H());
    FrmCtrl& first = Editor(slots[0]);
    first.SSTab1.UserSelectTab(FrmCtrl::kTabInputs);
    Enter(first.Text100(0), "80");
    first.SSTab1.UserSelectTab(3);
    Enter(first.Text1(10), "-6");
    Enter(first.Text4(10), "2500");
    Enter(first.Text12(10), "4.5");
    Enter(first.Text8(4), "120");
    const std::string path = PresetPath("stage.XPG");
    SaveFrom(slots[0], path);

    model::RecordWriter record;
    model::WriteDevImageRecord(record, S().DevImage[slots[0]]);
    EXPECT_EQ(FileBytes(path), record.Data()) << "the image record, 1763 bytes";
    ASSERT_EQ(H().host.Dialogs().back().request.Filter, "file program (*.XPG)|*.XPG");
    EXPECT_EQ(H().host.Dialogs().back().request.InitDir, H().home.Path() + "/preset");

    S().InLinkMask[slots[1]] = 0x0F;
    S().DevImage[slots[1]].DevExtra[16] = 7;
    H().Device(1).ClearLog();
    LoadInto(slots[1], path);

    const std::vector<Bytes> sent = Requests(1);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent.front()[3], CmdBulkUpdate);
    EXPECT_EQ(sent.front()[4], 0);
    EXPECT_EQ(sent.back()[3], CmdBulkUpdate);
    EXPECT_EQ(sent.back()[4], 1);
    // The program as the first editor keeps it (its senders settle what the factory memory
    // leaves open, such as the processing of Line inputs).
    EXPECT_EQ(WorkingProgram(slots[1]), ImageProgram(slots[0]));
    EXPECT_EQ(ImageProgram(slots[1]), ImageProgram(slots[0]));
    EXPECT_EQ(S().DevImage[slots[1]].DevExtra[16], 7) << "the switch preset stays";
    EXPECT_EQ(S().InLinkMask[slots[1]], 0);
    FrmCtrl& second = Editor(slots[1]);
    EXPECT_EQ(second.Text1(10).Text(), "-6");
    EXPECT_EQ(second.Text4(10).Text(), "2500");
    EXPECT_EQ(second.Caption(),
              "IP:" + H().Address(1) + "  Velotra - Program loaded from PC stage.XPG");
    EXPECT_FALSE(second.ProgressBar1.Visible());
    EXPECT_EQ(second.ProgressBar1.Value(), kApplyProgressSteps);
    EXPECT_EQ(S().LoadStateWord, 0);
    EXPECT_TRUE(H().host.Problems().empty());
}

TEST_F(ProgramFile, AShortMissingOrUnwritableFileIsRefusedAndNothingChanges) {
    const std::vector<int16_t> slots = EditAll(1);
    VX_REQUIRE_SIMULATOR(H());
    const model::DevImageRecord before = S().DevImage[slots[0]];
    const std::string shortPath = PresetPath("short.XPG");
    WriteBytes(shortPath, Bytes(1762, 1));
    const std::string missing = PresetPath("missing.XPG");
    H().Device().ClearLog();
    H().host.TakeMessages();

    LoadInto(slots[0], shortPath);
    LoadInto(slots[0], missing);

    EXPECT_TRUE(Requests().empty());
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

TEST_F(ProgramFile, AFailedBulkFrameStopsTheLoadAndPutsTheWindowBack) {
    const std::vector<int16_t> slots = EditAll(1);
    VX_REQUIRE_SIMULATOR(H());
    const std::string path = PresetPath("p.XPG");
    SaveFrom(slots[0], path);
    devsim::FaultRule fault;
    fault.code = CmdBulkUpdate;
    H().Device().AddFault(fault);
    H().Device().ClearLog();
    LoadInto(slots[0], path);
    EXPECT_EQ(Requests().size(), 1u) << "nothing after the failed opening frame";
    EXPECT_EQ(S().LoadStateWord, 0);
    EXPECT_EQ(MainForm(S()).MousePointer(), ui::vbDefault);
    if (FrmCtrl* f = ExistingFrmCtrl(S(), slots[0])) {
        EXPECT_FALSE(f->ProgressBar1.Visible());
    }
}

// The dialogs open inside the "preset" folder with no name. Only the first record of a regular
// file is read: a pipe or a device is refused with a message, of a huge file the first record
// loads. The temporary a save cut short left goes at the next save or load of that file.
TEST_F(ProgramFile, OnlyTheFirstRecordOfARegularFileIsRead) {
    const std::vector<int16_t> slots = EditAll(1);
    VX_REQUIRE_SIMULATOR(H());
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
    H().Device().ClearLog();
    H().host.TakeMessages();

    LoadInto(slots[0], fifo);
    LoadInto(slots[0], "/dev/zero");
    EXPECT_TRUE(Requests().empty());
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
