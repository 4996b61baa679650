// The dialogs and program-file actions the editor window opens, and the one door through
// which it opens them.
#pragma once

#include <cstdint>

struct State;

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
    WallPanel,    // USB/RS485 wall panel setup
    Switch,       // switch presets
};

// Shows the dialog modally for CurDev (or runs the program-file action); index is the
// channel the dialog works on where it has one.
void ShowEditorDialog(State& s, EditorDialog dialog, int16_t index = 0);
