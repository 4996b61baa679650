#include "model/RecordIO.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace model {

void RecordWriter::Unsigned(uint64_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) data_.push_back(static_cast<uint8_t>(v >> (8 * k)));
}

void RecordWriter::Byte(uint8_t v) {
    data_.push_back(v);
}
void RecordWriter::Int16(int16_t v) {
    Unsigned(static_cast<uint16_t>(v), 2);
}
void RecordWriter::Int32(int32_t v) {
    Unsigned(static_cast<uint32_t>(v), 4);
}
void RecordWriter::Float(float v) {
    Unsigned(std::bit_cast<uint32_t>(v), 4);
}
void RecordWriter::Double(double v) {
    Unsigned(std::bit_cast<uint64_t>(v), 8);
}
void RecordWriter::Bytes(std::span<const uint8_t> v) {
    data_.insert(data_.end(), v.begin(), v.end());
}

void RecordWriter::Text(std::string_view v) {
    if (v.size() > std::numeric_limits<uint16_t>::max()) {
        failed_ = true;
        return;
    }
    Unsigned(v.size(), 2);
    data_.insert(data_.end(), v.begin(), v.end());
}

bool RecordReader::Fits(size_t n) {
    if (!malformed_ && pos_ <= limit_ && n <= limit_ - pos_) return true;
    malformed_ = true;
    return false;
}

uint64_t RecordReader::Unsigned(int bytes) {
    if (!Fits(static_cast<size_t>(bytes))) return 0;
    uint64_t v = 0;
    for (int k = 0; k < bytes; ++k, ++pos_) {
        if (pos_ < data_.size()) v |= static_cast<uint64_t>(data_[pos_]) << (8 * k);
    }
    return v;
}

uint8_t RecordReader::Byte() {
    return static_cast<uint8_t>(Unsigned(1));
}
int16_t RecordReader::Int16() {
    return static_cast<int16_t>(static_cast<uint16_t>(Unsigned(2)));
}
int32_t RecordReader::Int32() {
    return static_cast<int32_t>(static_cast<uint32_t>(Unsigned(4)));
}
float RecordReader::Float() {
    return std::bit_cast<float>(static_cast<uint32_t>(Unsigned(4)));
}
double RecordReader::Double() {
    return std::bit_cast<double>(Unsigned(8));
}

void RecordReader::Bytes(std::span<uint8_t> out) {
    std::fill(out.begin(), out.end(), uint8_t{0});
    if (!Fits(out.size())) return;
    if (pos_ < data_.size()) {
        const size_t n = std::min(out.size(), data_.size() - pos_);
        std::copy_n(data_.begin() + static_cast<std::ptrdiff_t>(pos_), n, out.begin());
    }
    pos_ += out.size();
}

std::string RecordReader::Text(size_t keep) {
    const size_t n = static_cast<uint16_t>(Unsigned(2));
    const size_t kept = std::min(n, keep);
    if (!Fits(kept)) return {};
    const size_t start = pos_;
    pos_ += n;
    // A text cut off by the end of the data reads as empty, like one wholly past the end.
    if (start > data_.size() || kept > data_.size() - start) return {};
    const auto first = data_.begin() + static_cast<std::ptrdiff_t>(start);
    return std::string(first, first + static_cast<std::ptrdiff_t>(kept));
}

}  // namespace model
