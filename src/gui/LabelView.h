// Labels: caption, alignment, transparent or opaque background, border, and the mouse events
// (in twips relative to the label) with Click and DblClick.
#pragma once

#include "gui/ControlView.h"
#include "ui/Label.h"

namespace gui {

class LabelView : public ControlView {
  public:
    LabelView(FormWindow& owner, ui::Label& label);
    bool Lightweight() const override { return true; }

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;
    void ApplyGeometry() override;

  private:
    ui::Label& Model() const { return *static_cast<ui::Label*>(Control()); }
    void ApplyStyle();
};

}  // namespace gui
