// Magnitude and phase of one equaliser band, output or input, from its analog prototype at
// s = j f / f0 with A = 10^(gain / 40):
//   peaking     (s^2 + (A/Q) s + 1) / (s^2 + s / (A Q) + 1)
//   high shelf  A (A s^2 + (sqrt(A)/Q) s + 1) / (s^2 + (sqrt(A)/Q) s + A)
//   low shelf   A (s^2 + (sqrt(A)/Q) s + A) / (A s^2 + (sqrt(A)/Q) s + 1)
// Magnitude and phase both belong to the prototype: the peaking band gives its gain at f0 and
// half of it where Q |f0/f - f/f0| = 1; a shelf gives half its gain at f0.
#pragma once

#include <cstdint>

#include "editor/ResponsePoint.h"

namespace editor {

// Band types, the captions of the band-type button.
enum EqBandType : int16_t { PeakEq = 0, HiShelf = 1, LoShelf = 2 };

struct EqBand {
    int16_t type = PeakEq;
    double gain = 0;     // dB, -12..+12
    double freq = 1000;  // Hz, 20..20000
    double q = 1;        // 0.4..10
};

class EqBandResponse {
  public:
    // Values outside the editor's ranges (only a damaged record holds them) are taken at the
    // nearest end of the range, so the curve stays finite.
    explicit EqBandResponse(const EqBand& band);

    // False for a type other than 0..2: such a band keeps the curve stored for it.
    bool Known() const { return type_ >= PeakEq && type_ <= LoShelf; }
    // The band at f Hz; {0, 0} for an unknown type.
    ResponsePoint At(double f) const;

  private:
    int16_t type_;
    double f0_, q_, a_, sqrtA_, peakFactor_;
};

}  // namespace editor
