// Connecting a device slot: open the link, make the handshake, read the device's name, its
// 912-byte working program and everything else it reports, and only then make it the slot's
// image and record. A connect that fails anywhere leaves the slot offline with its image,
// record and identity as they were; DevOffline is cleared only by a read that succeeded.
#pragma once

#include <cstdint>

#include "protocol/ReadDeviceAtConnect.h"

struct State;

namespace ModProject {

// How a link is opened: silently by Connect All, with messages by the status window.
struct LinkOpenStyle {
    int handshakeTries;  // serial handshakes before giving up
    int reopenPauseMs;   // pause before the second try of a serial open
    bool tellUser;       // message boxes on failure, progress step after a failed TCP connect
};
inline constexpr LinkOpenStyle kSilentLinkOpen{2, 0, false};
inline constexpr LinkOpenStyle kWindowLinkOpen{4, 50, true};

// Opens the slot's link for the current link type and makes the handshake; True when the
// device answered. On True the slot is online (Online 1) and DevAddr and DevSlot name its
// link address; on False it is offline.
bool OpenLink(State& s, int16_t slot, const LinkOpenStyle& style);

// The silent open of Connect All.
bool OpenDeviceLink(State& s, int16_t slot);

// Makes what a connect read the slot's (Speaker::CommitReadBack) and shows the nick name in
// the slot's status window while the slot is in the project.
void CommitConnect(State& s, int16_t slot, const Speaker::DeviceReadBack& rb);

// Reads the device's name, working program and read-back into a scratch copy and commits it
// when every request was answered: the slot is then online and not marked offline.
// False at the first failure; nothing of the slot's data has changed then.
bool ReadConnectedDevice(State& s, int16_t slot);

// Connect All's connect of one slot: an online slot only gets its captions refreshed; else
// the link is opened and the device read. DevConnErr tells whether it failed.
void ConnectDevice(State& s, int16_t slot);

// The status window's Connect: SearchConnection, then the read. On failure the user has
// been told once (by the transaction or here). True when the slot is connected.
bool ConnectFromWindow(State& s, int16_t slot);

}  // namespace ModProject
