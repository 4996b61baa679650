#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <span>
#include <string>
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
    std::sort(names.begin(), names.end());
    return names;
}

// The whole file, read without removing its temporary.
std::vector<uint8_t> Raw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<uint8_t> Whole(const std::string& path) {
    std::vector<uint8_t> bytes;
    EXPECT_EQ(ReadFileHead(path, SIZE_MAX, bytes), FileRead::Read) << path;
    return bytes;
}

TEST(RecordFile, WritesWholeFilesAndReplacesOldOnes) {
    testsupport::TempDir dir;
    const std::string path = dir.File("start.ini");
    std::vector<uint8_t> data(5000);
    for (size_t n = 0; n < data.size(); ++n) data[n] = static_cast<uint8_t>(n * 31);
    std::vector<uint8_t> back = {1, 2};
    EXPECT_EQ(ReadFileHead(path, 10, back), FileRead::Missing);
    EXPECT_TRUE(back.empty());

    ASSERT_TRUE(WriteFileAtomic(path, data));
    EXPECT_EQ(Whole(path), data);
    ASSERT_EQ(ReadFileHead(path, 128, back), FileRead::Read);
    EXPECT_EQ(back, std::vector<uint8_t>(data.begin(), data.begin() + 128)) << "only the head";

    const std::vector<uint8_t> shorter = {1, 2, 3};
    ASSERT_TRUE(WriteFileAtomic(path, shorter));
    EXPECT_EQ(Whole(path), shorter);

    ASSERT_TRUE(WriteFileAtomic(path, {}));
    EXPECT_TRUE(Whole(path).empty());
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"start.ini"});
}

// A head write replaces the first bytes and keeps the rest; a sparse tail stays sparse.
TEST(RecordFile, AHeadWriteKeepsWhatFollowsTheHead) {
    testsupport::TempDir dir;
    const std::string path = dir.File("NameSwitch.ini");
    ASSERT_TRUE(WriteFileHeadAtomic(path, std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(Whole(path), (std::vector<uint8_t>{1, 2})) << "a missing file is created";
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{9, 8, 7, 6, 5}));
    ASSERT_TRUE(WriteFileHeadAtomic(path, std::vector<uint8_t>{1, 2}));
    EXPECT_EQ(Whole(path), (std::vector<uint8_t>{1, 2, 7, 6, 5}));

    constexpr off_t kLarge = off_t{256} << 20;
    const std::string sparse = dir.File("big.swc");
    ASSERT_TRUE(WriteFileAtomic(sparse, std::vector<uint8_t>{3}));
    std::filesystem::resize_file(sparse, kLarge);
    ASSERT_TRUE(WriteFileHeadAtomic(sparse, std::vector<uint8_t>{4}));
    struct stat st {};
    ASSERT_EQ(::stat(sparse.c_str(), &st), 0);
    EXPECT_EQ(st.st_size, kLarge);
    EXPECT_LT(st.st_blocks * 512, off_t{1} << 20) << "the holes were not filled in";
    std::vector<uint8_t> head;
    ASSERT_EQ(ReadFileHead(sparse, 1, head), FileRead::Read);
    EXPECT_EQ(head, std::vector<uint8_t>{4});
}

// A pipe, a device or a folder is neither read (nor waited on) nor written over; a large
// sparse file is read no further than the limit.
TEST(RecordFile, OnlyTheHeadOfARegularFileIsRead) {
    testsupport::TempDir dir;
    const std::string fifo = dir.File("pipe.XPG");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::vector<uint8_t> out = {1};
    for (const std::string& path : {fifo, std::string("/dev/zero"), dir.Path()}) {
        EXPECT_EQ(ReadFileHead(path, 1763, out), FileRead::NotRegular) << path;
        EXPECT_TRUE(out.empty());
        EXPECT_NE(FileReadText(FileRead::NotRegular, path).find("not a regular file"),
                  std::string::npos);
    }
    EXPECT_FALSE(WriteFileAtomic(fifo, std::vector<uint8_t>{1}));
    EXPECT_FALSE(WriteFileHeadAtomic(fifo, std::vector<uint8_t>{1}));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string big = dir.File("big.XPG");
    ASSERT_TRUE(WriteFileAtomic(big, std::vector<uint8_t>{7, 7}));
    std::filesystem::resize_file(big, off_t{256} << 20);
    ASSERT_EQ(ReadFileHead(big, 1763, out), FileRead::Read);
    EXPECT_EQ(out.size(), 1763u);
    EXPECT_EQ(out[1], 7);
    EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"big.XPG", "pipe.XPG"}));
}

