// Copying one output onto another over the simulated serial line at the pace of 57600 baud,
// against the time its frames take on the wire.
#include <benchmark/benchmark.h>

#include <chrono>

#include "WireRatio.h"
#include "devsim/Device.h"
#include "editor/FrmCtrl.h"
#include "link/ChannelCopy.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "support/DeviceHarness.h"

namespace {

void CopyOutputOverPacedLine(benchmark::State& bench) {
    testsupport::DeviceOptions options;
    options.link = testsupport::Link::Usb;
    options.paced = true;
    testsupport::DeviceHarness harness(options);
    if (!harness.Ok() || harness.External()) {
        bench.SkipWithError(harness.External() ? "needs the simulator" : harness.Error().c_str());
        return;
    }
    State& s = *harness.state;
    const int16_t slot = harness.AddDevice();
    ModProject::ConnectDevice(s, slot);
    ModProject::OpenSpeakerEditor(s, slot);
    if (s.DevList[slot].Online != 1 || ExistingFrmCtrl(s, slot) == nullptr) {
        bench.SkipWithError("the connect failed");
        return;
    }
    vxbench::WireRatio ratio;
    for (auto _ : bench) {
        const int before = harness.Device().FrameCount();
        const auto start = std::chrono::steady_clock::now();
        ModFun::CopyOutputChannel(s, 0, 1);
        const auto end = std::chrono::steady_clock::now();
        const int frames = harness.Device().FrameCount() - before;
        const double us = std::chrono::duration<double, std::micro>(end - start).count();
        ratio.Add(bench, us, frames);
    }
    ratio.Report(bench);
}

BENCHMARK(CopyOutputOverPacedLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
