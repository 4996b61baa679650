// Whole-file access for the record files: reading a file into memory, writing it whole through
// a temporary file so that a crash never leaves half a file, and the 128-byte slots of
// random-access record files (record n + 1 of a file is slot n).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace model {

inline constexpr size_t RecordSlotSize = 128;

// Reads the whole file. Returns false (with out empty) when it can't be opened or read,
// for example when it does not exist.
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& out);

// Writes data to the file's temporary beside it (TemporaryPath) and renames that over path.
// Returns false when any step fails; the old file is then left as it was.
bool WriteFileAtomic(const std::string& path, std::span<const uint8_t> data);

// The one temporary file a write of path goes through: a write that was cut short leaves at
// most this one behind, and the next write replaces it.
std::string TemporaryPath(const std::string& path);

// Creates path as an empty file when nothing is there, and removes the temporary of a write
// that was cut short. False when the file is missing and could not be created.
bool PrepareFile(const std::string& path);

// The bytes of slot n of a random-access file: up to 128 bytes, fewer (or none) where the
// file ends early.
std::span<const uint8_t> RecordSlot(std::span<const uint8_t> file, size_t slot);

// Puts a record into slot n of a random-access file image, growing the file as needed and
// filling the rest of the slot with zeros. Returns false (file unchanged) when the record
// is longer than a slot.
bool PutRecordSlot(std::vector<uint8_t>& file, size_t slot, std::span<const uint8_t> record);

}  // namespace model
