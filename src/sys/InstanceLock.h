// Single running copy of the program: the first process holds a lock file and listens on a
// socket beside it; a second process finds the lock taken and asks the first to come to the
// front through the socket.
#pragma once

#include <string>

namespace sys {

class InstanceLock {
  public:
    // name: a short identifier; the files live in $XDG_RUNTIME_DIR (else /tmp) and carry
    // the user id, so two users don't exclude each other.
    explicit InstanceLock(const std::string& name);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // True when this process is the only running copy (it now holds the lock).
    bool Acquired() const { return lockFd_ >= 0 && acquired_; }
    // From a second copy: asks the running one to restore and activate its window.
    bool RequestActivation() const;
    // In the running copy: the socket a GUI can watch; TakeActivationRequests() reads it.
    int ActivationFd() const { return listenFd_; }
    // Number of activation requests that arrived since the last call (never blocks).
    int TakeActivationRequests();

  private:
    std::string lockPath_;
    std::string sockPath_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    bool acquired_ = false;
};

}  // namespace sys
