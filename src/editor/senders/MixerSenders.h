// The automatic mixer and the ducker of the current device: each sender writes its image byte
// (where it has one) and sends one frame built from the image. The image byte stays written
// whatever the send reports.
#pragma once

#include <cstdint>

#include "ui/Types.h"

struct State;

namespace ModFun {

// Image 889 := the editor's "Active" box (Check7); CmdAutoMixerActive with d7 = 889.
void SendAutoMixerActive(State& s);
// Image 890 := mode (0 "N.O.M", 1 "Gain Sharing"); CmdAutoMixerMode with d7 = 890, then a
// 50 ms pause after a successful send only.
void SendAutoMixerMode(State& s, int16_t mode);
// CmdAutoMixerByte with d5, d6, d7 = image 895, 893, 894.
void SendAutoMixerByte(State& s);
// Image 898 := the editor's priority boxes (Check8, bit i for input i), rebuilt whole;
// CmdPriorityMask with d7 = 898.
void SendPriorityMask(State& s);
// CmdDuckerParamA with d7 = image 899 (hold).
void SendDuckerParamA(State& s);
// CmdDuckerParamB with d6, d7 = image 900, 901 (release, attack).
void SendDuckerParamB(State& s);
// CmdDuckerParamC with d5 = image 904 (attenuation), d6 = image 902 (gating), d7 = 0.
void SendDuckerParamC(State& s);

// The priority mask that the editor's boxes (Check8) of the current device select.
uint8_t PriorityMaskOfBoxes(State& s);
// The colour of a priority "Confirm" button: red while the boxes differ from the stored
// mask (image 898), else the button face.
ui::Color PriorityConfirmColor(State& s);

}  // namespace ModFun
