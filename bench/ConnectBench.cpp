// Connecting one device over the simulated serial line at the pace of 57600 baud: the time
// of the whole connect against the time its frames take on the wire (13 bytes out and 13
// back a transaction, 10 bits a byte). The ratio counter is the figure to watch; 1.0 is the
// line's own limit.
#include <benchmark/benchmark.h>

#include <chrono>

#include "WireRatio.h"
#include "devsim/Device.h"
#include "project/Connect.h"
#include "support/DeviceHarness.h"

namespace {

void ConnectOverPacedLine(benchmark::State& bench) {
    vxbench::WireRatio ratio;
    for (auto _ : bench) {
        testsupport::DeviceOptions options;
        options.link = testsupport::Link::Usb;
        options.paced = true;
        testsupport::DeviceHarness harness(options);
        if (!harness.Ok() || harness.External()) {
            bench.SkipWithError(harness.External() ? "needs the simulator"
                                                   : harness.Error().c_str());
            return;
        }
        const int16_t slot = harness.AddDevice();
        const int before = harness.Device().FrameCount();

        const auto start = std::chrono::steady_clock::now();
        ModProject::ConnectDevice(*harness.state, slot);
        const auto end = std::chrono::steady_clock::now();

        if (harness.state->DevList[slot].Online != 1) {
            bench.SkipWithError("the connect failed");
            return;
        }
        const int frames = harness.Device().FrameCount() - before;
        ratio.Add(bench, std::chrono::duration<double, std::micro>(end - start).count(), frames);
    }
    ratio.Report(bench);
}

BENCHMARK(ConnectOverPacedLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
