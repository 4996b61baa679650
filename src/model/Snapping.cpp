#include "model/Snapping.h"

#include <cmath>
#include <string_view>

#include "model/ModelState.h"
#include "model/Tables.h"
#include "sys/Numeric.h"

namespace model {

namespace {

// Position in scan order of the entry nearest to x, entry(n) rising with n. The scan
// remembers the last entry below x and stops at the first entry not below it; a tie goes to
// the remembered (earlier) entry. Past the last entry the last one is the nearest.
template <typename Entry>
int NearestInScan(double x, int count, Entry entry) {
    int below = 0;
    for (int n = 0; n < count; ++n) {
        const double g = entry(n);
        if (g < x) {
            below = n;
            continue;
        }
        if (g == x) return n;
        return x - entry(below) <= g - x ? below : n;
    }
    return count - 1;
}

double GridValue(int count, double step, double first, double x) {
    const auto point = [&](int i) { return static_cast<double>(i) / step + first; };
    return point(NearestInScan(x, count, point));
}

// Table texts are compared by their value, converted as the editors convert typed text.
template <size_t N>
int16_t NearestText(const ModelState& ms, const std::array<std::string_view, N>& table, double x) {
    const auto value = [&](int n) {
        double v = 0;
        sys::ParseNumber(table[static_cast<size_t>(n)], ms.DecimalComma != 0, v);
        return v;
    };
    return static_cast<int16_t>(NearestInScan(x, static_cast<int>(N), value));
}

// Index of the nearest EqBwTab entry: the scan runs from index 96 (narrowest) to 0.
int NearestBandwidth(double x) {
    const int last = static_cast<int>(EqBwTab.size()) - 1;
    return last - NearestInScan(x, last + 1, [](int n) { return EqBwTab[EqBwTab.size() - 1 - n]; });
}

}  // namespace

double SnapGainDbIn(double x) {
    return GridValue(1391, 10, -127, x);
}
double SnapGainDbOut(double x) {
    return GridValue(1451, 10, -127, x);
}
double SnapThrDbu(double x) {
    return GridValue(241, 5, -30, x);
}
double SnapNgThr(double x) {
    return GridValue(81, 1, -80, x);
}

double SnapEqGain(double x) {
    return EqGainTab[NearestInScan(x, 49, [](int n) { return EqGainTab[n]; })];
}

int16_t SnapAttack(const ModelState& ms, double x) {
    return NearestText(ms, AttackTextFor(ms.DecimalComma), x);
}
int16_t SnapRelease(const ModelState& ms, double x) {
    return NearestText(ms, ReleaseText, x);
}
int16_t SnapNgAttack(const ModelState& ms, double x) {
    return NearestText(ms, NgAttackText, x);
}
int16_t SnapNgRelease(const ModelState& ms, double x) {
    return NearestText(ms, NgReleaseText, x);
}

int16_t SnapFeedbackFreq(double x) {
    return static_cast<int16_t>(NearestInScan(x, 13, [](int i) { return 2.0 + 0.5 * i; }));
}

int16_t SnapInputFilterFreq(double x) {
    return static_cast<int16_t>(
        NearestInScan(x, 31, [](int n) { return static_cast<double>(FreqTab31[n]); }));
}

double SnapQValue(double x) {
    return EqBwTab[NearestBandwidth(x)];
}
int16_t SnapQIndex(double x) {
    return static_cast<int16_t>(NearestBandwidth(x));
}

int16_t QToIndex(double q) {
    const double r = sys::Round((q - 0.4) / 0.1);
    if (std::isnan(r) || r < 0) return 0;
    if (r > 96) return 96;
    return static_cast<int16_t>(r);
}

}  // namespace model
