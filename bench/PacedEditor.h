// A simulated device on a serial line that keeps the pace of 57600 baud, connected, with its
// editor open, and the timing of work done on it against its frames' time on the wire.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "WireRatio.h"
#include "devsim/Device.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "state/State.h"
#include "support/DeviceHarness.h"

namespace vxbench {

// The harness with its device in slot; nullptr, with the benchmark skipped, when the device
// could not be set up or connected.
inline std::unique_ptr<testsupport::DeviceHarness> PacedEditor(benchmark::State& bench,
                                                               int16_t& slot) {
    testsupport::DeviceOptions options;
    options.link = testsupport::Link::Usb;
    options.paced = true;
    auto harness = std::make_unique<testsupport::DeviceHarness>(options);
    if (!harness->Ok() || harness->External()) {
        bench.SkipWithError(harness->External() ? "needs the simulator" : harness->Error().c_str());
        return nullptr;
    }
    State& s = *harness->state;
    slot = harness->AddDevice();
    ModProject::ConnectDevice(s, slot);
    if (s.DevList[slot].Online != 1) {
        bench.SkipWithError("the connect failed");
        return nullptr;
    }
    ModProject::OpenSpeakerEditor(s, slot);
    return harness;
}

// Times one run of work and counts it with the frames the device received meanwhile.
template <typename Work>
void TimeRun(benchmark::State& bench, testsupport::DeviceHarness& harness, WireRatio& ratio,
             Work work) {
    const int before = harness.Device().FrameCount();
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    ratio.Add(bench, std::chrono::duration<double, std::micro>(end - start).count(),
              harness.Device().FrameCount() - before);
}

}  // namespace vxbench
