// The RMS compressor and the peak limiter of each output of the current device. A value
// sender reads the slider of output k (0..7) in the editor window, shows the value in the
// slider's box, writes the byte into the image and sends the output's whole block; a bypass
// sender toggles the output's flag, rebuilds the bypass bits and sends the block. Neither
// looks at the transaction's result: callers read TxFailed.
#pragma once

#include <cstdint>
#include <string>

struct State;

namespace ModFun {

// Texts of a slider position s as the boxes show them: the threshold (240 - s) / 5 - 30 dBu
// in its shortest form, the ratio "(32 - s):1", the knee 100 - s, the attack and release list
// entries 29 - s.
std::string ThresholdText(int32_t s, bool decimalComma);
std::string RatioTextAt(int32_t s);
std::string KneeText(int32_t s);
std::string AttackTextAt(int32_t s, bool decimalComma);
std::string ReleaseTextAt(int32_t s);

// Compressor of output k: CmdOutCompressor with sub-code 1 after the attack, 2 after the
// release and 0 otherwise. Threshold and ratio also write the overview summary.
void SendCmpThr(State& s, int16_t k);
void SendCmpRatio(State& s, int16_t k);
void SendCmpKnee(State& s, int16_t k);
void SendCmpAttack(State& s, int16_t k);
void SendCmpRelease(State& s, int16_t k);
// Toggles CompByp, recolours Command5(k) and sends the block.
void SendCmpByp(State& s, int16_t k);

// Limiter of output k: CmdOutLimiter. The threshold also writes the overview summary.
void SendLimThr(State& s, int16_t k);
void SendLimAttack(State& s, int16_t k);
void SendLimRelease(State& s, int16_t k);
// Toggles LimByp, recolours Command7(k) and sends the block.
void SendLimByp(State& s, int16_t k);

// Command5(k) / Command7(k) red while the output's compressor / limiter is bypassed.
void ConfigButtonCmpByp(State& s, int16_t k);
void ConfigButtonLimByp(State& s, int16_t k);

}  // namespace ModFun
