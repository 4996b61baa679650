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

// The frames of a program file load by command code, in order: runs of codes, each run repeated
// times times.
struct CodeRun {
    std::vector<uint8_t> codes;
    int times;
};
const CodeRun kLoadFrames[] = {
    {{CmdBulkUpdate}, 1},
    {{CmdInputBalanced}, 8},
    {{CmdInputFilter}, 8},
    {{CmdFeedbackFreq}, 1},
    {{CmdInputOption}, 8},  // feedback modes
    {{CmdNoiseGate}, 8},
    {{CmdAutoMixerActive, CmdAutoMixerMode, CmdAutoMixerByte}, 1},
    {{CmdPriorityMask, CmdDuckerParamA, CmdDuckerParamB, CmdDuckerParamC}, 1},
    {{CmdInputProcType, CmdInputOption}, 8},
    {{CmdChannelBlock}, 32},  // level and mute of each channel
    {{CmdInputSource, CmdInputOption, CmdGain, CmdInputProcType}, 8},  // Mic/Line
    {{CmdMasterLevel}, 2},
    {{CmdWriteMem4}, 64},    // input equaliser memory
    {{CmdEqBand}, 24 + 40},  // input bands of the active banks, output bands
    {{CmdOutXover}, 16},
    {{CmdOutDelay}, 8},
    {{CmdOutCompressor}, 40},
    {{CmdOutLimiter}, 24},
    {{CmdMixPoint}, 64},
    {{CmdPhantomPower}, 1},
    {{CmdWriteMem4, CmdWriteByte, CmdWriteByte}, 16},  // channel names
    {{CmdFrontPanelLock}, 1},
    {{CmdWriteByte}, 1},   // stereo pairs
    {{CmdWriteMem4}, 28},  // the bytes no step sends
    {{CmdBulkUpdate}, 1},
};

std::vector<uint8_t> LoadCodes() {
    std::vector<uint8_t> codes;
    for (const CodeRun& run : kLoadFrames) {
        for (int k = 0; k < run.times; ++k)
            codes.insert(codes.end(), run.codes.begin(), run.codes.end());
    }
    return codes;
}

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
// byte of the record; the device's working memory becomes the file's program, and nothing
// beside it changes. Exactly the load's frames go out, in their order, each write within the
// working program and with the file's bytes. Loading Program 0 first makes each byte of
// Program 1 and then of Program 0 again a change. A save writes the record as it is.
TEST_F(ProgramFile, ALoadTakesTheProgramBytes930And931AndThePanelStateOnly) {
    const int16_t slot = EditAll().at(0);
    FrmCtrl& f = Editor(slot);
    Put(976, Bytes(56, 0xA5));
    const Bytes settings = H().ReadMemory(slot, 0, 64);
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
            EXPECT_EQ(Codes(), LoadCodes());
            for (const Bytes& frame : sent) {
                const int addr = (frame[4] << 8 | frame[5]) - model::WorkingProgramAddr;
                const int count = frame[3] == CmdWriteMem4 ? 4 : 1;
                if (frame[3] != CmdWriteMem4 && frame[3] != CmdWriteByte) continue;
                ASSERT_TRUE(addr >= 0 && addr + count <= 912) << "a write at device " << addr + 64;
                const Bytes data =
                    count == 4 ? Bytes(frame.begin() + 6, frame.begin() + 10) : Bytes{frame[8]};
                EXPECT_EQ(data, Bytes(file.ProgImage.begin() + addr,
                                      file.ProgImage.begin() + addr + count))
                    << "image " << addr;
            }
        }
        model::DevImageRecord expected = before;
        std::copy_n(file.ProgImage.begin(), 912, expected.ProgImage.begin());
        expected.DevExtra[kDelayUnit] = file.DevExtra[kDelayUnit];
        expected.DevExtra[kCurProgReg] = file.DevExtra[kCurProgReg];
        expected.PanelState = file.PanelState;
        EXPECT_EQ(RecordBytes(S().DevImage[slot]), RecordBytes(expected));
        EXPECT_EQ(WorkingProgram(slot), Program(v));
        ExpectStereoPairs(slot, Program(v));
        EXPECT_EQ(H().ReadMemory(slot, 0, 64), settings);
        EXPECT_EQ(H().ReadMemory(slot, 976, 56), Bytes(56, 0xA5));
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

