// Makes everything about the current device agree with its memory image: the parameter
// record, the per-device arrays, every control of its editor window, and, through the
// senders, the device itself (nothing leaves while TxBlocked is set, as when the editor
// window loads). Every value taken from the image into a control is first brought into the
// control's range, so a damaged image or program file loads as the nearest valid settings.
#pragma once

struct State;

namespace ModFun {

// The fixed sequence, in this order: the tab shown is kept; link masks and stereo pairs are
// cleared; level bypass, polarity and mute flags are decoded; each channel's level, mute and
// polarity are loaded and sent with its bypass button coloured; the master levels (16-bit
// words) are loaded and sent; all link boxes are cleared and stored; every output's graph is
// repainted; the tab is shown again. The progress bar steps once a channel and once a master
// level while LoadStateWord is set. The sequence stops when the editor window it fills is
// closed by a failed transaction.
void ApplyDeviceImage(State& s);

}  // namespace ModFun
