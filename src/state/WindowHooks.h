// What the windows do when code below them changes what they show, and how the editor opens
// the dialogs above it. Whoever owns those windows fills the hooks in when the program is put
// together (app/Wiring), so that the device protocol and the editor need not include them.
// An empty hook does nothing.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "state/EditorDialog.h"

struct State;

struct WindowHooks {
    // A failed exchange has taken the device of the slot offline: its status window shows it
    // offline and its editor window closes.
    std::function<void(State&, int16_t)> DeviceWentOffline;
    // The editor window of the slot has closed: its status window shows that.
    std::function<void(State&, int16_t)> EditorClosed;
    // Shows the dialog modally for CurDev (or runs the program-file action); the index is the
    // channel the dialog works on where it has one.
    using DialogOpener = std::function<void(State&, int16_t)>;
    std::array<DialogOpener, EditorDialogCount> EditorDialogs;

    void SetEditorDialog(EditorDialog dialog, DialogOpener open) {
        EditorDialogs[static_cast<size_t>(dialog)] = std::move(open);
    }
};

// The opener of a dialog that only needs to be shown modally.
template <class Dialog>
void ShowModalDialog(State& s, int16_t) {
    Dialog dialog(s);
    dialog.ShowModal();
}
