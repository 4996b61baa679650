// Picture boxes: a container that paints its display list (lines with their pen width and
// colour, points, text; no antialiasing, clipped to the box) and reports mouse events in
// pixels.
#pragma once

#include "gui/ControlView.h"
#include "ui/PictureBox.h"

namespace gui {

class PictureView : public ControlView {
  public:
    PictureView(FormWindow& owner, ui::PictureBox& picture);
    QWidget* ChildArea(int16_t page) override;

    // Paints the display list; called by the widget.
    void Paint(QWidget& on);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::PictureBox* Model() const { return static_cast<ui::PictureBox*>(Control()); }
};

}  // namespace gui
