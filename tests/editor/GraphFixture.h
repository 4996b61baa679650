// A model with one device's equaliser, crossover, delay and polarity settings, the graph
// state the response routines fill, and curve comparisons for the tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/AddressTables.h"
#include "model/ModelState.h"
#include "state/GraphState.h"

namespace graphtest {

struct GraphFixture {
    std::unique_ptr<model::ModelState> ms = std::make_unique<model::ModelState>();
    editor::GraphState gs;

    void SetOutBand(int16_t dev, int n, int16_t type, double gain, double f0, double q) {
        auto& dp = ms->DevParam[dev];
        ms->EqOutType[dev][n] = type;
        dp.OutEqGain()[n] = gain;
        dp.OutEqFreq()[n] = f0;
        dp.OutEqQ()[n] = q;
    }
    void SetInBand(int16_t dev, int b, double gain, double f0, double q) {
        auto& dp = ms->DevParam[dev];
        dp.InEqGain()[b] = gain;
        dp.InEqFreq()[b] = f0;
        dp.InEqQ()[b] = q;
    }
    void SetXover(int16_t dev, int n, double code, double fc) {
        ms->DevParam[dev].XoverType()[n] = code;
        ms->DevParam[dev].XoverFreq()[n] = fc;
    }
    // which 0 inputs, 1 outputs.
    void SetPolarity(int16_t dev, int which, int ch, bool inverted) {
        uint8_t& bits = ms->DevImage[dev].ProgImage[model::PolarityAddr[which]];
        bits = static_cast<uint8_t>(inverted ? bits | (1 << ch) : bits & ~(1 << ch));
    }
    const editor::DeviceCurves& Curves(int16_t dev) const { return gs.Curves(dev); }
};

// Every point of a stored curve within tol of the reference; reports the first point off.
inline ::testing::AssertionResult CurveNear(const editor::Curve& mine,
                                            const std::vector<double>& ref, double tol) {
    for (size_t i = 0; i < mine.size(); ++i) {
        if (!(std::abs(mine[i] - ref[i]) <= tol)) {
            return ::testing::AssertionFailure() << "point " << i << ": " << mine[i] << " against "
                                                 << ref[i] << " (tolerance " << tol << ")";
        }
    }
    return ::testing::AssertionSuccess();
}

}  // namespace graphtest
