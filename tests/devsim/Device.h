// One simulated processor: its state behind a mutex, its fault rules and its frame log. The
// transports call Serve from their own threads; tests read and change the device meanwhile.
#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "devsim/DeviceState.h"
#include "devsim/Faults.h"
#include "devsim/Frame.h"

namespace devsim {

enum class Transport { Tcp, Serial };

struct LoggedFrame {
    Frame request;
    std::vector<uint8_t> reply;  // as it went back; empty when nothing did
    Transport transport;
};

class Device {
  public:
    static constexpr size_t kLogLimit = 100000;  // older entries are dropped

    Device() = default;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // Carries out a request that reached the device, applies the fault rules and logs it. On a
    // serial link the send-only codes get no answer.
    Answer Serve(const Frame& request, Transport transport);
    // The same as over TCP; the reply when a whole 13-byte one comes back.
    std::optional<Frame> Handle(const Frame& request);

    uint8_t Peek(int addr) const;
    std::vector<uint8_t> Read(int addr, int count) const;
    void Write(int addr, const std::vector<uint8_t>& bytes);
    uint8_t ImageByte(int imageAddr) const { return Peek(WorkingAddr(imageAddr)); }
    void SetName(const std::string& name);  // blank padded or cut to 16 characters

    DeviceState State() const;  // a snapshot
    void Update(const std::function<void(DeviceState&)>& change);

    void AddFault(const FaultRule& rule);
    void ClearFaults();

    std::vector<LoggedFrame> Log() const;
    void ClearLog();
    int FrameCount() const;  // frames received since the start

  private:
    mutable std::mutex mutex_;
    DeviceState state_;
    Faults faults_;
    std::deque<LoggedFrame> log_;
    int frames_ = 0;
};

}  // namespace devsim
