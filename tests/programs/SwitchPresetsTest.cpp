// Switch presets and their names against the device: choosing, switching, storing and linking
// reach the device at once; preset files and NameSwitch.ini are written whole, and reading
// them never creates or deletes a file.
#include <gtest/gtest.h>

#include <filesystem>

#include "ProgramsFixture.h"
#include "link/Commands.h"
#include "model/RecordFile.h"
#include "programs/FrmEditNameSwitch.h"
#include "programs/FrmSwitch.h"

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
    // Switch preset 1 current, the link off and the masks of presets 1 and 3 set (given back
    // to an outside device afterwards).
    int16_t ConnectWithMasks() {
        return PrepareAndEdit([this] {
            Put(16, {0});
            Put(kSwitchLinkAddr, {0, 1, 0, 5, 0, 0, 0, 0, 0, 0, 0});
        });
    }
    std::string NamesFile() { return H().home.Path() + "/NameSwitch.ini"; }
};

TEST_F(SwitchPresets, ChoosingSwitchingStoringAndLinkingReachTheDeviceUnlessOffline) {
    const int16_t slot = ConnectWithMasks();
    std::vector<int16_t> boxes;
    std::string caption;
    InSwitch(slot, [&](FrmSwitch& w) {
        ExpectRequests({});  // loading the window sends nothing
        EXPECT_EQ(w.Frame2.Caption(), "Switch Preset 1");
        EXPECT_EQ(w.Check5(0).Value(), 1);
        w.Option1(2).UserClick();
        for (int k = 0; k < 4; ++k) boxes.push_back(w.Check5(k).Value());
        caption = w.Frame2.Caption();
        w.Check5(3).UserClick();
        w.Command3(0).UserClick();
        w.Check1.UserClick();
    });
    EXPECT_EQ(boxes, (std::vector<int16_t>{1, 0, 1, 0}));
    EXPECT_EQ(caption, "Switch Preset 3");
    ExpectRequests({
        Frame(slot, CmdSelectSwitchPreset, {0, 0, 0, 0, 0, 0, 0, 2}),
        Frame(slot, CmdSwitchMask, {0, 0, 0, 0, 0, 0, 0, 13}),
        Frame(slot, CmdWriteByte, {0, 56, 0, 0, 13, 0, 0, 0}),
        Frame(slot, CmdLinkSwitchPreset, {0, 0, 0, 0, 0, 0, 0, 1}),
    });
    EXPECT_EQ(H().ReadMemory(slot, kMaskAddr + 2, 1), Bytes{13});
    EXPECT_EQ(H().ReadMemory(slot, kSwitchLinkAddr, 1), Bytes{1});
    EXPECT_EQ(S().DevParam[slot].CurSwitchPreset, 2.0);
    EXPECT_EQ(S().DevImage[slot].DevExtra[16], 2);
    const auto messages = H().host.Messages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().prompt, "Preset Switch 3 Stored");
    EXPECT_EQ(messages.back().title, "Store");

    // Offline, a store is refused with a message.
    ClearLog();
    S().DevList[slot].Online = 0;
    H().host.TakeMessages();
    InSwitch(slot, [](FrmSwitch& w) { w.Command3(0).UserClick(); });
    ExpectRequests({});
    EXPECT_NE(OneMessage().prompt.find("offline"), std::string::npos);
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
        w.Command3(1).UserClick();  // preset 1, mask 1
        H().host.ChooseFile(empty);
        w.Command3(2).UserClick();
        H().host.ChooseFile(missing);
        w.Command3(2).UserClick();
        H().host.ChooseFile(full);
        w.Command3(2).UserClick();
        for (int k = 0; k < 4; ++k) boxes.push_back(w.Check5(k).Value());
    });
    Bytes saved;
    model::ReadFileBytes(three, saved);
    EXPECT_EQ(saved, (Bytes{1, 8, 7}));
    EXPECT_TRUE(fs::exists(empty));
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(S().DevParam[slot].SwitchPresetMask[0], 243.0) << "the byte taken whole";
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
    ASSERT_TRUE(model::ReadFileBytes(NamesFile(), file));
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

    // A punctuation key is refused and takes the last character with it.
    std::string text;
    InSwitch(slot, [&](FrmSwitch& w) {
        Drive<FrmEditNameSwitch>("FrmEditNameSwitch", [&](FrmEditNameSwitch& e) {
            Retype(e.Text1(2), "Fan,");
            text = e.Text1(2).Text();
            e.Command1(1).UserClick();
        });
        w.Command1.UserClick();
    });
    EXPECT_EQ(text, "Fa");
    EXPECT_EQ(H().host.Messages().back().prompt, "Symbol not admited");
}

}  // namespace
}  // namespace programs_test
