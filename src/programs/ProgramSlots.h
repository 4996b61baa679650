// What the program store and recall windows share: the rows of the slot lists, the program
// name rule, the editor caption and the running slot after a slot was recalled (or stored into
// a normal slot, whose number the device's current-program register takes), and
// the refusal to start an exchange with a device that can't be reached (the program file load
// refuses so too).
#pragma once

#include <cstdint>
#include <string>

#include "model/DevImageRecord.h"
#include "ui/Controls.h"

struct State;

namespace ModProg {

// Program slot k of extra slot e.
inline constexpr int16_t ExtraSlotBase = 6;
// Record byte 931, the current-program register (device address 18), in DevExtra.
inline constexpr size_t CurProgRegByte = 931 - model::DevImageRecord::DevExtraOffset;
// Program names are blank padded to this length.
inline constexpr size_t ProgNameLength = 16;

// "0", n + 1, ": " and the name: the row of slot n in the list of either window.
std::string SlotRow(int16_t n, const std::string& name);
// The name shown in a slot row (from its fifth character on), trimmed on both sides.
std::string RowName(const std::string& row);
std::string TrimRight(const std::string& text);
// Blanks appended up to 16 characters; a longer name is left alone.
std::string PadName(std::string name);
// The caption of CurDev's editor after program slot k (0..9) was stored or recalled: the head,
// "- Program load from device - " and the slot's label ("01: " ... or "E01: " ... and its name).
std::string SlotCaption(const State& s, int16_t k);
// The rows of the normal (or extra) slots of CurDev, in a list emptied first.
void FillSlotList(const State& s, ui::ListBox& list, bool extra);
// The title and the slot list at the top of a window clientWidth wide.
void PlaceSlotList(ui::Label& title, ui::ListBox& list, ui::Twips clientWidth, bool extra);
// Buttons 0 and 1 side by side at the bottom right; button 0 on the left.
void PlaceButtonPair(ui::ControlArray<ui::CommandButton>& buttons, ui::Twips clientWidth,
                     ui::Twips top, const char* left, const char* right);
// Program slot k (0..9) is the one CurDev runs, on the PC as the connect read-back would find
// it: RunningProgSlot, the current-program register of the image record and its mirror; the
// open editor's running program label names it.
void SetRunningSlot(State& s, int16_t k);
// False, after a message titled title that says the device is offline, when no exchange with
// CurDev can be made now; true otherwise.
bool DeviceReachable(State& s, const std::string& title);

}  // namespace ModProg
