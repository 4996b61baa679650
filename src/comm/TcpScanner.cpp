#include "comm/TcpScanner.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <optional>
#include <system_error>
#include <utility>

#include "comm/Ipv4.h"
#include "comm/TcpSocket.h"

namespace comm {

namespace {

using Clock = std::chrono::steady_clock;

// Connection attempts in flight at once; keeps a 254-host scan well inside the descriptor
// limit while finishing in a few time-outs.
constexpr size_t kMaxInFlight = 64;

struct Attempt {
    size_t index;
    int fd;
    Clock::time_point end;
};

int MsUntil(Clock::time_point end) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now()).count();
    return static_cast<int>(std::clamp<int64_t>(left, 0, 60000));
}

// The indices of the hosts that accepted a connection, ascending; nothing when woken.
std::optional<std::vector<size_t>> Probe(const std::vector<std::string>& hosts, uint16_t port,
                                         int64_t timeoutMs, int wakeFd) {
    std::vector<bool> answered(hosts.size(), false);
    std::vector<Attempt> inFlight;
    std::vector<pollfd> fds;
    bool woken = false;
    size_t next = 0;
    while (!woken && (next < hosts.size() || !inFlight.empty())) {
        while (inFlight.size() < kMaxInFlight && next < hosts.size()) {
            const size_t i = next++;
            in_addr addr{};
            bool connected = false;
            if (!ParseIpv4(hosts[i], addr)) continue;
            const int fd = StartConnect(addr, port, connected);
            if (fd < 0) continue;
            if (connected) {
                answered[i] = true;
                close(fd);
                continue;
            }
            inFlight.push_back({i, fd, Clock::now() + std::chrono::milliseconds(timeoutMs)});
        }
        if (inFlight.empty()) continue;

        fds.assign(1, pollfd{wakeFd, POLLIN, 0});
        Clock::time_point soonest = inFlight.front().end;
        for (const Attempt& a : inFlight) {
            fds.push_back(pollfd{a.fd, POLLOUT, 0});
            soonest = std::min(soonest, a.end);
        }
        if (poll(fds.data(), fds.size(), MsUntil(soonest)) < 0 && errno != EINTR) break;
        woken = fds[0].revents != 0;

        const Clock::time_point now = Clock::now();
        std::vector<Attempt> still;
        for (size_t k = 0; k < inFlight.size(); ++k) {
            const Attempt& a = inFlight[k];
            if (!woken && fds[k + 1].revents == 0 && now < a.end) {
                still.push_back(a);
                continue;
            }
            if (fds[k + 1].revents != 0) answered[a.index] = ConnectSucceeded(a.fd);
            close(a.fd);
        }
        inFlight = std::move(still);
    }
    for (const Attempt& a : inFlight) close(a.fd);
    if (woken) return std::nullopt;
    std::vector<size_t> found;
    for (size_t i = 0; i < answered.size(); ++i) {
        if (answered[i]) found.push_back(i);
    }
    return found;
}

}  // namespace

bool TcpScanner::Start(std::vector<std::string> hosts, uint16_t port, int64_t timeoutMs,
                       Done done) {
    Stop();
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wakeFd_ < 0) return false;
    try {
        worker_ = std::thread(
            [hosts = std::move(hosts), port, timeoutMs, wake = wakeFd_, done = std::move(done)] {
                // Nothing may leave the worker: an escaping exception would end the program.
                try {
                    const auto found = Probe(hosts, port, timeoutMs, wake);
                    if (!found) return;
                    std::vector<std::string> answering;
                    for (const size_t i : *found) answering.push_back(hosts[i]);
                    done(std::move(answering));
                } catch (...) {
                }
            });
    } catch (const std::system_error&) {
        close(wakeFd_);
        wakeFd_ = -1;
        return false;
    }
    return true;
}

void TcpScanner::Stop() {
    if (wakeFd_ < 0) return;
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t w = write(wakeFd_, &one, sizeof one);
    if (worker_.joinable()) worker_.join();
    close(wakeFd_);
    wakeFd_ = -1;
}

}  // namespace comm
