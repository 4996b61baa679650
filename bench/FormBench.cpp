// Building and closing a window with many controls: labels in frames, as the editor has them,
// declared both before and after their containers. Closing is expected to grow linearly with
// the number of controls (see the complexity the benchmark reports).
#include <benchmark/benchmark.h>

#include <memory>

#include "ui/ControlArray.h"
#include "ui/Controls.h"
#include "ui/Form.h"
#include "ui/HeadlessHost.h"

namespace {

class ManyControls : public ui::Form {
  public:
    ManyControls(ui::Host& host, int16_t count) : ui::Form(host, "ManyControls") {
        for (int16_t f = 0; f * 16 < count; ++f) Frames.Load(f);
        for (int16_t i = 0; i < count; ++i) {
            Inner.Load(i).SetContainer(&Frames(static_cast<int16_t>(i / 16)));
            Outer.Load(i).SetContainer(&Frames(static_cast<int16_t>((count - 1 - i) / 16)));
        }
    }

    ui::ControlArray<ui::Label> Outer{*this, "Outer"};
    ui::ControlArray<ui::Frame> Frames{*this, "Frames"};
    ui::ControlArray<ui::Label> Inner{*this, "Inner"};
};

void BM_CloseManyControls(benchmark::State& state) {
    ui::HeadlessHost host;
    const auto count = static_cast<int16_t>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto form = std::make_unique<ManyControls>(host, count);
        state.ResumeTiming();
        form.reset();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_CloseManyControls)
    ->RangeMultiplier(4)
    ->Range(256, 16384)
    ->Complexity()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
