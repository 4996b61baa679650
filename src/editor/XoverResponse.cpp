#include "editor/XoverResponse.h"

#include <cmath>

#include "editor/PhaseRule.h"
#include "editor/RangeGuard.h"

namespace editor {

namespace {

constexpr double BesselK12 = 0.52;
constexpr double BesselK24 = 0.649;
constexpr double Sqrt3 = 1.7320508075688772;
constexpr double BesselQ = 1 / Sqrt3;

// Butterworth magnitude in dB of order n at w = f / fc (low-pass) or w = fc / f (high-pass).
double ButterworthDb(double w, int n) {
    const double w2 = w * w;
    double p = w2;
    for (int k = 1; k < n; ++k) p *= w2;
    return -10 * std::log10(1 + p);
}

// 3 / (s^2 + 3s + 3) at s = j x, in dB.
double BesselLowDb(double x) {
    const double x2 = x * x;
    return 20 * std::log10(3.0) - 10 * std::log10((3 - x2) * (3 - x2) + 9 * x2);
}

// 3s^2 / (3s^2 + 3s + 1) at s = j y, in dB.
double BesselHighDb(double y) {
    const double y2 = y * y;
    return 20 * std::log10(3 * y2) - 10 * std::log10((1 - 3 * y2) * (1 - 3 * y2) + 9 * y2);
}

}  // namespace

XoverResponse::XoverResponse(int16_t type, bool highPass, double fc)
    : type_(type), highPass_(highPass), fc_(KeepInRange(fc, 20, 20000)) {}

ResponsePoint XoverResponse::At(double f) const {
    const bool hp = highPass_;
    const double fc = fc_;
    const double w = hp ? fc / f : f / fc;
    const auto first = [&] { return hp ? CalcPhase1stHP(f, fc) : CalcPhase1stLP(f, fc); };
    const auto second = [&](double q, double f0) {
        return hp ? CalcPhase2ndHP(q, f, f0) : CalcPhase2ndLP(q, f, f0);
    };
    // A Bessel stage with frequency factor k: magnitude and phase of the same polynomial.
    const auto bessel = [&](double k) {
        return hp ? ResponsePoint{BesselHighDb(f * k / fc), second(BesselQ, fc / (Sqrt3 * k))}
                  : ResponsePoint{BesselLowDb(f / (k * fc)), second(BesselQ, Sqrt3 * k * fc)};
    };
    switch (type_) {
        case XoButtw6:
            return {ButterworthDb(w, 1), first()};
        case XoButtw12:
            return {ButterworthDb(w, 2), second(0.707, fc)};
        case XoLRiley12: {
            const double p = first();
            return {2 * ButterworthDb(w, 1), p + p};
        }
        case XoBessel12:
            return bessel(BesselK12);
        case XoButtw18:
            return {ButterworthDb(w, 3), first() + second(1.0, fc)};
        case XoButtw24:
            return {ButterworthDb(w, 4), second(1.307, fc) + second(0.541, fc)};
        case XoLRiley24: {
            const double p = second(0.707, fc);
            return {2 * ButterworthDb(w, 2), p + p};
        }
        case XoBessel24: {
            const ResponsePoint stage = bessel(BesselK24);
            return {2 * stage.mag, stage.phase + stage.phase};
        }
        default:  // bypass, or a code no filter has
            return {};
    }
}

}  // namespace editor
