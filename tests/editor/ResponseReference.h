// An independent reference for the response curves: every curve kind is evaluated as a
// complex transfer function H(j f / f0) with std::complex, its magnitude as 20 log10 |H| and
// its phase as arg H, unwrapped along a finely stepped sweep that starts far below the grid
// at the prototype's low-frequency phase. Nothing here uses the code under test.
#pragma once

#include <complex>
#include <cstdint>
#include <functional>
#include <vector>

namespace reftest {

using Complex = std::complex<double>;

// The graph's degrees per radian.
inline constexpr double Deg = 57.2957877855694;

// A transfer function of the frequency in Hz, the phase (radians) it tends to at 0 Hz, and
// the delay it contains (seconds), which sets the step of the unwrapping sweep.
struct Prototype {
    std::function<Complex(double f)> h;
    double lowPhase = 0;
    double delay = 0;
};

// The product of transfer functions.
Prototype Product(const std::vector<Prototype>& parts);

// The grid frequencies 20 * 10^(3i / 575), i = 0..575.
const std::vector<double>& Grid();

std::vector<double> MagDb(const Prototype& p);
std::vector<double> PhaseDeg(const Prototype& p);

// Equaliser band of type 0 peaking, 1 high shelf, 2 low shelf.
Prototype EqBand(int type, double gainDb, double f0, double q);

// Crossover filter by type code 0..8: the prototype of its magnitude (exact Butterworth
// quality factors) and the one its phase is built from (the rounded quality factors of the
// filter tables).
Prototype XoverMag(int code, bool highPass, double fc);
Prototype XoverPhase(int code, bool highPass, double fc);

// A delay of d samples at 48 kHz.
Prototype Delay(int32_t d);

// Phase folded into -180..+180, and the distance of two phases on the circle, in degrees.
double Fold(double deg);
double CircleDistance(double a, double b);

}  // namespace reftest
