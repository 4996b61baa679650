// Lines and shapes: drawn on their container, transparent to the mouse.
#pragma once

#include "gui/ControlView.h"
#include "ui/Shapes.h"

namespace gui {

class LineView : public ControlView {
  public:
    LineView(FormWindow& owner, ui::Line& line);
    bool Lightweight() const override { return true; }
    // Paints the line; called by the widget.
    void Paint(QWidget& on);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;
    void ApplyGeometry() override;

  private:
    ui::Line* Model() const { return static_cast<ui::Line*>(Control()); }
    int Margin() const;
};

class ShapeView : public ControlView {
  public:
    ShapeView(FormWindow& owner, ui::Shape& shape);
    bool Lightweight() const override { return true; }
    void Paint(QWidget& on);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::Shape* Model() const { return static_cast<ui::Shape*>(Control()); }
};

}  // namespace gui
