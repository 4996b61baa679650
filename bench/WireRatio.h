// The time of a run over the simulated serial line against the time its frames take on the
// wire at 57600 baud (13 bytes out and 13 back a transaction, 10 bits a byte). The "ratio"
// counter is the figure to watch; 1.0 is the line's own limit.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

namespace vxbench {

class WireRatio {
  public:
    // One iteration that took us microseconds and made frames transactions.
    void Add(benchmark::State& state, double us, int frames) {
        state.SetIterationTime(us / 1e6);
        elapsedUs_ += us;
        wireUs_ += frames * kBytesPerTransaction * kByteTimeUs;
        transactions_ += frames;
    }
    void Report(benchmark::State& state) const {
        state.counters["transactions"] = benchmark::Counter(static_cast<double>(transactions_),
                                                            benchmark::Counter::kAvgIterations);
        state.counters["wire_ms"] =
            benchmark::Counter(wireUs_ / 1000, benchmark::Counter::kAvgIterations);
        state.counters["ratio"] = wireUs_ > 0 ? elapsedUs_ / wireUs_ : 0;
    }

  private:
    static constexpr double kByteTimeUs = 173.6;
    static constexpr int kBytesPerTransaction = 26;

    double wireUs_ = 0;
    double elapsedUs_ = 0;
    int64_t transactions_ = 0;
};

}  // namespace vxbench
