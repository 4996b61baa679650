// Binary record encoding shared by every file the program writes: members in order without
// padding, numbers little-endian, texts as a 16-bit length followed by that many bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace model {

// Appends record members to a byte vector.
class RecordWriter {
  public:
    void Byte(uint8_t v);
    void Int16(int16_t v);
    void Int32(int32_t v);
    void Float(float v);
    void Double(double v);
    void Bytes(std::span<const uint8_t> v);
    // A text longer than a 16-bit length can state is not written and marks the writer failed.
    void Text(std::string_view v);

    const std::vector<uint8_t>& Data() const { return data_; }
    bool Failed() const { return failed_; }

  private:
    void Unsigned(uint64_t v, int bytes);

    std::vector<uint8_t> data_;
    bool failed_ = false;
};

// Reads record members from a byte span. Bytes missing at the end of the data read as zeros
// and texts as empty, so a short file reads as if it were padded with zeros. A member that
// would run past the limit (the record's slot) marks the data malformed and reads as zero.
class RecordReader {
  public:
    explicit RecordReader(std::span<const uint8_t> data) : RecordReader(data, SIZE_MAX) {}
    RecordReader(std::span<const uint8_t> data, size_t limit) : data_(data), limit_(limit) {}
    // The reader keeps a view of the data: it must not outlive it.
    explicit RecordReader(std::vector<uint8_t>&&) = delete;
    RecordReader(std::vector<uint8_t>&&, size_t) = delete;

    uint8_t Byte();
    int16_t Int16();
    int32_t Int32();
    float Float();
    double Double();
    void Bytes(std::span<uint8_t> out);
    // A text longer than keep is cut to its first keep bytes. Only those need to lie within
    // the limit: a record's last text may run past its slot, but then nothing after it can
    // be read.
    std::string Text(size_t keep = SIZE_MAX);

    bool Malformed() const { return malformed_; }
    size_t Position() const { return pos_; }

  private:
    // Checks that n bytes fit below the limit; on failure marks the data malformed.
    bool Fits(size_t n);
    uint64_t Unsigned(int bytes);

    std::span<const uint8_t> data_;
    size_t limit_;
    size_t pos_ = 0;
    bool malformed_ = false;
};

}  // namespace model
