#include "devsim/Bus.h"

namespace devsim {

Device* Bus::Find(uint8_t address) const {
    const auto it = devices_.find(address);
    return it == devices_.end() ? nullptr : it->second;
}

std::vector<uint8_t> Bus::Addresses() const {
    std::vector<uint8_t> addresses;
    for (const auto& [address, device] : devices_) addresses.push_back(address);
    return addresses;
}

}  // namespace devsim
