// What the editor window calls in the channel link and its dialogs.
// Each of them puts its own routine in place of the entry here; until then an entry
// does nothing, so the window's handlers and buttons already run their whole protocol.
#pragma once

#include <cstdint>

struct State;

namespace ModLink {

// Repeat an edit of channel ch (0..15) on the channels linked to it.
void LinkGain(State& s, int16_t ch);
void LinkGainByp(State& s, int16_t ch);
void LinkPolarity(State& s, int16_t ch);
// Repeat an edit of input i (0..7) on its link set members or its stereo partner.
void LinkInputBalanced(State& s, int16_t i);
void LinkNoiseGateEnable(State& s, int16_t i);
void LinkInputFilter(State& s, int16_t i);
void LinkMicLine(State& s, int16_t i);
void LinkInputProcType(State& s, int16_t i);
void LinkFeedbackMode(State& s, int16_t i);
// Repeat the limiter, compressor or delay of output o (0..7) on the outputs linked to it.
void LinkLimiter(State& s, int16_t o);
void LinkCompressor(State& s, int16_t o);
void LinkDelay(State& s, int16_t o);
// Repeat output equaliser band b (0..39) on the outputs linked to its output.
void LinkEqBand(State& s, int16_t b);
// Copy band b to the same band of output p, send and redraw it.
void LinkEqBandValues(State& s, int16_t b, int16_t p);
// Copy crossover filter f (0..15) to the filter of the same kind on output p, send and redraw.
void LinkXover(State& s, int16_t f, int16_t p);

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
