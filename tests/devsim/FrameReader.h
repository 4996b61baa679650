// Cuts a byte stream into request frames. Bytes before a start byte are skipped; a candidate
// whose tag or end byte is wrong is dropped one byte at a time until the stream is in step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "devsim/Frame.h"

namespace devsim {

class FrameReader {
  public:
    void Push(const uint8_t* bytes, size_t count) {
        buffer_.insert(buffer_.end(), bytes, bytes + count);
    }
    std::optional<Frame> Next();

  private:
    std::vector<uint8_t> buffer_;
};

}  // namespace devsim
