// Magnitude and phase of one crossover filter, from analog prototypes at s = j f / fc:
//   Butterworth of order N: magnitude 1 / sqrt(1 + (f/fc)^2N); phase from first-order terms
//   and second-order sections with the quality factors 0.707 (N = 2), 1.0 (N = 3) and
//   1.307, 0.541 (N = 4), all at fc;
//   Linkwitz-Riley: two identical Butterworth stages of order 1 or 2;
//   Bessel: the second-order Bessel polynomial, low-pass 3 / (s^2 + 3s + 3) at
//   s = j f / (k fc), high-pass 3s^2 / (3s^2 + 3s + 1) at s = j f k / fc, k = 0.52 (-12 dB) or
//   0.649 (-24 dB, two such stages); its phase is that of the same polynomial, a section of
//   quality 1/sqrt(3) at sqrt(3) k fc (low-pass) or fc / (sqrt(3) k) (high-pass).
// High-pass filters are the low-pass ones mirrored about fc; every Butterworth is -3.0103 dB
// at fc, the Linkwitz-Riley filters -6.0206 dB, the Bessel filters -5.743 and -7.668 dB.
#pragma once

#include <cstdint>

#include "editor/ResponsePoint.h"

namespace editor {

// Type codes, the positions in the editor's crossover type list.
enum XoverTypeCode : int16_t {
    XoBypass = 0,    // "   Bypass"
    XoButtw6 = 1,    // "Buttw -6dB"
    XoButtw12 = 2,   // "Buttw -12dB"
    XoLRiley12 = 3,  // "LRiley -12dB"
    XoBessel12 = 4,  // "Bessel -12dB"
    XoButtw18 = 5,   // "Buttw -18dB"
    XoButtw24 = 6,   // "Buttw -24dB"
    XoLRiley24 = 7,  // "LRiley -24dB"
    XoBessel24 = 8,  // "Bessel -24dB"
};

class XoverResponse {
  public:
    // A corner frequency outside 20..20000 Hz (only a damaged record holds one) is taken at
    // the nearest end of the range.
    XoverResponse(int16_t type, bool highPass, double fc);

    // False for a code other than 0..8: such a filter keeps the curve stored for it.
    bool Known() const { return type_ >= XoBypass && type_ <= XoBessel24; }
    // The filter at f Hz; {0, 0} for "Bypass" and for an unknown code.
    ResponsePoint At(double f) const;

  private:
    int16_t type_;
    bool highPass_;
    double fc_;
};

}  // namespace editor
