#include "editor/PriorityInputs.h"

#include "state/State.h"
#include "ui/Host.h"

namespace editor {

namespace {

constexpr int kMaxPriorityInputs = 4;

}  // namespace

bool RefuseFifthPriorityInput(State& s, ui::ControlArray<ui::CheckBox>& boxes, int16_t index) {
    if (boxes(index).Value() != 1) return false;
    int others = 0;
    for (int16_t j = 0; j < 8; ++j) {
        if (j != index && boxes(j).Value() == 1) ++others;
    }
    if (others < kMaxPriorityInputs) return false;
    s.host.MsgBox("Max input select is 4", ui::vbOKOnly + ui::vbInformation,
                  "Priority Input Channel");
    s.UiUpdating = true;
    boxes(index).SetValue(0);
    s.UiUpdating = false;
    return true;
}

}  // namespace editor
