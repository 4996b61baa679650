// The project's device list: 65 slots of DevList, each in the project while Used is True.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/DeviceRecord.h"

struct State;

namespace ModConfig {

using model::DottedIp;

// Every slot gets the defaults of a free DeviceRecord.
void InitProjectDevices(State& s);

// The lowest slot not in the project; 255 when all 65 are.
int16_t FindFreeDeviceSlot(const State& s);

// True when a slot in the project has all four IP octets equal to NewDevIp.
bool IsIpAlreadyInserted(const State& s);

// True when a slot in the project has DevId equal to NewDevId.
bool IsIdAlreadyInserted(const State& s);

// The slot's record gets the defaults of a free slot; it leaves the project.
void ResetDeviceRecord(State& s, int16_t slot);

// Both records are in the project and name the same device: the same link kind, address
// (RS485 ID, IP address; USB has its one device) and nick name.
bool SameDevice(const model::DeviceRecord& a, const model::DeviceRecord& b);

// Fills the slot for the current link type, gives it the new-device defaults and puts it in
// the project, offline, with the nick name "no-name".
void InsertDevice(State& s, int16_t slot);

}  // namespace ModConfig
