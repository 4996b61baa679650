#include "editor/EditorCalls.h"

namespace ModLink {

void LinkGain(State&, int16_t) {}
void LinkGainByp(State&, int16_t) {}
void LinkPolarity(State&, int16_t) {}
void LinkEqBand(State&, int16_t) {}
void LinkEqBandValues(State&, int16_t, int16_t) {}
void LinkXover(State&, int16_t, int16_t) {}

}  // namespace ModLink

namespace ModEqIn {

int16_t EqInType(State&, int16_t) {
    return 0;
}
void ApplyEqInType(State&, int16_t, int16_t) {}

}  // namespace ModEqIn

void ShowEditorDialog(State&, EditorDialog, int16_t) {}
