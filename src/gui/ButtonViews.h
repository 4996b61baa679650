// Command buttons, check boxes (standard, or graphical: a toggle button in its colours) and
// option buttons. The control owns the checked state: the widgets never toggle themselves,
// a click goes to the control and the widget then shows the control's value. Option buttons
// are not exclusive in Qt; the control clears the others of its group.
#pragma once

#include "gui/ControlView.h"
#include "ui/Buttons.h"

namespace gui {

class CommandButtonView : public ControlView {
  public:
    CommandButtonView(FormWindow& owner, ui::CommandButton& button);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::CommandButton& Model() const { return *static_cast<ui::CommandButton*>(Control()); }
};

class CheckBoxView : public ControlView {
  public:
    CheckBoxView(FormWindow& owner, ui::CheckBox& box);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::CheckBox& Model() const { return *static_cast<ui::CheckBox*>(Control()); }
    QWidget* MakeButton(int16_t style);
    int16_t style_ = 0;
};

class OptionButtonView : public ControlView {
  public:
    OptionButtonView(FormWindow& owner, ui::OptionButton& button);

  protected:
    void Apply(ui::Prop p) override;

  private:
    ui::OptionButton& Model() const { return *static_cast<ui::OptionButton*>(Control()); }
};

}  // namespace gui
