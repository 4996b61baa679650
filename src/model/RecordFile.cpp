#include "model/RecordFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

namespace model {

namespace {

// What TemporaryPath puts around a file's name.
constexpr std::string_view kTemporaryPrefix = ".";
constexpr std::string_view kTemporarySuffix = ".velotrix-tmp";

// Writes all bytes at offset at, going on after partial writes and interrupted calls.
bool WriteAllAt(int fd, const uint8_t* data, size_t size, off_t at) {
    size_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, data + done, size - done, at + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Copies the bytes of src from offset from to end into dst at the same offsets, passing over
// the holes of a sparse file, and gives dst the length end.
bool CopyTail(int src, int dst, off_t from, off_t end) {
    uint8_t buf[65536];
    off_t pos = from;
    while (pos < end) {
        off_t data = ::lseek(src, pos, SEEK_DATA);
        if (data < 0 && errno == ENXIO) break;  // only a hole is left
        if (data < 0) data = pos;               // no hole support: copy everything
        off_t hole = ::lseek(src, data, SEEK_HOLE);
        if (hole < 0 || hole > end) hole = end;
        for (pos = data; pos < hole;) {
            const size_t want = static_cast<size_t>(std::min<off_t>(sizeof buf, hole - pos));
            const ssize_t n = ::pread(src, buf, want, pos);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return false;
            if (n == 0) return ::ftruncate(dst, pos) == 0;  // the file got shorter meanwhile
            if (!WriteAllAt(dst, buf, static_cast<size_t>(n), pos)) return false;
            pos += n;
        }
    }
    return ::ftruncate(dst, end) == 0;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Writes head, and when keepTail the old file's bytes after it, into the temporary beside
// path, then renames that over path. Only a regular file is ever replaced.
bool Replace(const std::string& path, std::span<const uint8_t> head, bool keepTail) {
    const std::string tmp = TemporaryPath(path);
    ::unlink(tmp.c_str());
    const int old = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat st {};
    if (old < 0 && errno != ENOENT) return false;
    if (old >= 0 && (::fstat(old, &st) != 0 || !S_ISREG(st.st_mode))) {
        ::close(old);
        return false;
    }
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    bool ok = fd >= 0 && WriteAllAt(fd, head.data(), head.size(), 0);
    const auto length = static_cast<off_t>(head.size());
    if (ok && keepTail && old >= 0 && st.st_size > length) {
        ok = CopyTail(old, fd, length, st.st_size);
    }
    if (old >= 0) ::close(old);
    if (fd < 0) return false;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(tmp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return false;
    }
    // Make the rename itself durable; file systems that can't sync a folder still hold the
    // complete new file, so a failure here is not reported.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace

FileRead ReadFileHead(const std::string& path, size_t limit, std::vector<uint8_t>& out) {
    out.clear();
    ::unlink(TemporaryPath(path).c_str());
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Failed;
    struct stat st {};
    FileRead result = FileRead::Read;
    if (::fstat(fd, &st) != 0) {
        result = FileRead::Failed;
    } else if (!S_ISREG(st.st_mode)) {
        result = FileRead::NotRegular;
    } else {
        out.resize(std::min(limit, static_cast<size_t>(st.st_size)));
        size_t done = 0;
        while (done < out.size()) {
            const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) result = FileRead::Failed;
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        out.resize(done);
    }
    ::close(fd);
    if (result != FileRead::Read) out.clear();
    return result;
}

std::string FileReadText(FileRead result, const std::string& path) {
    return "The file " + path +
           (result == FileRead::NotRegular ? " is not a regular file." : " could not be read.");
}

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data) {
    return Replace(path, data, false);
}

bool WriteFileHeadAtomic(const std::string& path, std::span<const uint8_t> head) {
    return Replace(path, head, true);
}

std::string TemporaryPath(const std::string& path) {
    const size_t name = path.find_last_of('/') + 1;  // 0 when there is no folder part
    return path.substr(0, name) + std::string(kTemporaryPrefix) + path.substr(name) +
           std::string(kTemporarySuffix);
}

void RemoveTemporaries(const std::string& folder) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > kTemporaryPrefix.size() + kTemporarySuffix.size() &&
            name.starts_with(kTemporaryPrefix) && name.ends_with(kTemporarySuffix)) {
            ::unlink(entry.path().c_str());
        }
    }
}

bool PrepareFile(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_RDONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

std::span<const uint8_t> RecordSlot(std::span<const uint8_t> file, size_t slot) {
    if (slot >= (file.size() + RecordSlotSize - 1) / RecordSlotSize) return {};
    const size_t first = slot * RecordSlotSize;
    return file.subspan(first, std::min(RecordSlotSize, file.size() - first));
}

bool PutRecordSlot(std::vector<uint8_t>& file, size_t slot, std::span<const uint8_t> record) {
    if (record.size() > RecordSlotSize) return false;
    const size_t first = slot * RecordSlotSize;
    if (file.size() < first + RecordSlotSize) file.resize(first + RecordSlotSize, 0);
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(first);
    std::fill_n(at, RecordSlotSize, uint8_t{0});
    std::copy(record.begin(), record.end(), at);
    return true;
}

}  // namespace model
