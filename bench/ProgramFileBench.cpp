// Loading a program file into one device over the simulated serial line at the pace of 57600
// baud: the time of the whole load (file read, image applied to the editor, every parameter
// sent between the bulk-update frames) against the time its frames take on the wire (13
// bytes out and 13 back a transaction, 10 bits a byte). The ratio counter is the figure to
// watch; 1.0 is the line's own limit.
#include <benchmark/benchmark.h>

#include <chrono>

#include "WireRatio.h"
#include "devsim/Device.h"
#include "programs/ProgramFiles.h"
#include "project/Connect.h"
#include "project/DeviceWindows.h"
#include "support/DeviceHarness.h"

namespace {

void LoadProgramFileOverPacedLine(benchmark::State& bench) {
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
    if (s.DevList[slot].Online != 1) {
        bench.SkipWithError("the connect failed");
        return;
    }
    ModProject::OpenSpeakerEditor(s, slot);
    const std::string path = harness.home.File("bench.XPG");
    harness.host.ChooseFile(path);
    ModProg::SaveProgramToPC(s);

    vxbench::WireRatio ratio;
    for (auto _ : bench) {
        const int before = harness.Device().FrameCount();
        harness.host.ChooseFile(path);
        const auto start = std::chrono::steady_clock::now();
        ModProg::LoadProgramFromPC(s);
        const auto end = std::chrono::steady_clock::now();
        const int frames = harness.Device().FrameCount() - before;
        ratio.Add(bench, std::chrono::duration<double, std::micro>(end - start).count(), frames);
    }
    ratio.Report(bench);
}

BENCHMARK(LoadProgramFileOverPacedLine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
