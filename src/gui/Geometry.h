// Twips and pixels: the control layer keeps every position and size in twips, 15 to a pixel.
#pragma once

#include <QRect>

#include "ui/Types.h"

namespace ui {
class Control;
}

namespace gui {

int ToPixels(ui::Twips t);
ui::Twips ToTwips(int pixels);
// Edges are rounded one by one, so controls that touch in twips touch on screen.
QRect PixelRect(ui::Twips left, ui::Twips top, ui::Twips width, ui::Twips height);
QRect PixelRect(const ui::Control& c);

}  // namespace gui
