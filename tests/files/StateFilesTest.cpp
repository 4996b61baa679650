#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <span>

#include "Program.h"
#include "app/Wiring.h"
#include "files/StateFiles.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"
#include "state/State.h"
#include "support/TempDir.h"
#include "ui/HeadlessHost.h"

namespace {

using Bytes = std::vector<uint8_t>;

class StateFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { s->AppDir = dir.Path(); }

    Bytes FileBytes(const std::string& name) const {
        Bytes bytes;
        model::ReadFileHead(dir.File(name), SIZE_MAX, bytes);
        return bytes;
    }
    void Put(const std::string& name, const Bytes& bytes) const {
        ASSERT_TRUE(model::WriteFileAtomic(dir.File(name), bytes));
    }
    // A start.ini slot as it lies on disk.
    static Bytes Slot(const Bytes& record) {
        Bytes slot(model::RecordSlotSize, 0);
        std::copy(record.begin(), record.end(), slot.begin());
        return slot;
    }

    testsupport::TempDir dir;
    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(StateFilesTest, MissingFilesReadAsZeros) {
    s->InitCfg.ComPort = 7;
    s->InitCfg.LinkType = 2;
    s->DevList[4].Used = -1;
    s->StoredImage[9].ProgImage[3] = 1;
    StateFiles::ReadInitCfg(*s);
    StateFiles::ReadDeviceList(*s);
    StateFiles::ReadDeviceImages(*s);
    EXPECT_EQ(s->InitCfg, InitCfgRecord{});
    for (const model::DeviceRecord& rec : s->DevList) {
        EXPECT_EQ(rec.Used, 0);
        EXPECT_EQ(rec.IpText, "");
        EXPECT_EQ(rec.NickName, "");
        EXPECT_EQ(rec.LinkKind, 0);
    }
    EXPECT_EQ(s->StoredImage[9], model::DevImageRecord{});
}

TEST_F(StateFilesTest, InitCfgIsSixBytesAndHonoursTheTextLength) {
    s->InitCfg = {12, "", 1};
    ASSERT_TRUE(StateFiles::WriteInitCfg(*s));
    EXPECT_EQ(FileBytes("init.cfg"), (Bytes{12, 0, 0, 0, 1, 0}));

    Put("init.cfg", {5, 0, 3, 0, 'a', 'b', 'c', 2, 0});
    StateFiles::ReadInitCfg(*s);
    EXPECT_EQ(s->InitCfg.ComPort, 5);
    EXPECT_EQ(s->InitCfg.Reserved, "abc");
    EXPECT_EQ(s->InitCfg.LinkType, 2);

    Put("init.cfg", {3, 0, 0, 0});
    StateFiles::ReadInitCfg(*s);
    EXPECT_EQ(s->InitCfg.ComPort, 3);
    EXPECT_EQ(s->InitCfg.LinkType, 0);
}

TEST_F(StateFilesTest, WritingInitCfgKeepsTheBytesAfterTheRecord) {
    Put("init.cfg", {1, 0, 0, 0, 1, 0, 9, 9, 9});
    s->InitCfg = {4, "", 2};
    ASSERT_TRUE(StateFiles::WriteInitCfg(*s));
    EXPECT_EQ(FileBytes("init.cfg"), (Bytes{4, 0, 0, 0, 2, 0, 9, 9, 9}));
}

TEST_F(StateFilesTest, DeviceRecordsLieInTheirSlots) {
    model::DeviceRecord& rec = s->DevList[1];
    rec.IpOctets = {10, 0, 0, 1};
    rec.IpText = "10.0.0.1";  // 8 characters
    rec.DevId = 255;
    rec.Online = 1;
    rec.LinkKind = 2;
    rec.Used = -1;
    rec.WinLeft = 3490;
    rec.WinTop = 705;
    rec.NickName = "Front fill";  // 10 characters
    // The last slot: every field another value.
    s->DevList[64] = {{3, 3, 3, 3}, "x", 7, 1, 1, -1, 10.5f, 2.25f, "Balcony"};
    ASSERT_TRUE(StateFiles::WriteDeviceList(*s));

    const Bytes file = FileBytes("start.ini");
    ASSERT_EQ(file.size(), 65u * 128u);
    const Bytes slot(file.begin() + 128, file.begin() + 256);
    EXPECT_EQ(Bytes(slot.begin(), slot.begin() + 6), (Bytes{10, 0, 0, 1, 8, 0}));
    EXPECT_EQ(slot[14], 255);   // DevId
    EXPECT_EQ(slot[16], 1);     // Online
    EXPECT_EQ(slot[20], 0xFF);  // Used -1
    EXPECT_EQ(Bytes(slot.begin() + 22, slot.begin() + 26), (Bytes{0x00, 0x20, 0x5A, 0x45}));
    EXPECT_EQ(slot[30], 10);  // nick name length
    EXPECT_EQ(std::string(slot.begin() + 32, slot.begin() + 42), "Front fill");
    EXPECT_TRUE(std::all_of(slot.begin() + 42, slot.end(), [](uint8_t b) { return b == 0; }));

    auto other = NewState(host);
    other->AppDir = dir.Path();
    StateFiles::ReadDeviceList(*other);
    EXPECT_EQ(other->DevList, s->DevList);
}

TEST_F(StateFilesTest, AShortDeviceListLeavesTheRestOutOfTheProject) {
    for (int slot = 0; slot < 3; ++slot) s->DevList[slot].Used = -1;
    ASSERT_TRUE(StateFiles::WriteDeviceList(*s));
    Bytes file = FileBytes("start.ini");
    file.resize(3 * 128 + 10);  // three slots and the start of a fourth
    Put("start.ini", file);
    StateFiles::ReadDeviceList(*s);
    for (int slot = 0; slot < 65; ++slot) EXPECT_EQ(s->DevList[slot].Used, slot < 3 ? -1 : 0);
}

// Each record at its limits in its slot, a plain one after it: the plain ones read whole, and
// what was read is written back within its slots and reads back the same.
TEST_F(StateFilesTest, RecordTextsAtTheirLimitsAndOnePast) {
    const std::vector<apptest::LimitRecord> cases = apptest::RecordsAtTheirLimits();
    Bytes file;
    std::vector<model::DeviceRecord> plain;
    for (size_t k = 0; k < cases.size(); ++k) {
        file.insert(file.end(), cases[k].slot.begin(), cases[k].slot.end());
        model::DeviceRecord rec = apptest::TcpRecord(10, 0, 1, static_cast<uint8_t>(k));
        rec.NickName = "after " + cases[k].name.substr(0, 9);
        plain.push_back(rec);
        const Bytes after = Slot(apptest::DeviceRecordBytes(rec));
        file.insert(file.end(), after.begin(), after.end());
    }
    Put("start.ini", file);
    StateFiles::ReadDeviceList(*s);
    for (size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].name);
        EXPECT_EQ(s->DevList[2 * k], cases[k].read);
        EXPECT_EQ(s->DevList[2 * k + 1], plain[k]);
    }

    ASSERT_TRUE(StateFiles::WriteDeviceList(*s));
    auto other = NewState(host);
    other->AppDir = dir.Path();
    StateFiles::ReadDeviceList(*other);
    EXPECT_EQ(other->DevList, s->DevList);
}

