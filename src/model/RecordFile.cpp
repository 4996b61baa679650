#include "model/RecordFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

namespace model {

namespace {

// Writes all bytes, going on after partial writes and interrupted calls.
bool WriteAll(int fd, std::span<const uint8_t> data) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// Opens the temporary beside path, emptied; returns its descriptor or -1.
int CreateTemporary(const std::string& path, std::string& tmp) {
    tmp = TemporaryPath(path);
    return ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& out) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    uint8_t buf[65536];
    bool ok = true;
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        out.insert(out.end(), buf, buf + n);
    }
    ::close(fd);
    if (!ok) out.clear();
    return ok;
}

bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data) {
    std::string tmp;
    const int fd = CreateTemporary(path, tmp);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, data) && ::fsync(fd) == 0;
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

std::string TemporaryPath(const std::string& path) {
    return path + ".tmp";
}

bool PrepareFile(const std::string& path) {
    ::unlink(TemporaryPath(path).c_str());
    const int fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666);
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
