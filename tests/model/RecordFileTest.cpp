#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <vector>

#include "model/DeviceRecord.h"
#include "model/RecordFile.h"
#include "model/RecordIO.h"
#include "support/TempDir.h"

namespace {

using namespace model;

std::vector<std::string> FilesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    return names;
}

TEST(RecordFile, WritesWholeFilesAndReplacesOldOnes) {
    testsupport::TempDir dir;
    const std::string path = dir.File("start.ini");
    std::vector<uint8_t> data(5000);
    for (size_t n = 0; n < data.size(); ++n) data[n] = static_cast<uint8_t>(n * 31);
    std::vector<uint8_t> back = {1, 2};
    EXPECT_FALSE(ReadFileBytes(path, back));  // a missing file reads as nothing
    EXPECT_TRUE(back.empty());

    ASSERT_TRUE(WriteFileAtomic(path, data));
    ASSERT_TRUE(ReadFileBytes(path, back));
    EXPECT_EQ(back, data);

    const std::vector<uint8_t> shorter = {1, 2, 3};
    ASSERT_TRUE(WriteFileAtomic(path, shorter));
    ASSERT_TRUE(ReadFileBytes(path, back));
    EXPECT_EQ(back, shorter);

    ASSERT_TRUE(WriteFileAtomic(path, {}));
    ASSERT_TRUE(ReadFileBytes(path, back));
    EXPECT_TRUE(back.empty());
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"start.ini"});
}

TEST(RecordFile, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    testsupport::TempDir dir;
    EXPECT_FALSE(WriteFileAtomic(dir.File("missing/start.ini"), std::vector<uint8_t>{1}));

    // A folder standing where the file should go cannot be replaced by the rename.
    std::filesystem::create_directory(dir.File("taken"));
    EXPECT_FALSE(WriteFileAtomic(dir.File("taken"), std::vector<uint8_t>{1, 2}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken")));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"taken"});
}

// A write cut short leaves at most its one temporary, which the next write reuses and a start
// removes; a missing file is created empty then, an existing one is left alone.
TEST(RecordFile, OneTemporaryPerFile) {
    testsupport::TempDir dir;
    const std::string path = dir.File("startBf.ini");
    EXPECT_EQ(TemporaryPath(path), path + ".tmp");
    ASSERT_TRUE(WriteFileAtomic(TemporaryPath(path), std::vector<uint8_t>(900, 1)));
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{7}));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"startBf.ini"});

    ASSERT_TRUE(WriteFileAtomic(TemporaryPath(path), std::vector<uint8_t>{9}));
    EXPECT_TRUE(PrepareFile(path));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"startBf.ini"});
    std::vector<uint8_t> back;
    ASSERT_TRUE(ReadFileBytes(path, back));
    EXPECT_EQ(back, std::vector<uint8_t>{7});

    EXPECT_TRUE(PrepareFile(dir.File("init.cfg")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("init.cfg")), 0u);
    EXPECT_FALSE(PrepareFile(dir.File("missing/init.cfg")));
}

TEST(RecordFile, AReadOnlyFolderRefusesTheWrite) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    testsupport::TempDir dir;
    const std::string path = dir.File("init.cfg");
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{7}));
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(WriteFileAtomic(path, std::vector<uint8_t>{8, 9}));
    ::chmod(dir.Path().c_str(), 0755);
    std::vector<uint8_t> back;
    ASSERT_TRUE(ReadFileBytes(path, back));
    EXPECT_EQ(back, std::vector<uint8_t>{7});
}

TEST(RecordFile, RecordsSitInTheirSlots) {
    std::vector<uint8_t> file(3 * RecordSlotSize + 10, 0xEE);
    DeviceRecord rec;
    rec.Used = -1;
    RecordWriter w;
    WriteDeviceRecord(w, rec);
    ASSERT_TRUE(PutRecordSlot(file, 1, w.Data()));
    EXPECT_EQ(file.size(), 3 * RecordSlotSize + 10);
    EXPECT_EQ(file[RecordSlotSize - 1], 0xEE);
    EXPECT_EQ(file[RecordSlotSize + w.Data().size()], 0);  // the slot's tail is cleared
    EXPECT_EQ(file[2 * RecordSlotSize], 0xEE);

    DeviceRecord back;
    EXPECT_EQ(ReadDeviceRecord(RecordSlot(file, 1), back), DeviceRecordFault::None);
    EXPECT_EQ(back, rec);

    EXPECT_EQ(RecordSlot(file, 3).size(), 10u);  // cut short by the end of the file
    EXPECT_TRUE(RecordSlot(file, 4).empty());
    EXPECT_TRUE(RecordSlot(file, 1000).empty());

    ASSERT_TRUE(PutRecordSlot(file, 64, w.Data()));
    EXPECT_EQ(file.size(), 65 * RecordSlotSize);
    EXPECT_EQ(file[5 * RecordSlotSize], 0);  // slots between are zeros

    const std::vector<uint8_t> tooLong(RecordSlotSize + 1, 1);
    EXPECT_FALSE(PutRecordSlot(file, 0, tooLong));
    EXPECT_EQ(file[0], 0xEE);
}

}  // namespace
