// Combo boxes (editable for styles 0 and 1, a pick list for style 2) and list boxes. A pick by
// the person goes to the control's UserSelect; characters typed into an editable combo box go
// through its UserKey, so KeyPress sees them.
#pragma once

#include "gui/ControlView.h"
#include "ui/Lists.h"

class QKeyEvent;

namespace gui {

class ComboBoxView : public ControlView {
  public:
    ComboBoxView(FormWindow& owner, ui::ComboBox& combo);

    // From the combo box's line editor: true when the key was taken.
    bool Key(const QKeyEvent& e);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::ComboBox& Model() const { return *static_cast<ui::ComboBox*>(Control()); }
    void ApplyStyle();
    void ApplyText();
};

class ListBoxView : public ControlView {
  public:
    ListBoxView(FormWindow& owner, ui::ListBox& list);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::ListBox& Model() const { return *static_cast<ui::ListBox*>(Control()); }
    void ApplyMode();
    void ApplySelection();
};

}  // namespace gui
