// The phase rule of the response curves and the numeric helpers every response shares.
//
// Phase convention. A phase is in the graph's degrees: radians times DegPerRad, with a
// half-turn of Pi radians (180.000026 of these degrees). Each term of a response (an
// equaliser band, a first-order term, a second-order section, the delay) has the continuous
// phase of its analog prototype H(j f / f0) along rising frequency, counted from its
// low-frequency end: 0 for equaliser bands, low-pass terms and the delay, +90 degrees per
// order for high-pass terms. A rational term is evaluated from the tangent num / den of its
// phase: the arc tangent of the ratio plus the half-turn that the signs of num and den (its
// quadrant) call for. Every such term stays within one turn, so its quadrant alone fixes its
// phase at each point: nothing is carried from point to point or from one sweep to the next,
// and a curve is the same whatever was computed before it and in whatever order.
// Cascades and channel totals are sums of term phases and stay unfolded; only a phase total
// that is shown gets the polarity's -180 and the fold into -180..+180 (FoldPhase180).
#pragma once

#include <cmath>

namespace editor {

// The literals the curves are computed with; their product is 180.000026.
inline constexpr double DegPerRad = 57.2957877855694;
inline constexpr double Pi = 3.1415926535;
// A phase denominator of exactly 0 is replaced by this before the division.
inline constexpr double ZeroGuard = 1e-17;

// The phase folded into -180..+180 by whole turns of 360; +180 and -180 stay as they are.
// A value that is not finite is returned unchanged.
double FoldPhase180(double x);

// Phase in radians of a term whose tangent is num / den and whose phase lies within one
// turn around 0: arctan(num / den), plus Pi when den < 0 and num >= 0, minus Pi when den < 0
// and num < 0.
inline double QuadrantPhase(double num, double den) {
    if (den == 0) den = ZeroGuard;
    const double a = std::atan(num / den);
    if (den >= 0) return a;
    return num < 0 ? a - Pi : a + Pi;
}

// First-order low-pass 1 / (1 + s) and high-pass s / (1 + s) at s = j f / fc, in degrees.
inline double CalcPhase1stLP(double f, double fc) {
    return std::atan(-(f / fc)) * DegPerRad;
}
inline double CalcPhase1stHP(double f, double fc) {
    return (Pi / 2 + std::atan(-(f / fc))) * DegPerRad;
}

// Second-order low-pass 1 / (s^2 + s/q + 1) and high-pass s^2 / (s^2 + s/q + 1) at
// s = j f / f0, in degrees: 0 to -180 and +180 to 0, -90 and +90 at f0.
inline double CalcPhase2ndLP(double q, double f, double f0) {
    const double w = f / f0;
    return QuadrantPhase(-(w / q), 1 - w * w) * DegPerRad;
}
inline double CalcPhase2ndHP(double q, double f, double f0) {
    const double w = f / f0;
    return (QuadrantPhase(-(w / q), 1 - w * w) + Pi) * DegPerRad;
}

}  // namespace editor