TEST_F(StateFilesTest, MalformedDeviceRecordsReadAsFreeSlots) {
    for (model::DeviceRecord& rec : s->DevList) rec.Used = -1;
    ASSERT_TRUE(StateFiles::WriteDeviceList(*s));
    Bytes file = FileBytes("start.ini");
    // Slot 1: the address text claims 200 bytes. Slot 2: link kind 5. Slot 3: ID 300.
    file[128 + 4] = 200;
    const size_t textLength = s->DevList[2].IpText.size();
    file[256 + 10 + textLength] = 5;
    file[384 + 6 + textLength] = 0x2C;
    file[384 + 7 + textLength] = 0x01;
    Put("start.ini", file);

    StateFiles::ReadDeviceList(*s);
    EXPECT_EQ(s->DevList[0].Used, -1);
    for (int slot : {1, 2, 3}) EXPECT_EQ(s->DevList[slot], model::DeviceRecord{}) << slot;
    EXPECT_EQ(s->DevList[4].Used, -1);
}

// Every byte of every image its own value: the file is the 65 records back to back, and reads
// back whole.
TEST_F(StateFilesTest, DeviceImagesGoOutBackToBack) {
    Bytes expected;
    for (int slot = 0; slot < 65; ++slot) {
        model::DevImageRecord& image = s->DevImage[slot];
        size_t b = 0;
        for (std::span<uint8_t> part :
             {std::span<uint8_t>(image.ProgImage), std::span<uint8_t>(image.DevExtra),
              std::span<uint8_t>(image.PanelState)}) {
            for (uint8_t& v : part) v = static_cast<uint8_t>(b++ * 7 + slot * 13 + 1);
            expected.insert(expected.end(), part.begin(), part.end());
        }
    }
    ASSERT_TRUE(StateFiles::WriteDeviceImages(*s));
    EXPECT_EQ(s->StoredImage, s->DevImage);
    EXPECT_EQ(FileBytes("startBf.ini"), expected);

    auto other = NewState(host);
    other->AppDir = dir.Path();
    StateFiles::ReadDeviceImages(*other);
    EXPECT_EQ(other->StoredImage, s->DevImage);
}

// startBf.ini of exactly its 65 records, one byte short and one byte past: the exact file reads
// whole, the short one reads its last byte as zero and everything before it whole, the byte
// past the records is not read.
TEST_F(StateFilesTest, DeviceImagesOfExactlyTheirSizeAndOneByteEitherSide) {
    Bytes file(65 * model::DevImageRecord::Size);
    for (size_t b = 0; b < file.size(); ++b) file[b] = static_cast<uint8_t>(b * 7 + b / 1763 + 1);
    for (const int more : {0, -1, 1}) {
        SCOPED_TRACE(more);
        Bytes bytes = file;
        bytes.resize(file.size() + static_cast<size_t>(more), 0xEE);
        Put("startBf.ini", bytes);
        s->StoredImage.fill(model::DevImageRecord{});
        StateFiles::ReadDeviceImages(*s);
        model::RecordWriter w;
        for (const model::DevImageRecord& image : s->StoredImage)
            model::WriteDevImageRecord(w, image);
        Bytes expected = file;
        if (more < 0) expected.back() = 0;
        EXPECT_EQ(w.Data(), expected);
    }
}

TEST_F(StateFilesTest, AFailedWriteIsReportedAndLeavesNoFile) {
    s->AppDir = dir.File("missing-folder");
    EXPECT_FALSE(StateFiles::WriteInitCfg(*s));
    EXPECT_FALSE(StateFiles::WriteDeviceList(*s));
    EXPECT_FALSE(StateFiles::WriteDeviceImages(*s));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));

    s->AppDir = dir.Path();
    s->DevList[0].NickName = std::string(200, 'x');  // no longer fits its 128-byte slot
    EXPECT_FALSE(StateFiles::WriteDeviceList(*s));
    EXPECT_FALSE(std::filesystem::exists(dir.File("start.ini")));
}

}  // namespace
