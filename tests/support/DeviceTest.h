// The GoogleTest side of DeviceHarness: a test fixture whose harness the test creates with
// the options it needs, and the skips for tests that only the simulator can serve.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <vector>

#include "devsim/Device.h"
#include "support/DeviceHarness.h"

namespace testsupport {

inline void PrintTo(Link link, std::ostream* os) {
    *os << (link == Link::Tcp ? "TCP/IP" : link == Link::Usb ? "USB" : "RS485");
}

class DeviceTest : public ::testing::Test {
  protected:
    // Creates the harness; fails the test when the devices could not be set up.
    DeviceHarness& Start(const DeviceOptions& options = {}) {
        harness_ = std::make_unique<DeviceHarness>(options);
        EXPECT_TRUE(harness_->Ok()) << harness_->Error();
        return *harness_;
    }
    DeviceHarness& H() { return *harness_; }
    State& S() { return *harness_->state; }

    // The requests simulated device k received since its log was last cleared.
    std::vector<std::vector<uint8_t>> Requests(size_t k = 0) {
        std::vector<std::vector<uint8_t>> frames;
        for (const auto& logged : H().Device(k).Log()) {
            frames.emplace_back(logged.request.begin(), logged.request.end());
        }
        return frames;
    }
    // The request frame with code and data bytes d0... to the device of slot (TCP/IP address).
    static std::vector<uint8_t> Frame(int16_t slot, uint8_t code,
                                      const std::vector<uint8_t>& data) {
        std::vector<uint8_t> f(13, 0);
        f[0] = 0xF0;
        f[1] = 0x46;
        f[2] = static_cast<uint8_t>(slot);
        f[3] = code;
        std::copy(data.begin(), data.end(), f.begin() + 4);
        f[12] = 0xF7;
        return f;
    }

    std::unique_ptr<DeviceHarness> harness_;
};

}  // namespace testsupport

// Skips the test unless the simulator serves it (fault injection, simulator memory).
#define VX_REQUIRE_SIMULATOR(harness)                                           \
    do {                                                                        \
        if ((harness).External()) GTEST_SKIP() << "needs the device simulator"; \
    } while (0)

// Skips the test unless its devices are on the link it is written for.
#define VX_REQUIRE_LINK(harness, wanted)                                                      \
    do {                                                                                      \
        if ((harness).GetLink() != (wanted)) GTEST_SKIP() << "the device is on another link"; \
    } while (0)
