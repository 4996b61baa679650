// The level of one channel, its level bypass and the two master levels of the current
// device: read from its editor window, stored in the parameter record and the image, sent.
// Channels: 0..7 inputs, 8..15 outputs; a channel outside 0..15 does nothing.
#pragma once

#include <cstdint>

struct State;

namespace ModFun {

// The level word of slider position p: 1390 - p for an input, 1450 - p for an output.
int LevelWord(int16_t c, int32_t position);
// The slider position of level word w, the inverse of LevelWord.
int32_t LevelPosition(int16_t c, int32_t w);

// Shows the slider's level in Text1, stores it and sends CmdGain; after a successful send the
// channel's overview label gets the level as its tool tip.
void SendGain(State& s, int16_t c);
// As SendGain, but sends the whole channel block (level with bypass, mute and polarity).
void ApplyGain(State& s, int16_t c);
// Toggles the level bypass, sends the channel block and, when that succeeded, recolours the
// channel's bypass button.
void SendGainByp(State& s, int16_t c);
// Command90(c) red while the channel's level is bypassed, else the button face.
void ConfigButtonGainByp(State& s, int16_t c);
// Master input gain (index 0, percent) or master output volume (index 1, dB): shows the
// slider's value in Text100, stores its 16-bit word and sends CmdMasterLevel.
void SendMasterLevel(State& s, int16_t index);

}  // namespace ModFun