// Loaded while every other output shows "Phase": each output is drawn, in its view, as a fresh
// editor on the loaded image draws it, with the file's delays (the second output's is 259 ms and
// 21 fine steps, where the factory program has none).
TEST_F(ProgramFile, EveryOutputIsDrawnWithTheLoadedProgram) {
    const int16_t slot = EditAll().at(0);
    FrmCtrl& f = Editor(slot);
    for (int16_t o = 1; o < 8; o += 2) {
        f.SSTab1.UserSelectTab(static_cast<int16_t>(o + 1));
        f.Option4(o).UserClick();
    }
    model::DevImageRecord file = S().DevImage[slot];
    std::copy_n(Program(1).begin(), 912, file.ProgImage.begin());
    const std::string path = PresetPath("delays.XPG");
    WriteBytes(path, RecordBytes(file));
    LoadInto(slot, path);
    EXPECT_TRUE(H().host.Problems().empty());
    ExpectDrawnAsFresh(slot);
    EXPECT_NEAR(S().Graph.Curves(slot).DelayPhase[1][0],
                -(20 * 3.1415926535 * (259 * 48 + 21) / 24000) * 57.2957877855694, 1e-9);
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

// A load failing at each of its frames in turn, on TCP/IP and on a serial link (a quarter of
// the frames a case, so that the cases run side by side): the frames up to the failed one go
// out as in a whole load and no more; the load's flags and pointer are put back, and the
// device, now offline, changed nowhere outside its working program.
struct LoadFault {
    testsupport::Link link;
    int quarter;
};
void PrintTo(const LoadFault& c, std::ostream* os) {
    testsupport::PrintTo(c.link, os);
    *os << " quarter " << c.quarter;
}
class LoadFaults : public ProgramFile, public ::testing::WithParamInterface<LoadFault> {};

TEST_P(LoadFaults, StopAtTheFailedFrame) {
    const auto [link, quarter] = GetParam();
    const int16_t slot = EditOn(link);
    VX_REQUIRE_SIMULATOR(H());
    const Bytes working = Program(0);
    model::DevImageRecord file = S().DevImage[slot];
    std::copy_n(Program(1).begin(), 912, file.ProgImage.begin());
    const std::string path = PresetPath("p.XPG");
    WriteBytes(path, RecordBytes(file));
    H().Device().Write(model::WorkingProgramAddr, working);
    Reconnect(slot);
    Edit(slot);
    H().Device().ClearLog();
    LoadInto(slot, path);
    const std::vector<Bytes> whole = Requests();
    ASSERT_EQ(Codes(), LoadCodes());
    const int frames = static_cast<int>(whole.size());
    for (int failed = 1 + frames * quarter / 4; failed <= frames * (quarter + 1) / 4; ++failed) {
        SCOPED_TRACE("frame " + std::to_string(failed));
        H().Device().Write(model::WorkingProgramAddr, working);
        Reconnect(slot);
        Edit(slot);
        const Bytes memory = H().Device().Read(0, 0x10000);
        FailAt(failed);
        H().Device().ClearLog();
        H().host.TakeMessages();

        LoadInto(slot, path);

        ASSERT_EQ(Requests(), Head(whole, failed));
        EXPECT_EQ(ExistingFrmCtrl(S(), slot), nullptr) << "the device went offline";
        EXPECT_EQ(S().DevList[slot].Online, 0);
        EXPECT_EQ(S().LoadStateWord, 0);
        EXPECT_FALSE(S().TxBlocked);
        EXPECT_EQ(S().GraphHold, 0);
        EXPECT_EQ(MainForm(S()).MousePointer(), ui::vbDefault);
        const auto messages = H().host.TakeMessages();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front().title, "Communication problem");
        if (failed == 1) {
            EXPECT_EQ(messages.back().prompt,
                      "The device did not receive the program: nothing was loaded.");
        }
        Bytes now = H().Device().Read(0, 0x10000);
        std::copy_n(memory.begin() + model::WorkingProgramAddr, 912,
                    now.begin() + model::WorkingProgramAddr);
        EXPECT_TRUE(now == memory) << "the device changed outside its working program";
        if (HasFailure()) return;
    }
}

INSTANTIATE_TEST_SUITE_P(Links, LoadFaults, ::testing::ValuesIn([] {
                             std::vector<LoadFault> cases;
                             for (auto link : {testsupport::Link::Tcp, testsupport::Link::Usb}) {
                                 for (int quarter = 0; quarter < 4; ++quarter) {
                                     cases.push_back({link, quarter});
                                 }
                             }
                             return cases;
                         }()));

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
