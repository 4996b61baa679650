#include "editor/EditorCalls.h"

namespace ModGraph {

void RedrawGraphCtrl(State&, int16_t) {}
void CalcGraphEqOut(State&, int16_t) {}
void SetOffset(State&, int16_t) {}

}  // namespace ModGraph

namespace ModLink {

void LinkGain(State&, int16_t) {}
void LinkGainByp(State&, int16_t) {}
void LinkPolarity(State&, int16_t) {}

}  // namespace ModLink

void ShowEditorDialog(State&, EditorDialog, int16_t) {}
