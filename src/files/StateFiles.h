// The state files in the application folder: init.cfg (link settings), start.ini (the 65
// device-list records, one per 128-byte slot) and startBf.ini (the 65 device images back to
// back). Reading creates a missing file empty, removes the temporary of a save that was cut
// short and reads no more than the file's layout uses; a missing or short file reads as zeros,
// a device record that is malformed as a free slot, and a file that is not a regular file is
// named in a message and reads as zeros. Writes replace the whole file at once and report
// failure.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "state/ProjectState.h"

struct State;

namespace StateFiles {

inline constexpr const char* kInitCfg = "init.cfg";
inline constexpr const char* kStartIni = "start.ini";
inline constexpr const char* kStartBfIni = "startBf.ini";

// AppDir/name (name alone while AppDir is empty).
std::string StateFilePath(const State& s, const std::string& name);

// The record of init.cfg as it lies in a file's bytes.
InitCfgRecord DecodeInitCfg(std::span<const uint8_t> bytes);
std::vector<uint8_t> EncodeInitCfg(const InitCfgRecord& rec);

// init.cfg into InitCfg.
void ReadInitCfg(State& s);
// InitCfg into init.cfg; bytes after the record stay as they were. False (file unchanged)
// when it could not be written.
bool WriteInitCfg(const State& s);

// start.ini into DevList(0..64).
void ReadDeviceList(State& s);
// DevList(0..64) into start.ini.
bool WriteDeviceList(const State& s);

// True when the slot's record is in the project for another link type than the current one.
// Such a record gets no window and is not connected; it and its stored image pass through a
// start and an exit unchanged.
bool HoldsOtherLink(const State& s, size_t slot);

// startBf.ini into StoredImage(0..64).
void ReadDeviceImages(State& s);
// StoredImage(slot) := DevImage(slot) for every slot except those holding another link's
// record (their image stays as it was read), then all 65 into startBf.ini.
bool WriteDeviceImages(State& s);

}  // namespace StateFiles
