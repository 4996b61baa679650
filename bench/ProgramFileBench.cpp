// Loading a program file into one device over the simulated serial line at the pace of 57600
// baud: the time of the whole load (file read, image applied to the editor, every parameter
// sent between the bulk-update frames) against the time its frames take on the wire.
#include <benchmark/benchmark.h>

#include "PacedEditor.h"
#include "programs/ProgramFiles.h"

namespace {

void LoadProgramFileOverPacedLine(benchmark::State& bench) {
    int16_t slot = 0;
    const auto harness = vxbench::PacedEditor(bench, slot);
    if (!harness) return;
    State& s = *harness->state;
    const std::string path = harness->home.File("bench.XPG");
    harness->host.ChooseFile(path);
    ModProg::SaveProgramToPC(s);

    vxbench::WireRatio ratio;
    for (auto _ : bench) {
        harness->host.ChooseFile(path);
        vxbench::TimeRun(bench, *harness, ratio, [&] { ModProg::LoadProgramFromPC(s); });
    }
    ratio.Report(bench);
}

BENCHMARK(LoadProgramFileOverPacedLine)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
