#include "devsim/PtyServer.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "devsim/FrameReader.h"

namespace devsim {

PtyServer::PtyServer(Bus& bus, bool paced) : bus_(bus), paced_(paced) {
    if (Open()) thread_ = std::thread([this] { Run(); });
}

PtyServer::~PtyServer() {
    stop_.Signal();
    if (thread_.joinable()) thread_.join();
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
}

bool PtyServer::Open() {
    char name[128] = {};
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    path_ = name;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    if (slave_ < 0 || tcgetattr(slave_, &tio) != 0) {
        error_ = "cannot open " + path_ + ": " + std::strerror(errno);
        return false;
    }
    cfmakeraw(&tio);
    tio.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&tio, B57600);
    cfsetospeed(&tio, B57600);
    tcsetattr(slave_, TCSANOW, &tio);
    return true;
}

void PtyServer::Run() {
    FrameReader reader;
    uint8_t buffer[256];
    while (WaitReady(master_, false, stop_, -1) > 0) {
        const ssize_t n = read(master_, buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) break;
        const Clock::time_point arrival = Clock::now();
        reader.Push(buffer, static_cast<size_t>(n));
        while (const auto frame = reader.Next()) {
            if (!Reply(*frame, arrival)) return;
        }
    }
}

// False when stopped. A frame for an address nobody has is only heard, as on a real bus.
bool PtyServer::Reply(const Frame& request, Clock::time_point arrival) {
    Device* device = bus_.Find(request[kAddressPos]);
    const Answer answer = device ? device->Serve(request, Transport::Serial) : Answer{};
    const auto delay = std::chrono::milliseconds(answer.delayMs);
    Clock::time_point due = Clock::now() + delay;
    if (paced_) {
        const Clock::time_point requestEnd = std::max(arrival, lineFree_) + kFrameSize * kByteTime;
        due = requestEnd + delay + static_cast<int>(answer.bytes.size()) * kByteTime;
        lineFree_ = due;
    }
    if (answer.bytes.empty()) return !stop_.Signalled();
    if (stop_.WaitUntil(due)) return false;
    return Write(answer.bytes) || !stop_.Signalled();
}

bool PtyServer::Write(const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            if (WaitReady(master_, true, stop_, -1) < 0) return false;
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace devsim
