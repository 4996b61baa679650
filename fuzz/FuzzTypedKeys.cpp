// Keys typed into the editor's boxes on any tab, Enter included, and the number parsing
// behind them: whatever is typed is refused or sent as a value in range.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "OfflineEditor.h"
#include "sys/Numeric.h"
#include "ui/Controls.h"

namespace {

// The boxes a person can type into now.
std::vector<ui::Control*> TypableBoxes(FrmCtrl& f) {
    std::vector<ui::Control*> boxes;
    for (ui::Control* c : f.Controls()) {
        if ((c->GetKind() == ui::Kind::TextBox || c->GetKind() == ui::Kind::ComboBox) &&
            c->Usable()) {
            boxes.push_back(c);
        }
    }
    return boxes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static OfflineEditor e;
    FuzzedDataProvider in(data, size);
    const std::string text = in.ConsumeRandomLengthString(24);
    double value = 0;
    sys::ParseNumber(text, in.ConsumeBool(), value);
    sys::Val(text);

    FrmCtrl& f = *e.editor;
    f.SSTab1.UserSelectTab(in.ConsumeIntegralInRange<int16_t>(0, f.SSTab1.Tabs() - 1));
    while (in.remaining_bytes() > 0) {
        const std::vector<ui::Control*> boxes = TypableBoxes(f);
        if (boxes.empty()) break;
        ui::Control* box = boxes[in.ConsumeIntegralInRange<size_t>(0, boxes.size() - 1)];
        const size_t keys = in.ConsumeIntegralInRange<size_t>(1, 8);
        for (size_t k = 0; k < keys && in.remaining_bytes() > 0; ++k) {
            box->UserKey(in.ConsumeIntegral<uint8_t>());
        }
        box->UserKey(13);
    }
    e.host.TakeMessages();
    return 0;
}
