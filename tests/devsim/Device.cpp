#include "devsim/Device.h"

#include <algorithm>

#include "devsim/Commands.h"

namespace devsim {

Answer Device::Serve(const Frame& request, Transport transport) {
    std::lock_guard lock(mutex_);
    const uint8_t code = request[kCodePos];
    const Frame reply = Execute(state_, request);
    Answer answer;
    if (transport == Transport::Tcp || !IsSendOnlyOnSerial(code)) {
        answer.bytes.assign(reply.begin(), reply.end());
    }
    faults_.Apply(++frames_, code, answer);
    if (log_.size() == kLogLimit) log_.pop_front();
    log_.push_back({request, answer.bytes, transport});
    return answer;
}

std::optional<Frame> Device::Handle(const Frame& request) {
    const Answer answer = Serve(request, Transport::Tcp);
    if (answer.bytes.size() != kFrameSize) return std::nullopt;
    Frame reply;
    std::copy(answer.bytes.begin(), answer.bytes.end(), reply.begin());
    return reply;
}

uint8_t Device::Peek(int addr) const {
    std::lock_guard lock(mutex_);
    return addr >= 0 && addr < kMemorySize ? state_.memory[static_cast<size_t>(addr)] : 0;
}

std::vector<uint8_t> Device::Read(int addr, int count) const {
    std::lock_guard lock(mutex_);
    if (addr < 0 || count < 0 || addr >= kMemorySize) return {};
    const auto first = state_.memory.begin() + addr;
    return {first, first + std::min(count, kMemorySize - addr)};
}

void Device::Write(int addr, const std::vector<uint8_t>& bytes) {
    std::lock_guard lock(mutex_);
    for (size_t k = 0; k < bytes.size() && addr >= 0 && addr + k < kMemorySize; ++k) {
        state_.memory[addr + k] = bytes[k];
    }
}

void Device::SetName(const std::string& name) {
    std::string padded = name.substr(0, kNameLength);
    padded.resize(kNameLength, ' ');
    Write(kDeviceNameAddr, {padded.begin(), padded.end()});
}

DeviceState Device::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}

void Device::Update(const std::function<void(DeviceState&)>& change) {
    std::lock_guard lock(mutex_);
    change(state_);
}

void Device::AddFault(const FaultRule& rule) {
    std::lock_guard lock(mutex_);
    faults_.Add(rule);
}

void Device::ClearFaults() {
    std::lock_guard lock(mutex_);
    faults_.Clear();
}

std::vector<LoggedFrame> Device::Log() const {
    std::lock_guard lock(mutex_);
    return {log_.begin(), log_.end()};
}

void Device::ClearLog() {
    std::lock_guard lock(mutex_);
    log_.clear();
}

int Device::FrameCount() const {
    std::lock_guard lock(mutex_);
    return frames_;
}

}  // namespace devsim
