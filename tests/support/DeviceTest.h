// The GoogleTest side of DeviceHarness: a test fixture whose harness the test creates with
// the options it needs, and the skips for tests that their device cannot serve.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "devsim/Device.h"
#include "support/DeviceHarness.h"

namespace testsupport {

inline void PrintTo(Link link, std::ostream* os) {
    *os << (link == Link::Tcp ? "TCP/IP" : link == Link::Usb ? "USB" : "RS485");
}

// Why the harness gives the test fewer devices than it asked for, or nothing when it gives them
// all: an outside device's link gives what it has, one device on USB.
inline std::optional<std::string> Unserved(const DeviceHarness& h) {
    if (h.DeviceCount() >= h.Asked()) return std::nullopt;
    std::ostringstream why;
    why << "another link: the test needs " << h.Asked() << " devices, the device on ";
    PrintTo(h.GetLink(), &why);
    why << " gives " << h.DeviceCount();
    return why.str();
}

class DeviceTest : public ::testing::Test {
  protected:
    // Creates the harness. The test ends here when the devices could not be set up (failed) or
    // are fewer than the options asked for (skipped), so that no test goes on to use a device
    // that is not there: every device k < options' count exists when Start returns.
    DeviceHarness& Start(const DeviceOptions& options = {}) {
        harness_ = std::make_unique<DeviceHarness>(options);
        if (!harness_->Ok()) {
            Fail(harness_->Error());
            LeaveTest();
        }
        if (const auto why = Unserved(*harness_)) {
            Skip(*why);
            LeaveTest();
        }
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

  private:
    static void Fail(const std::string& why) { GTEST_FAIL() << why; }
    static void Skip(const std::string& why) { GTEST_SKIP() << why; }
    // Leaves the test from wherever it is, its result recorded: GoogleTest takes an
    // AssertionException as a result it has already been told of, and still runs the tear-down.
    [[noreturn]] static void LeaveTest() {
        throw ::testing::AssertionException(
            ::testing::TestPartResult(::testing::TestPartResult::kSuccess, __FILE__, __LINE__, ""));
    }
};

// What a test needs that its device may not give.
enum class Need {
    FaultInjection,  // the simulator made to fail: an outside device cannot be
};

// Why the harness's device cannot serve a test, or nothing when it can. The reason starts with
// its category ("fault injection", "another link") and a colon, so that a run's skips can be
// grouped by it (scripts/test-device).
inline std::optional<std::string> Unserved(const DeviceHarness& h, Need) {
    if (!h.External()) return std::nullopt;
    return "fault injection: an outside device cannot be made to fail";
}
inline std::optional<std::string> Unserved(const DeviceHarness& h, Link wanted) {
    if (h.GetLink() == wanted) return std::nullopt;
    std::ostringstream why;
    why << "another link: the test is written for ";
    PrintTo(wanted, &why);
    why << ", the device is on ";
    PrintTo(h.GetLink(), &why);
    return why.str();
}

}  // namespace testsupport

// Skips the test, saying why, when its device cannot serve it: need is a testsupport::Need or
// the testsupport::Link the test is written for.
#define VX_REQUIRE(harness, need)                                          \
    do {                                                                   \
        if (const auto why = ::testsupport::Unserved((harness), (need))) { \
            GTEST_SKIP() << *why;                                          \
        }                                                                  \
    } while (0)

// The two needs by name: a test that injects faults, a test written for one link.
#define VX_REQUIRE_SIMULATOR(harness) VX_REQUIRE(harness, ::testsupport::Need::FaultInjection)
#define VX_REQUIRE_LINK(harness, wanted) VX_REQUIRE(harness, wanted)
