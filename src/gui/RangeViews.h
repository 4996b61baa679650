// Sliders (a vertical one has its minimum at the top), up-down arrow pairs and progress bars.
#pragma once

#include "gui/ControlView.h"
#include "ui/Ranges.h"

namespace gui {

class SliderView : public ControlView {
  public:
    SliderView(FormWindow& owner, ui::Slider& slider);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyGeometry() override;

  private:
    ui::Slider& Model() const { return *static_cast<ui::Slider*>(Control()); }
    void ApplyStyle();
};

class UpDownView : public ControlView {
  public:
    UpDownView(FormWindow& owner, ui::UpDown& upDown);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyGeometry() override;
    void NameWidget(const QString& name) override;

  private:
    ui::UpDown& Model() const { return *static_cast<ui::UpDown*>(Control()); }
};

class ProgressBarView : public ControlView {
  public:
    ProgressBarView(FormWindow& owner, ui::ProgressBar& bar);

  protected:
    void Apply(ui::Prop p) override;

  private:
    ui::ProgressBar& Model() const { return *static_cast<ui::ProgressBar*>(Control()); }
};

}  // namespace gui
