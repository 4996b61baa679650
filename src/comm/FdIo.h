// Byte moving on a non-blocking descriptor (serial port or socket) with time-outs; the
// failures come back as link statuses, never as signals or exceptions.
#pragma once

#include <cstddef>
#include <cstdint>

#include "comm/Deadline.h"
#include "comm/Status.h"

namespace comm {

enum class FdKind { Tty, Socket };

// Reads and drops whatever input is waiting. kLinkLost when the other end has gone.
Status DrainInput(int fd);

// Writes all n bytes before the deadline: kOk, kLinkLost, or kWriteFailed.
Status WriteAll(int fd, FdKind kind, const uint8_t* data, size_t n, const Deadline& deadline);

// Reads exactly n bytes before the deadline: kOk, kTimedOut (nothing came), kShortReply
// (some came), or kLinkLost.
Status ReadExact(int fd, uint8_t* data, size_t n, const Deadline& deadline);

// Waits for the events on fd until the deadline; returns the events seen, 0 on time-out,
// POLLERR when poll itself fails.
short WaitFor(int fd, short events, const Deadline& deadline);

}  // namespace comm
