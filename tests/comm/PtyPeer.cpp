#include "PtyPeer.h"

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace commtest {

PtyPeer::PtyPeer() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    path_ = name;
    termios t{};
    tcgetattr(slave_, &t);
    cfmakeraw(&t);
    tcsetattr(slave_, TCSANOW, &t);
}

PtyPeer::~PtyPeer() {
    Unplug();
    if (slave_ >= 0) close(slave_);
}

void PtyPeer::Start(Mode mode) {
    thread_ = std::thread([this, mode] { Serve(mode); });
}

void PtyPeer::Serve(Mode mode) {
    const auto answer = [this, mode](const Frame& f) {
        const Frame reply = ReplyTo(f);
        if (mode == Mode::Answer) (void)!write(master_, reply.data(), reply.size());
        if (mode == Mode::Short) (void)!write(master_, reply.data(), 6);
    };
    while (!stop_) {
        pollfd p{master_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0) continue;
        uint8_t buf[64];
        const ssize_t r = read(master_, buf, sizeof buf);
        if (r > 0) log_.Feed(buf, static_cast<size_t>(r), answer);
    }
}

int PtyPeer::WaitQueued(int n, std::chrono::milliseconds wait) const {
    const auto end = std::chrono::steady_clock::now() + wait;
    int queued = 0;
    for (;;) {
        ioctl(slave_, FIONREAD, &queued);
        if (queued >= n || std::chrono::steady_clock::now() >= end) return queued;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void PtyPeer::Write(const std::vector<uint8_t>& bytes) {
    (void)!write(master_, bytes.data(), bytes.size());
}

void PtyPeer::Unplug() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (master_ >= 0) close(master_);
    master_ = -1;
}

}  // namespace commtest
