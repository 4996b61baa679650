// The dialogs and program-file actions the editor window opens.
#pragma once

#include <cstddef>

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
    NoiseGate,    // noise gate of input index
    AutoMixer,    // automatic mixer
    Ducker,       // ducker
};

inline constexpr size_t EditorDialogCount = static_cast<size_t>(EditorDialog::Ducker) + 1;
