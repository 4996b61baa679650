// Combo boxes (editable for styles 0 and 1, a pick list for style 2) and list boxes. A pick by
// the person goes to the control's UserSelect, in a list box also a click on the row already
// selected and Space or Enter on the current row; characters typed into an editable combo box
// go through its UserKey, so KeyPress sees them.
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

    // From the list widget: whether row is the one selected in a one-item list, which a press
    // on it then picks again through Pick.
    bool HoldsRow(int row) const;
    void Pick(int row);
    // True when the key was taken: Space, or Enter when the window has no default button,
    // picks the current row of a one-item list.
    bool Key(const QKeyEvent& e);

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::ListBox& Model() const { return *static_cast<ui::ListBox*>(Control()); }
    void ApplyMode();
    void ApplySelection();
};

}  // namespace gui
