// Controls that hold other controls: frames (a captioned group box, or a plain area without
// border), toolbars, and tab strips with one page per tab, of which only the current one is
// shown. Children are placed in twips relative to the container's top-left corner. Enter on
// the focused tab acts as a double click on the tab strip.
#pragma once

#include <vector>

#include "gui/ControlView.h"
#include "ui/Containers.h"

class QTabBar;

namespace gui {

class FrameView : public ControlView {
  public:
    FrameView(FormWindow& owner, ui::Frame& frame);
    QWidget* ChildArea(int16_t page) override;

  protected:
    void Apply(ui::Prop p) override;

  private:
    ui::Frame& Model() const { return *static_cast<ui::Frame*>(Control()); }
};

class ToolbarView : public ControlView {
  public:
    ToolbarView(FormWindow& owner, ui::Toolbar& bar);
    QWidget* ChildArea(int16_t page) override;
};

class TabStripView : public ControlView {
  public:
    TabStripView(FormWindow& owner, ui::TabStrip& tabs);
    QWidget* ChildArea(int16_t page) override;
    QTabBar* Bar() const;

  protected:
    void Apply(ui::Prop p) override;
    void ApplyColors() override;

  private:
    ui::TabStrip& Model() const { return *static_cast<ui::TabStrip*>(Control()); }
    void DoubleClick();
    void ApplyTabs();
    void ShowCurrentPage();
};

}  // namespace gui
