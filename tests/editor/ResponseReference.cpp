#include "ResponseReference.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace reftest {

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;
const Complex J(0, 1);

Complex Lp1(double w) {
    return 1.0 / (1.0 + J * w);
}
Complex Hp1(double w) {
    return J * w / (1.0 + J * w);
}
Complex Lp2(double w, double q) {
    const Complex s = J * w;
    return 1.0 / (s * s + s / q + 1.0);
}
Complex Hp2(double w, double q) {
    const Complex s = J * w;
    return s * s / (s * s + s / q + 1.0);
}

Prototype Stage(std::function<Complex(double)> h, double lowPhase) {
    return {std::move(h), lowPhase, 0};
}

// Butterworth of order n (1..4) as first-order and second-order stages with the given
// quality factors (q[0] for order 2 and 3, q[0] and q[1] for order 4).
Prototype Butterworth(int n, bool hp, double fc, const std::vector<double>& q) {
    std::vector<Prototype> parts;
    if (n % 2 == 1) {
        parts.push_back(hp ? Stage([fc](double f) { return Hp1(f / fc); }, std::numbers::pi / 2)
                           : Stage([fc](double f) { return Lp1(f / fc); }, 0));
    }
    for (int k = 0; k < n / 2; ++k) {
        const double qk = q[k];
        parts.push_back(hp ? Stage([fc, qk](double f) { return Hp2(f / fc, qk); }, std::numbers::pi)
                           : Stage([fc, qk](double f) { return Lp2(f / fc, qk); }, 0));
    }
    return Product(parts);
}

Prototype Bessel(int stages, bool hp, double fc, double k) {
    Prototype one = hp ? Stage(
                             [fc, k](double f) {
                                 const Complex s = J * (f * k / fc);
                                 return 3.0 * s * s / (3.0 * s * s + 3.0 * s + 1.0);
                             },
                             std::numbers::pi)
                       : Stage(
                             [fc, k](double f) {
                                 const Complex s = J * (f / (k * fc));
                                 return 3.0 / (s * s + 3.0 * s + 3.0);
                             },
                             0);
    return stages == 1 ? one : Product({one, one});
}

double ExactButterworthQ(int n, int k) {
    return 1 / (2 * std::sin((2 * k + 1) * std::numbers::pi / (2 * n)));
}

Prototype Xover(int code, bool hp, double fc, bool exact) {
    const double q2 = exact ? ExactButterworthQ(2, 0) : 0.707;
    const double q4a = exact ? ExactButterworthQ(4, 0) : 1.307;
    const double q4b = exact ? ExactButterworthQ(4, 1) : 0.541;
    switch (code) {
        case 1:
            return Butterworth(1, hp, fc, {});
        case 2:
            return Butterworth(2, hp, fc, {q2});
        case 3:
            return Product({Butterworth(1, hp, fc, {}), Butterworth(1, hp, fc, {})});
        case 4:
            return Bessel(1, hp, fc, 0.52);
        case 5:
            return Butterworth(3, hp, fc, {1.0});
        case 6:
            return Butterworth(4, hp, fc, {q4a, q4b});
        case 7:
            return Product({Butterworth(2, hp, fc, {q2}), Butterworth(2, hp, fc, {q2})});
        case 8:
            return Bessel(2, hp, fc, 0.649);
        default:
            return Stage([](double) { return Complex(1, 0); }, 0);
    }
}

}  // namespace

Prototype Product(const std::vector<Prototype>& parts) {
    Prototype p;
    p.h = [parts](double f) {
        Complex h(1, 0);
        for (const auto& part : parts) h *= part.h(f);
        return h;
    };
    for (const auto& part : parts) {
        p.lowPhase += part.lowPhase;
        p.delay += part.delay;
    }
    return p;
}

const std::vector<double>& Grid() {
    static const std::vector<double> grid = [] {
        std::vector<double> g;
        for (int i = 0; i < 576; ++i) g.push_back(20 * std::pow(10.0, 3.0 * i / 575));
        return g;
    }();
    return grid;
}

std::vector<double> MagDb(const Prototype& p) {
    std::vector<double> out;
    for (double f : Grid()) out.push_back(20 * std::log10(std::abs(p.h(f))));
    return out;
}

std::vector<double> PhaseDeg(const Prototype& p) {
    double f = Grid()[0] * 1e-5;
    double phase = std::arg(p.h(f));
    phase += TwoPi * std::round((p.lowPhase - phase) / TwoPi);
    std::vector<double> out;
    for (double target : Grid()) {
        // Steps of at most 0.2 % in frequency, and short enough that a delay turns by at most
        // an eighth of a turn per step.
        const double span = std::log(target / f);
        const int steps = std::max({1, static_cast<int>(std::ceil(span / std::log(1.002))),
                                    static_cast<int>(std::ceil(8 * p.delay * target * span))});
        for (int k = 1; k <= steps; ++k) {
            const double fk = k == steps ? target : f * std::exp(span * k / steps);
            const double a = std::arg(p.h(fk));
            phase = a + TwoPi * std::round((phase - a) / TwoPi);
        }
        f = target;
        out.push_back(phase * Deg);
    }
    return out;
}

Prototype EqBand(int type, double gainDb, double f0, double q) {
    const double a = std::pow(10.0, gainDb / 40);
    const double r = std::sqrt(a) / q;
    return Stage(
        [=](double f) {
            const Complex s = J * (f / f0);
            if (type == 0) return (s * s + a / q * s + 1.0) / (s * s + s / (a * q) + 1.0);
            if (type == 1) return a * (a * s * s + r * s + 1.0) / (s * s + r * s + a);
            return a * (s * s + r * s + a) / (a * s * s + r * s + 1.0);
        },
        0);
}

Prototype XoverMag(int code, bool highPass, double fc) {
    return Xover(code, highPass, fc, true);
}

Prototype XoverPhase(int code, bool highPass, double fc) {
    return Xover(code, highPass, fc, false);
}

Prototype Delay(int32_t d) {
    const double t = d / 48000.0;
    return {[t](double f) { return std::exp(-J * (TwoPi * f * t)); }, 0, std::abs(t)};
}

double Fold(double deg) {
    double x = std::fmod(deg, 360.0);
    if (x > 180) x -= 360;
    if (x < -180) x += 360;
    return x;
}

double CircleDistance(double a, double b) {
    return std::abs(Fold(a - b));
}

}  // namespace reftest
