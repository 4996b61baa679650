// The device end of a pseudo-terminal: the port under test opens Path(), a thread here reads
// its frames from the master side and answers them.
#pragma once

#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "Frames.h"

namespace commtest {

class PtyPeer {
  public:
    enum class Mode { Answer, Silent, Short };

    PtyPeer() {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        path_ = name;
        termios t{};
        tcgetattr(slave_, &t);
        cfmakeraw(&t);
        tcsetattr(slave_, TCSANOW, &t);
    }
    ~PtyPeer() {
        Unplug();
        if (slave_ >= 0) close(slave_);
    }
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& Path() const { return path_; }
    void Start(Mode mode) {
        thread_ = std::thread([this, mode] { Serve(mode); });
    }
    // The frames read so far, after waiting up to wait for at least n of them.
    std::vector<Frame> WaitFrames(size_t n, std::chrono::milliseconds wait) {
        return log_.WaitFrames(n, wait);
    }
    // Bytes from the device that nobody has read yet, after waiting up to wait for n.
    int WaitQueued(int n, std::chrono::milliseconds wait) const {
        const auto end = std::chrono::steady_clock::now() + wait;
        int queued = 0;
        for (;;) {
            ioctl(slave_, FIONREAD, &queued);
            if (queued >= n || std::chrono::steady_clock::now() >= end) return queued;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }
    void Write(const std::vector<uint8_t>& bytes) {
        (void)!write(master_, bytes.data(), bytes.size());
    }
    // Pulls the plug: the master side closes and the port hangs up.
    void Unplug() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (master_ >= 0) close(master_);
        master_ = -1;
    }

  private:
    void Serve(Mode mode) {
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

    int master_ = -1;
    int slave_ = -1;  // kept open so the master never reads a hang-up between port opens
    std::string path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    FrameLog log_;
};

}  // namespace commtest
