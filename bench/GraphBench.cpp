// One output's full response recompute (five bands, two crossover filters, delay, 576
// points, totals) beside a plain loop that evaluates the same transfer functions with
// std::complex into arrays of the same shape; then the same recompute as the editor window
// runs it, drawing the output's picture while it computes (background and 576 segments). The
// "ratio" counters are recompute / plain loop and recompute with redraw / plain loop.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cmath>
#include <complex>
#include <functional>
#include <memory>
#include <numbers>

#include "app/Wiring.h"
#include "editor/FrmCtrl.h"
#include "editor/OutputResponse.h"
#include "editor/senders/OutEqUtilities.h"
#include "model/ModelState.h"
#include "model/ResponseGrid.h"
#include "state/GraphState.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

using Complex = std::complex<double>;
constexpr double Deg = 57.2957877855694;
constexpr int Points = model::GraphPoints;
constexpr int16_t Dev = 3;
constexpr int16_t Out = 2;

struct Band {
    int16_t type;
    double gain, f0, q;
};
constexpr std::array<Band, 5> Bands = {
    {{0, 6, 100, 1.4}, {1, -3, 5000, 0.7}, {2, 4, 80, 0.7}, {0, -8, 2500, 4}, {0, 3, 12000, 2}}};
constexpr double HighPassFc = 80;   // "LRiley -24dB"
constexpr double LowPassFc = 3000;  // "Buttw -24dB"
constexpr int32_t Delay = 264;

// The bands, filters and delay of output Out of slot Dev.
void Configure(model::ModelState& ms) {
    auto& dp = ms.DevParam[Dev];
    for (int b = 0; b < 5; ++b) {
        const int n = 5 * Out + b;
        ms.EqOutType[Dev][n] = Bands[b].type;
        dp.OutEqGain()[n] = Bands[b].gain;
        dp.OutEqFreq()[n] = Bands[b].f0;
        dp.OutEqQ()[n] = Bands[b].q;
    }
    dp.XoverType()[2 * Out] = 7;
    dp.XoverFreq()[2 * Out] = HighPassFc;
    dp.XoverType()[2 * Out + 1] = 6;
    dp.XoverFreq()[2 * Out + 1] = LowPassFc;
    ms.OutDelaySamples[Dev][Out] = Delay;
}

struct OutputBench {
    OutputBench() { Configure(*ms); }
    std::unique_ptr<model::ModelState> ms = std::make_unique<model::ModelState>();
    editor::GraphState gs;
};

// The editor window of slot Dev with output Out's picture at the default scale, "Mag" shown.
struct EditorBench {
    EditorBench() {
        Configure(*s);
        s->CurDev = Dev;
        FrmCtrl& f = FrmCtrlOf(*s, Dev);
        s->UiUpdating = true;
        f.UpDown4(Out).SetValue(1);
        f.UpDown5(Out).SetValue(12);
        s->UiUpdating = false;
        f.SetOffset(Out);
        picture = &f.Picture1(Out);
    }
    void RecomputeAndRedraw() { ModFun::CalcGraphEqCh(*s, Out); }

    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
    const ui::PictureBox* picture = nullptr;
};

void RecomputeOutput(OutputBench& b) {
    editor::ComputeOutput(b.gs, *b.ms, Dev, Out, editor::GraphView::Mag);
}

struct PlainCurves {
    std::array<std::array<double, Points>, 7> mag{}, phase{};
    std::array<double, Points> delay{}, magTotal{}, phaseTotal{};
};

// A band's prototype with its gain factors worked out once.
struct PlainBand {
    explicit PlainBand(const Band& b)
        : type(b.type), f0(b.f0), q(b.q), a(std::pow(10.0, b.gain / 40)), r(std::sqrt(a) / q) {}
    Complex H(Complex s) const {
        if (type == 0) return (s * s + a / q * s + 1.0) / (s * s + s / (a * q) + 1.0);
        if (type == 1) return a * (a * s * s + r * s + 1.0) / (s * s + r * s + a);
        return a * (s * s + r * s + a) / (a * s * s + r * s + 1.0);
    }
    int16_t type;
    double f0, q, a, r;
};

Complex Section(Complex s, double q, bool highPass) {
    const Complex d = s * s + s / q + 1.0;
    return highPass ? s * s / d : 1.0 / d;
}

