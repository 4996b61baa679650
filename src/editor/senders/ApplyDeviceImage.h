// Makes everything about the current device agree with its memory image: the parameter
// record, the per-device arrays, every control of its editor window, and, through the
// senders, the device itself (nothing leaves while TxBlocked is set, as when the editor
// window loads). Every value taken from the image into a control is first brought into the
// control's range, so a damaged image or program file loads as the nearest valid settings.
#pragma once

struct State;

namespace ModFun {

// The fixed sequence, in this order: the tab shown is kept; link masks and stereo pairs are
// cleared; the input options (balanced, filters, feedback, Mic/Line lists, gate enables),
// the automatic mixer and ducker, and the processing types are loaded and sent; level
// bypass, polarity and mute flags are decoded; each channel's level, mute and polarity are
// loaded and sent with its bypass button coloured; each input's source is sent; the master
// levels (the input gain's one byte, the output volume's 16-bit word) are loaded and sent; the
// equalisers, crossovers and routing; phantom power; all link boxes are cleared and stored; every
// output's response is worked out again from all it now holds and drawn; the channel names are
// sent and shown; the front-panel lock and the stereo pairs are set; the tab is shown again. The
// progress bar steps once per feedback switch, processing type, channel, source, master level,
// band, filter, crosspoint and the phantom switch while LoadStateWord is set. The sequence stops
// when the editor window it fills is closed by a failed transaction.
void ApplyDeviceImage(State& s);

}  // namespace ModFun