TEST(RecordFile, AFailedWriteLeavesTheOldFileAndNoLeftovers) {
    testsupport::TempDir dir;
    EXPECT_FALSE(WriteFileAtomic(dir.File("missing/start.ini"), std::vector<uint8_t>{1}));

    // A folder standing where the file should go is not replaced.
    std::filesystem::create_directory(dir.File("taken"));
    EXPECT_FALSE(WriteFileAtomic(dir.File("taken"), std::vector<uint8_t>{1, 2}));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("taken")));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"taken"});

    // Nor does a write go through a folder standing where its temporary goes.
    const std::string path = dir.File("init.cfg");
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{7}));
    std::filesystem::create_directory(TemporaryPath(path));
    EXPECT_FALSE(WriteFileHeadAtomic(path, std::vector<uint8_t>{8, 9}));
    EXPECT_EQ(Whole(path), std::vector<uint8_t>{7});
}

// A write goes through one hidden temporary beside its file, marked as the program's own; a
// write cut short leaves at most that one, which the next write or read of the file removes.
TEST(RecordFile, OneTemporaryPerFile) {
    testsupport::TempDir dir;
    const std::string path = dir.File("startBf.ini");
    EXPECT_EQ(TemporaryPath(path), dir.File(".startBf.ini.velotrix-tmp"));
    EXPECT_EQ(TemporaryPath("show.xpj"), ".show.xpj.velotrix-tmp");
    ASSERT_TRUE(WriteFileAtomic(TemporaryPath(path), std::vector<uint8_t>(900, 1)));
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{7}));
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"startBf.ini"});

    ASSERT_TRUE(WriteFileAtomic(TemporaryPath(path), std::vector<uint8_t>{9}));
    EXPECT_EQ(Whole(path), std::vector<uint8_t>{7});
    EXPECT_EQ(FilesIn(dir.Path()), std::vector<std::string>{"startBf.ini"});

    EXPECT_TRUE(PrepareFile(dir.File("init.cfg")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("init.cfg")), 0u);
    EXPECT_TRUE(PrepareFile(path));
    EXPECT_EQ(Whole(path), std::vector<uint8_t>{7});
    EXPECT_FALSE(PrepareFile(dir.File("missing/init.cfg")));
}

// Each way a leftover temporary goes: the next read of its file (there or missing), its next
// write or head write, and the sweep of its folder, which alone also takes other files'
// temporaries. The user's files named like temporaries stay byte for byte through all of them.
TEST(RecordFile, OnlyTheProgramsOwnTemporariesAreRemoved) {
    const std::vector<uint8_t> old = {1, 2, 3, 4};
    const std::vector<uint8_t> fresh = {5, 6};
    std::vector<uint8_t> out;
    struct Case {
        const char* what;
        bool there;                  // show.xpj stands before
        std::vector<uint8_t> after;  // show.xpj afterwards
        bool sweep;                  // the folder is swept
        std::function<bool(const std::string&)> run;
    };
    const std::vector<uint8_t> none;
    const std::vector<uint8_t> headWritten = {5, 6, 3, 4};
    const std::vector<Case> cases = {
        {"read", true, old, false,
         [&](const std::string& p) { return ReadFileHead(p, 2, out) == FileRead::Read; }},
        {"read of a missing file", false, none, false,
         [&](const std::string& p) { return ReadFileHead(p, 2, out) == FileRead::Missing; }},
        {"write", true, fresh, false,
         [&](const std::string& p) { return WriteFileAtomic(p, fresh); }},
        {"head write", true, headWritten, false,
         [&](const std::string& p) { return WriteFileHeadAtomic(p, fresh); }},
        {"sweep", true, old, true,
         [](const std::string& p) {
             RemoveTemporaries(std::filesystem::path(p).parent_path().string());
             return true;
         }},
    };
    const std::vector<std::string> users = {"show.xpj.tmp", "notes.tmp", ".show.xpj.tmp",
                                            "show.xpj.velotrix-tmp"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testsupport::TempDir dir;
        const std::string path = dir.File("show.xpj");
        const std::string other = TemporaryPath(dir.File("live.XPG"));
        if (c.there) {
            ASSERT_TRUE(WriteFileAtomic(path, old));
        }
        ASSERT_TRUE(WriteFileAtomic(TemporaryPath(path), std::vector<uint8_t>(300, 9)));
        ASSERT_TRUE(WriteFileAtomic(other, std::vector<uint8_t>{9}));
        for (size_t n = 0; n < users.size(); ++n) {
            ASSERT_TRUE(WriteFileAtomic(dir.File(users[n]), std::vector<uint8_t>(n + 1, 40)));
        }

        ASSERT_TRUE(c.run(path));

        EXPECT_FALSE(std::filesystem::exists(TemporaryPath(path)));
        EXPECT_EQ(std::filesystem::exists(other), !c.sweep);
        EXPECT_EQ(std::filesystem::exists(path), c.there);
        if (c.there) {
            EXPECT_EQ(Whole(path), c.after);
        }
        for (size_t n = 0; n < users.size(); ++n) {
            EXPECT_EQ(Whole(dir.File(users[n])), std::vector<uint8_t>(n + 1, 40)) << users[n];
        }
    }
}

