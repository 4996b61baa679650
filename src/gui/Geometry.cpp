#include "gui/Geometry.h"

#include <cmath>

#include "sys/Screen.h"
#include "ui/Control.h"

namespace gui {

int ToPixels(ui::Twips t) {
    return static_cast<int>(std::lround(static_cast<double>(t) / sys::kTwipsPerPixel));
}

ui::Twips ToTwips(int pixels) {
    return static_cast<ui::Twips>(pixels) * sys::kTwipsPerPixel;
}

QRect PixelRect(ui::Twips left, ui::Twips top, ui::Twips width, ui::Twips height) {
    const int x = ToPixels(left);
    const int y = ToPixels(top);
    return {x, y, ToPixels(left + width) - x, ToPixels(top + height) - y};
}

QRect PixelRect(const ui::Control& c) {
    return PixelRect(c.Left(), c.Top(), c.Width(), c.Height());
}

}  // namespace gui
