// Whole-file access for the record files: reading the head of a file that its layout uses,
// writing a file whole (or its head, keeping the rest) through a temporary file so that a
// crash never leaves half a file, and the 128-byte slots of random-access record files (record
// n + 1 of a file is slot n).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace model {

inline constexpr size_t RecordSlotSize = 128;

// What reading a file found.
enum class FileRead {
    Read,        // out holds the file's first bytes
    Missing,     // nothing stands at the path
    NotRegular,  // a pipe, a device or a folder: refused without waiting on it
    Failed,      // the file could not be opened or read
};

// Reads at most limit bytes from the start of path into out (fewer when the file is shorter),
// so that no file can make the program read more than the layout it stands for. Only a
// regular file is read; out is empty unless the result is Read. The temporary that a write of
// path cut short left behind is removed first.
FileRead ReadFileHead(const std::string& path, size_t limit, std::vector<uint8_t>& out);

// "The file PATH is not a regular file." or "The file PATH could not be read." for a result
// that is neither Read nor Missing.
std::string FileReadText(FileRead result, const std::string& path);

// Writes data to the file's temporary beside it (TemporaryPath) and renames that over path.
// Returns false when any step fails, or when something other than a regular file stands at
// path; the old file is then left as it was.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data);

// As WriteFileAtomic, but head replaces only the first head.size() bytes of the file: the
// bytes after them are kept (copied without reading them into memory).
bool WriteFileHeadAtomic(const std::string& path, std::span<const uint8_t> head);

// The one temporary file a write of path goes through, beside it: ".NAME.velotrix-tmp" for
// the file NAME. The hidden prefix and the fixed suffix mark it as this program's own, so that
// it is never taken for a file the user keeps (such as "show.xpj.tmp"). A write that was cut
// short leaves at most this one behind, and the next write or read of path removes it.
std::string TemporaryPath(const std::string& path);

// Removes the temporaries left in folder by writes that were cut short: only names of the form
// TemporaryPath gives, every other file stays.
void RemoveTemporaries(const std::string& folder);

// Creates path as an empty file when nothing is there. False when the file is missing and
// could not be created.
bool PrepareFile(const std::string& path);

// The bytes of slot n of a random-access file: up to 128 bytes, fewer (or none) where the
// file ends early.
std::span<const uint8_t> RecordSlot(std::span<const uint8_t> file, size_t slot);

// Puts a record into slot n of a random-access file image, growing the file as needed and
// filling the rest of the slot with zeros. Returns false (file unchanged) when the record
// is longer than a slot.
bool PutRecordSlot(std::vector<uint8_t>& file, size_t slot, std::span<const uint8_t> record);

}  // namespace model
