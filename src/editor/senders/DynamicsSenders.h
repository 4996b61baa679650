// The RMS compressor and the peak limiter of each output of the current device. A value
// sender reads the slider of output k (0..7) in the editor window, shows the value in the
// slider's box, writes the byte into the image and sends the output's whole block; a bypass
// sender toggles the output's flag, rebuilds the bypass bits and sends the block. Neither
// looks at the transaction's result: callers read TxFailed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ui/Controls.h"

struct State;
class FrmCtrl;

namespace ModFun {

// The eight values: each has a slider (position 0 shows the largest value), a box and an
// image byte max - position.
enum class Dyn : uint8_t {
    CmpThr,
    CmpRatio,
    CmpKnee,
    CmpAttack,
    CmpRelease,
    LimThr,
    LimAttack,
    LimRelease
};
inline constexpr std::array<Dyn, 5> CompressorValues = {Dyn::CmpThr, Dyn::CmpRatio, Dyn::CmpKnee,
                                                        Dyn::CmpAttack, Dyn::CmpRelease};
inline constexpr std::array<Dyn, 3> LimiterValues = {Dyn::LimThr, Dyn::LimAttack, Dyn::LimRelease};

bool IsLimiter(Dyn p);
// The largest slider position; the image byte is this minus the position.
int32_t DynamicsMax(Dyn p);
// The image address of value p of output k.
int DynamicsAddr(Dyn p, int16_t k);
// The value of slider position s as its box shows it: a threshold (240 - s) / 5 - 30 dBu in its
// shortest form, a ratio "(32 - s):1", a knee 100 - s, an attack or release list entry 29 - s.
std::string DynamicsText(Dyn p, int32_t s, bool decimalComma);
// The slider position a typed number x stands for: out-of-range numbers are held at the ends,
// thresholds snapped to their 0.2 dB grid, a knee rounded to whole per cent, a ratio n to n:1,
// attack and release times to the nearest list entry.
int32_t TypedPosition(const State& s, Dyn p, double x);
// The part of a box's text that is read as its number: a ratio up to its ':'.
std::string TypedNumberText(Dyn p, const std::string& text);
// The editor window's sliders and boxes of value p, indexed by output.
ui::ControlArray<ui::Slider>& DynamicsSliders(FrmCtrl& f, Dyn p);
ui::ControlArray<ui::TextBox>& DynamicsBoxes(FrmCtrl& f, Dyn p);

// Value p of output k from its slider: shown, stored and sent with the output's block
// (CmdOutCompressor with sub-code 1 after the attack, 2 after the release and 0 otherwise, or
// CmdOutLimiter). The thresholds and the ratio also write the overview summaries.
void SendDynamics(State& s, Dyn p, int16_t k);
void SendCmpThr(State& s, int16_t k);
void SendCmpRatio(State& s, int16_t k);
void SendCmpKnee(State& s, int16_t k);
void SendCmpAttack(State& s, int16_t k);
void SendCmpRelease(State& s, int16_t k);
void SendLimThr(State& s, int16_t k);
void SendLimAttack(State& s, int16_t k);
void SendLimRelease(State& s, int16_t k);

// Toggles CompByp / LimByp of output k, recolours its button and sends the block.
void SendCmpByp(State& s, int16_t k);
void SendLimByp(State& s, int16_t k);

// Command5(k) / Command7(k) red while the output's compressor / limiter is bypassed.
void ConfigButtonCmpByp(State& s, int16_t k);
void ConfigButtonLimByp(State& s, int16_t k);

}  // namespace ModFun
