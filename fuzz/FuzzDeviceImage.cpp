// An arbitrary program image applied to the editor, as a connect, a recall or a program file
// applies one: every value is brought into its control's range without harm.
#include <algorithm>
#include <cstdint>

#include "OfflineEditor.h"
#include "editor/senders/ApplyDeviceImage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static OfflineEditor e;
    State& s = *e.state;
    auto& image = s.DevImage[OfflineEditor::kSlot].ProgImage;
    std::fill(image.begin(), image.end(), uint8_t{0});
    std::copy_n(data, std::min(size, image.size()), image.begin());
    s.CurDev = OfflineEditor::kSlot;
    ModFun::ApplyDeviceImage(s);
    e.host.TakeMessages();
    return 0;
}
