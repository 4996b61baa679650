#include "editor/EditorCaption.h"

#include "editor/ProgramSlotLabel.h"
#include "state/State.h"
#include "sys/Numeric.h"

namespace editor {

std::string EditorCaptionHead(const State& s, int16_t dev) {
    std::string head;
    if (s.LinkType == 2) {
        head = "IP:" + s.DevList[dev].IpText + " ";
    } else if (s.LinkType == 1) {
        head = "ID:" + sys::FormatTwoDigits(s.DevAddr[dev]);
    }
    return head + (s.DevModel[dev] == 0 ? " Velotra " : " Velomatic ");
}

std::string ProgramLoadCaption(const State& s, int16_t dev) {
    return EditorCaptionHead(s, dev) + "- Program load from device - " +
           ModFun::ProgramSlotCaption(s.RunningProgSlot[dev], s.DevParam[dev]);
}

}  // namespace editor
