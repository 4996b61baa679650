#include "editor/EqEntry.h"

#include <algorithm>
#include <string>

#include "model/Snapping.h"
#include "sys/Numeric.h"
#include "ui/TextBox.h"

namespace editor {

namespace {

// The box text trimmed of blanks, its decimal points turned into commas where the locale
// writes a comma.
std::string QText(const std::string& text, bool comma) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string t = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (comma) std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

}  // namespace

bool QIndexOfEntry(ui::TextBox& box, bool bandwidth, bool decimalComma, int16_t& index) {
    double value = 0;
    if (!sys::ParseNumber(QText(box.Text(), decimalComma), decimalComma, value)) return false;
    if (!bandwidth) {
        index = model::QToIndex(value);
        return true;
    }
    box.SetText(sys::NumText(model::SnapQValue(value), decimalComma));
    sys::ParseNumber(box.Text(), decimalComma, value);
    index = model::SnapQIndex(value);
    return true;
}

}  // namespace editor
