// Frames for the link tests and the answer the test peers give.
#pragma once

#include <array>
#include <cstdint>

namespace commtest {

using Frame = std::array<uint8_t, 13>;

inline Frame MakeFrame(uint8_t address, uint8_t command, uint8_t d0 = 0) {
    return {0xF0, 0x46, address, command, d0, 0, 0, 0, 0, 0, 0, 0, 0xF7};
}

// The peers' reply: the request with 'F' in byte 4 and the request's d0 plus one in byte 5,
// so a reply always tells which request it answers.
inline Frame ReplyTo(const Frame& request) {
    Frame reply = request;
    reply[4] = 0x46;
    reply[5] = static_cast<uint8_t>(request[4] + 1);
    return reply;
}

}  // namespace commtest
