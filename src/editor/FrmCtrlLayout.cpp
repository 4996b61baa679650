#include "editor/FrmCtrlLayout.h"

namespace editor {

void FillList(ui::ComboBox& list, std::initializer_list<const char*> items) {
    list.SetStyle(2);
    list.Clear();
    for (const char* item : items) list.AddItem(item);
    list.SetListIndex(0);
}

void SetupSlider(ui::Slider& s, int32_t max, bool vertical) {
    s.SetRange(0, max);
    s.SetChanges(1, 5);
    s.SetOrientation(vertical ? 1 : 0);
    s.SetTickFrequency(max > 50 ? max / 10 : 1);
}

ui::Label& Centered(ui::Label& l) {
    l.SetAlignment(2);
    return l;
}

}  // namespace editor