void PlainLoop(PlainCurves& c) {
    const Complex j(0, 1);
    const std::array<PlainBand, 5> bands = {PlainBand(Bands[0]), PlainBand(Bands[1]),
                                            PlainBand(Bands[2]), PlainBand(Bands[3]),
                                            PlainBand(Bands[4])};
    for (int i = 0; i < Points; ++i) {
        const double f = model::GridFreq[i];
        for (int b = 0; b < 5; ++b) {
            const Complex h = bands[b].H(j * (f / bands[b].f0));
            c.mag[b][i] = 20 * std::log10(std::abs(h));
            c.phase[b][i] = std::arg(h) * Deg;
        }
        const Complex hp = Section(j * (f / HighPassFc), 0.707, true);
        c.mag[5][i] = 2 * 20 * std::log10(std::abs(hp));
        c.phase[5][i] = 2 * std::arg(hp) * Deg;
        const Complex lp1 = Section(j * (f / LowPassFc), 1.307, false);
        const Complex lp2 = Section(j * (f / LowPassFc), 0.541, false);
        c.mag[6][i] = 20 * std::log10(std::abs(lp1 * lp2));
        c.phase[6][i] = (std::arg(lp1) + std::arg(lp2)) * Deg;
        c.delay[i] = -2 * std::numbers::pi * f * Delay / 48000 * Deg;
        double mag = 0, phase = c.delay[i];
        for (int t = 0; t < 7; ++t) {
            mag += c.mag[t][i];
            phase += c.phase[t][i];
        }
        c.magTotal[i] = mag;
        c.phaseTotal[i] = phase;
    }
}

void BM_OutputRecompute(benchmark::State& state) {
    OutputBench b;
    for (auto _ : state) {
        RecomputeOutput(b);
        benchmark::DoNotOptimize(b.gs.Curves(Dev).OutPhaseTotal[Out][Points - 1]);
    }
}
BENCHMARK(BM_OutputRecompute)->Unit(benchmark::kMicrosecond);

// The same output as the editor's edits reach it: one sweep per band and filter.
void BM_OutputRecomputeTermByTerm(benchmark::State& state) {
    OutputBench b;
    for (auto _ : state) {
        for (int16_t n = 5 * Out; n < 5 * Out + 5; ++n)
            editor::ComputeEqOutBand(b.gs, *b.ms, Dev, n, editor::GraphView::Mag);
        for (int16_t n = 2 * Out; n < 2 * Out + 2; ++n)
            editor::ComputeXover(b.gs, *b.ms, Dev, n, editor::GraphView::Mag);
        benchmark::DoNotOptimize(b.gs.Curves(Dev).OutPhaseTotal[Out][Points - 1]);
    }
}
BENCHMARK(BM_OutputRecomputeTermByTerm)->Unit(benchmark::kMicrosecond);

void BM_PlainComplexLoop(benchmark::State& state) {
    auto c = std::make_unique<PlainCurves>();
    for (auto _ : state) {
        PlainLoop(*c);
        benchmark::DoNotOptimize(c->phaseTotal[Points - 1]);
    }
}
BENCHMARK(BM_PlainComplexLoop)->Unit(benchmark::kMicrosecond);

// ours and the plain loop, alternately in each iteration so that they share the machine's
// state; the counters give both times and their ratio.
void AgainstPlainLoop(benchmark::State& state, const std::function<void()>& ours) {
    using Clock = std::chrono::steady_clock;
    auto c = std::make_unique<PlainCurves>();
    std::chrono::duration<double> oursTime{0}, plainTime{0};
    for (auto _ : state) {
        const auto t0 = Clock::now();
        ours();
        const auto t1 = Clock::now();
        PlainLoop(*c);
        const auto t2 = Clock::now();
        oursTime += t1 - t0;
        plainTime += t2 - t1;
        benchmark::DoNotOptimize(c->phaseTotal[Points - 1]);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["ours_us"] = oursTime.count() / n * 1e6;
    state.counters["plain_us"] = plainTime.count() / n * 1e6;
    state.counters["ratio"] = oursTime.count() / plainTime.count();
}

void BM_RecomputeAgainstPlainLoop(benchmark::State& state) {
    OutputBench b;
    AgainstPlainLoop(state, [&] {
        RecomputeOutput(b);
        benchmark::DoNotOptimize(b.gs.Curves(Dev).OutPhaseTotal[Out][Points - 1]);
    });
}
BENCHMARK(BM_RecomputeAgainstPlainLoop)->Unit(benchmark::kMicrosecond);

void BM_OutputRecomputeAndRedraw(benchmark::State& state) {
    EditorBench b;
    for (auto _ : state) {
        b.RecomputeAndRedraw();
        benchmark::DoNotOptimize(b.picture->DisplayList().back().y2);
    }
}
BENCHMARK(BM_OutputRecomputeAndRedraw)->Unit(benchmark::kMicrosecond);

// The recompute with its redraw as the editor runs it.
void BM_RedrawAgainstPlainLoop(benchmark::State& state) {
    EditorBench b;
    AgainstPlainLoop(state, [&] {
        b.RecomputeAndRedraw();
        benchmark::DoNotOptimize(b.picture->DisplayList().back().y2);
    });
}
BENCHMARK(BM_RedrawAgainstPlainLoop)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
