// The device end of a pseudo-terminal: the port under test opens Path(), a thread here reads
// its frames from the master side and answers them.
#pragma once

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

    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& Path() const { return path_; }
    void Start(Mode mode);
    // The frames read so far, after waiting up to wait for at least n of them.
    std::vector<Frame> WaitFrames(size_t n, std::chrono::milliseconds wait) {
        return log_.WaitFrames(n, wait);
    }
    // Bytes from the device that nobody has read yet, after waiting up to wait for n.
    int WaitQueued(int n, std::chrono::milliseconds wait) const;
    void Write(const std::vector<uint8_t>& bytes);
    // Pulls the plug: the master side closes and the port hangs up.
    void Unplug();

  private:
    void Serve(Mode mode);

    int master_ = -1;
    int slave_ = -1;  // kept open so the master never reads a hang-up between port opens
    std::string path_;
    std::thread thread_;
    std::atomic<bool> stop_{false};
    FrameLog log_;
};

}  // namespace commtest
