// Project files: the 65 device-list records, one per 128-byte slot, in a file of the
// application folder's "Project" folder. The command bar's Load Project takes a loaded
// project over (app/MainProject.cpp).
#pragma once

#include <cstdint>

#include "model/ModelState.h"

struct State;

namespace ModConfig {

// The name of a link type: "USB", "RS485" or "TCP/IP".
const char* LinkName(int16_t type);

// The records of the project of the current link type get the positions of their status
// windows, and the serial ones the COM port in all four address bytes; records of another
// link type stay as they were read.
void KeepWindowPositions(State& s);

// Asks for a file name and writes the 65 records of DevList into it. Cancel writes nothing.
void SaveProject(State& s);

// Asks for a file name and reads its 65 records into DevListLoaded (no more of the file than
// they take). False (DevListLoaded unchanged) on cancel, for a file that does not exist or is
// shorter than 10 bytes, and with a message for one that is not a regular file or can't be
// read. Nothing is created or deleted. A record that does not fit its slot or its layout reads
// as a free slot.
bool LoadProjectFile(State& s);

// The link type of a device list: that of its first record in the project; -1 when no
// record is in the project.
int16_t ProjectLinkType(const model::PerSlot<model::DeviceRecord>& list);

// Asks whether to switch from link type current to project. Yes writes the project's link
// type to init.cfg, sets LinkType, InitCfg and the link button's caption and returns True; No,
// or a Yes whose init.cfg could not be written (said in a message, nothing changed), clears
// CmdBusy, sets the main window's pointer to normal and returns False. port is the COM port
// of the project's first record; it is not applied.
bool AskSwitchConnectionMode(State& s, int16_t& current, int16_t& project, int16_t& port);

}  // namespace ModConfig