// Runs write in a child process that is killed (SIGKILL) the moment a file it writes would
// grow past limit bytes; true when it died so.
bool KilledAt(size_t limit, const std::function<bool()>& write) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        write();
        ::_exit(0);
    }
    int status = 0;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFSIGNALED(status) &&
           WTERMSIG(status) == SIGKILL;
}

// A write or head write killed at every byte of its temporary: the old file is whole, beside
// it stand only the temporary, holding the bytes written so far, and the user's
// "show.xpj.tmp"; the next read, write or sweep of the folder (in turn) removes the temporary
// and nothing else.
TEST(RecordFile, AWriteKilledAtAnyByteLeavesTheOldFileWhole) {
    std::vector<uint8_t> old(300);
    for (size_t n = 0; n < old.size(); ++n) old[n] = static_cast<uint8_t>(n * 7 + 1);
    const std::vector<uint8_t> fresh(257, 0xA5);
    std::vector<uint8_t> freshHead = fresh;
    freshHead.resize(128);
    std::vector<uint8_t> headResult = freshHead;
    headResult.insert(headResult.end(), old.begin() + 128, old.end());
    const std::vector<uint8_t> user = {0x55, 0x66};
    struct Mode {
        const char* what;
        std::vector<uint8_t> result;  // the whole new file
        bool (*write)(const std::string&, std::span<const uint8_t>);
        std::vector<uint8_t> data;  // what is written
    };
    for (const Mode& m : {Mode{"write", fresh, WriteFileAtomic, fresh},
                          Mode{"head write", headResult, WriteFileHeadAtomic, freshHead}}) {
        testsupport::TempDir dir;
        const std::string path = dir.File("show.xpj");
        ASSERT_TRUE(WriteFileAtomic(dir.File("show.xpj.tmp"), user));
        ASSERT_TRUE(WriteFileAtomic(path, old));
        for (size_t limit = 0; limit < m.result.size(); ++limit) {
            SCOPED_TRACE(std::string(m.what) + " killed at byte " + std::to_string(limit));
            ASSERT_TRUE(KilledAt(limit, [&] { return m.write(path, m.data); }));
            EXPECT_EQ(Raw(path), old);
            EXPECT_EQ(Raw(TemporaryPath(path)),
                      std::vector<uint8_t>(m.result.begin(), m.result.begin() + limit));
            EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{".show.xpj.velotrix-tmp",
                                                                     "show.xpj", "show.xpj.tmp"}));
            std::vector<uint8_t> head;
            switch (limit % 3) {
                case 0:
                    EXPECT_EQ(ReadFileHead(path, 1, head), FileRead::Read);
                    break;
                case 1:
                    EXPECT_TRUE(WriteFileAtomic(path, old));
                    break;
                default:
                    RemoveTemporaries(dir.Path());
            }
            EXPECT_EQ(Whole(path), old);
            EXPECT_EQ(FilesIn(dir.Path()), (std::vector<std::string>{"show.xpj", "show.xpj.tmp"}));
            EXPECT_EQ(Whole(dir.File("show.xpj.tmp")), user);
        }
    }
}

// Folder permissions do not bind root, so as root the write runs in a child
// that has given up root first.
bool WriteAsAUser(const std::string& path, const std::vector<uint8_t>& data) {
    if (::geteuid() != 0) return WriteFileAtomic(path, data);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(!dropped ? 2 : WriteFileAtomic(path, data) ? 0 : 1);
    }
    int status = 0;
    EXPECT_TRUE(pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
                WEXITSTATUS(status) != 2);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(RecordFile, AReadOnlyFolderRefusesTheWrite) {
    testsupport::TempDir dir;
    const std::string path = dir.File("init.cfg");
    ASSERT_TRUE(WriteFileAtomic(path, std::vector<uint8_t>{7}));
    ::chmod(dir.Path().c_str(), 0555);
    EXPECT_FALSE(WriteAsAUser(path, std::vector<uint8_t>{8, 9}));
    ::chmod(dir.Path().c_str(), 0755);
    EXPECT_EQ(Whole(path), std::vector<uint8_t>{7});
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
