// The caption of a device's editor window: the link prefix, the model name and what the
// window shows, e.g. "IP:127.0.0.2  Velotra - Program load from device - 01: Program default ".
#pragma once

#include <cstdint>
#include <string>

struct State;

namespace editor {

// "IP:" with the address and a blank on TCP/IP, "ID:" with the two-digit RS485 ID on RS485,
// nothing on USB; then the model name (" Velotra " for model 0, " Velomatic " otherwise).
std::string EditorCaptionHead(const State& s, int16_t dev);

// The caption after the program was read from the device: the head, "- Program load from
// device - " and the caption of the program slot the device runs.
std::string ProgramLoadCaption(const State& s, int16_t dev);

}  // namespace editor
