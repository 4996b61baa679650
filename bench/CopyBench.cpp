// Copying one output onto another over the simulated serial line at the pace of 57600 baud,
// against the time its frames take on the wire.
#include <benchmark/benchmark.h>

#include "PacedEditor.h"
#include "editor/senders/ChannelCopy.h"

namespace {

void CopyOutputOverPacedLine(benchmark::State& bench) {
    int16_t slot = 0;
    const auto harness = vxbench::PacedEditor(bench, slot);
    if (!harness) return;
    vxbench::WireRatio ratio;
    for (auto _ : bench) {
        vxbench::TimeRun(bench, *harness, ratio,
                         [&] { ModFun::CopyOutputChannel(*harness->state, 0, 1); });
    }
    ratio.Report(bench);
}

BENCHMARK(CopyOutputOverPacedLine)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
