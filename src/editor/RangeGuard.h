// Keeps a parameter within its range; NaN gives the lower end.
#pragma once

namespace editor {

inline double KeepInRange(double x, double lo, double hi) {
    if (!(x >= lo)) return lo;
    return x > hi ? hi : x;
}

}  // namespace editor
