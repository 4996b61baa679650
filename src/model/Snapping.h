// Snapping of typed values to the nearest value the device can take: a point of a fixed grid
// or an entry of a lookup table. Of two equally near entries the one met first in the
// routine's scan wins: the lower value, and for the bandwidth routines (which scan the
// bandwidth table from its narrowest entry) the smaller bandwidth. A value beyond the first
// or the last entry gives that entry.
#pragma once

#include <cstdint>

namespace model {

struct ModelState;

// Levels in 0.1 dB: -127.0..+12.0 (inputs, master volume) and -127.0..+18.0 (outputs).
double SnapGainDbIn(double x);
double SnapGainDbOut(double x);
// The nearest EqGainTab entry.
double SnapEqGain(double x);
// Compressor and limiter threshold, -30.0..+18.0 dBu in 0.2 dB.
double SnapThrDbu(double x);
// Index of the nearest AttackText / ReleaseText entry, read as a number in the locale's format.
int16_t SnapAttack(const ModelState& ms, double x);
int16_t SnapRelease(const ModelState& ms, double x);
// Noise-gate threshold, -80..0 dBu in 1 dB; index of the nearest attack / release entry.
double SnapNgThr(double x);
int16_t SnapNgAttack(const ModelState& ms, double x);
int16_t SnapNgRelease(const ModelState& ms, double x);
// Index 0..12 of the nearest feedback deviation frequency 2.0 + 0.5 * index Hz.
int16_t SnapFeedbackFreq(double x);
// Index of the nearest FreqTab31 entry.
int16_t SnapInputFilterFreq(double x);
// The nearest EqBwTab entry, and its index (the Q index).
double SnapQValue(double x);
int16_t SnapQIndex(double x);

// Q index of a typed Q: (q - 0.4) / 0.1 rounded half to even, kept within 0..96.
int16_t QToIndex(double q);

}  // namespace model
