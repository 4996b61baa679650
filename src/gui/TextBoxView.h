// Text boxes: a one-line or a multi-line editor whose text belongs to the control. Every
// typed character, Backspace, Enter and the clipboard keys go through the control's UserKey
// (so KeyPress may replace or cancel them), Delete through UserKeyCode; the editor then shows
// the control's text and caret. Caret moves and mouse selections are copied back. A locked
// one-line box is read as a text that cannot be edited.
#pragma once

#include <QString>

#include "gui/ControlView.h"
#include "ui/TextBox.h"

class QKeyEvent;

namespace gui {

class TextBoxView : public ControlView {
  public:
    TextBoxView(FormWindow& owner, ui::TextBox& box);

    // From the editor widget. Key returns true when the key was taken.
    bool Key(const QKeyEvent& e);
    void Commit(const QString& text);
    void WidgetSelectionChanged();
    void WidgetTextChanged();

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::TextBox& Model() const { return *static_cast<ui::TextBox*>(Control()); }
    // The editor for multiLine_ and locked_.
    QWidget* MakeEditor();
    void ApplyText();
    void ApplyStyle();
    bool multiLine_ = false;
    bool locked_ = false;
};

}  // namespace gui
