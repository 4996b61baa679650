// What the editor window calls in the response drawing, the channel link and its dialogs.
// Each of those parts puts its own routine in place of the entry here; until then an entry
// does nothing, so the window's handlers and buttons already run their whole protocol.
#pragma once

#include <cstdint>

struct State;

namespace ModGraph {

// Repaints the response picture of output index - 8 from the stored curves.
void RedrawGraphCtrl(State& s, int16_t index);
// Recomputes output equaliser band b (0..39) with its output's totals and repaints.
void CalcGraphEqOut(State& s, int16_t b);
// Writes the magnitude scale of output o from its step and offset arrows.
void SetOffset(State& s, int16_t o);

}  // namespace ModGraph

namespace ModLink {

// Repeat an edit of channel ch (0..15) on the channels linked to it.
void LinkGain(State& s, int16_t ch);
void LinkGainByp(State& s, int16_t ch);
void LinkPolarity(State& s, int16_t ch);

}  // namespace ModLink

// The dialogs and program-file actions the editor window opens.
enum class EditorDialog {
    EditLabel,    // channel names
    Version,      // device versions
    Limiter,      // compressor and limiter of output index
    EqIn,         // equaliser of input index
    LoadProgram,  // program file into the device
    SaveProgram,  // program into a file
    Store,        // program slot store
    Read,         // program slot recall
    StoreExtra,   // extra program slot store
    ReadExtra,    // extra program slot recall
    CopyInput,    // input copy
    CopyOutput,   // output copy
    Configure,    // external signal
};

// Shows the dialog modally for CurDev (or runs the program-file action); index is the
// channel the dialog works on where it has one.
void ShowEditorDialog(State& s, EditorDialog dialog, int16_t index = 0);
