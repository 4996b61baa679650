#include "devsim/StopEvent.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace devsim {

StopEvent::StopEvent() : fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

StopEvent::~StopEvent() {
    if (fd_ >= 0) close(fd_);
}

void StopEvent::Signal() {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = write(fd_, &one, sizeof one);
}

bool StopEvent::Signalled() const {
    return WaitFor(0);
}

bool StopEvent::WaitFor(int ms) const {
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, ms) > 0;
}

bool StopEvent::WaitUntil(Clock::time_point when) const {
    pollfd p{fd_, POLLIN, 0};
    for (;;) {
        const auto left = std::max(when - Clock::now(), Clock::duration::zero());
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        const int n = ppoll(&p, 1, &ts, nullptr);
        if (n > 0) return true;
        if (n == 0 || errno != EINTR) return false;
    }
}

int WaitReady(int fd, bool forWrite, const StopEvent& stop, int timeoutMs) {
    pollfd p[2] = {{stop.Fd(), POLLIN, 0},
                   {fd, static_cast<short>(forWrite ? POLLOUT : POLLIN), 0}};
    for (;;) {
        const int n = poll(p, 2, timeoutMs);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || p[0].revents) return -1;
        if (n == 0) return 0;
        return 1;  // ready, or hung up / failed: the caller's read or write tells which
    }
}

}  // namespace devsim
