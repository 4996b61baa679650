// The devices on one serial link, by address: a USB link has one device at address 0, an RS485
// bus one device per ID. Only the addressed device answers a frame.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "devsim/Device.h"

namespace devsim {

class Bus {
  public:
    // Attach every device before the bus is served; the devices must outlive the server.
    void Attach(uint8_t address, Device& device) { devices_[address] = &device; }
    Device* Find(uint8_t address) const;
    std::vector<uint8_t> Addresses() const;

  private:
    std::map<uint8_t, Device*> devices_;
};

}  // namespace devsim
