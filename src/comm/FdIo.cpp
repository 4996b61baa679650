#include "comm/FdIo.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace comm {

namespace {

// A device that keeps talking must not keep the drain going forever.
constexpr size_t kDrainLimit = 64 * 1024;

bool IsLinkGone(int err) {
    return err == EIO || err == ENXIO || err == ENODEV || err == EPIPE || err == ECONNRESET ||
           err == ENOTCONN || err == EBADF;
}

bool WouldBlock(int err) {
    return err == EAGAIN || err == EWOULDBLOCK;
}

ssize_t WriteSome(int fd, FdKind kind, const uint8_t* data, size_t n) {
    if (kind == FdKind::Socket) return send(fd, data, n, MSG_NOSIGNAL);
    return write(fd, data, n);
}

}  // namespace

short WaitFor(int fd, short events, const Deadline& deadline) {
    for (;;) {
        pollfd p{fd, events, 0};
        const int r = poll(&p, 1, deadline.RemainingMs());
        if (r > 0) return p.revents;
        if (r == 0) return 0;
        if (errno != EINTR) return POLLERR;
    }
}

Status DrainInput(int fd) {
    uint8_t buf[512];
    size_t total = 0;
    while (total < kDrainLimit) {
        const ssize_t r = read(fd, buf, sizeof buf);
        if (r > 0) {
            total += static_cast<size_t>(r);
            continue;
        }
        if (r == 0) return kLinkLost;
        if (errno == EINTR) continue;
        return WouldBlock(errno) ? kOk : kLinkLost;
    }
    return kOk;
}

Status WriteAll(int fd, FdKind kind, const uint8_t* data, size_t n, const Deadline& deadline) {
    size_t done = 0;
    while (done < n) {
        const ssize_t r = WriteSome(fd, kind, data + done, n - done);
        if (r > 0) {
            done += static_cast<size_t>(r);
            continue;
        }
        if (r < 0 && errno == EINTR) continue;
        if (r < 0 && !WouldBlock(errno)) return IsLinkGone(errno) ? kLinkLost : kWriteFailed;
        const short ev = WaitFor(fd, POLLOUT, deadline);
        if (ev == 0) return kWriteFailed;
        if ((ev & POLLOUT) == 0) return kLinkLost;
    }
    return kOk;
}

Status ReadExact(int fd, uint8_t* data, size_t n, const Deadline& deadline) {
    size_t got = 0;
    while (got < n) {
        const ssize_t r = read(fd, data + got, n - got);
        if (r > 0) {
            got += static_cast<size_t>(r);
            continue;
        }
        if (r == 0) return kLinkLost;
        if (errno == EINTR) continue;
        if (!WouldBlock(errno)) return kLinkLost;
        const short ev = WaitFor(fd, POLLIN, deadline);
        if (ev == 0) return got == 0 ? kTimedOut : kShortReply;
        if ((ev & POLLIN) == 0) return kLinkLost;
    }
    return kOk;
}

}  // namespace comm
