// Results of the link calls: 0 is success, every other value names the failure.
#pragma once

#include <cstdint>

namespace comm {

enum Status : int32_t {
    kOk = 0,
    kNotInitialised = 1,  // Init was not called or failed
    kBadArgument = 2,     // a slot, length, baud rate or port out of range
    kNoSuchPort = 3,      // the port name names no serial device
    kOpenFailed = 4,      // the device exists but could not be opened (busy, no rights)
    kNotOpen = 5,         // no open port or no connection in that slot
    kWriteFailed = 6,     // the frame could not be written whole
    kTimedOut = 7,        // nothing arrived within the time-out
    kShortReply = 8,      // part of a reply arrived, the rest did not within the time-out
    kLinkLost = 9,        // the device went away (unplugged, hang-up, peer closed)
    kBadAddress = 10,     // the address text is not four decimal octets
    kConnectFailed = 11,  // the connection was refused or failed
    kNoResources = 12,    // the system refused a socket, descriptor or thread
};

// True (-1) and False (0) as the link's Boolean results give them.
inline constexpr int16_t kTrue = -1;
inline constexpr int16_t kFalse = 0;

// Every frame and reply on the wire is this long.
inline constexpr int32_t kFrameLength = 13;

}  // namespace comm
