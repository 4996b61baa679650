// Controls that hold other controls: frames, tab controls and toolbars.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

class Frame : public Control {
  public:
    Frame(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // 0 none, 1 a line with the caption.
    int16_t BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int16_t s);

  private:
    std::string caption_;
    int16_t borderStyle_ = 1;
};

// A tab control whose tabs each hold their own controls (SetContainer(&tabs, tab)).
class TabStrip : public Control {
  public:
    TabStrip(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    int16_t Tabs() const { return static_cast<int16_t>(captions_.size()); }
    void SetTabs(int16_t count);
    int16_t TabsPerRow() const { return tabsPerRow_; }
    void SetTabsPerRow(int16_t n);
    const std::string& TabCaption(int16_t t) const;
    void SetTabCaption(int16_t t, const std::string& c);
    // The current tab. Setting a different tab (from code or by the user) fires Click.
    int16_t Tab() const { return tab_; }
    void SetTab(int16_t t);
    // The tab that was current before the last change, as the Click handler sees it.
    int16_t PreviousTab() const { return previousTab_; }
    // A tab that is switched off cannot be picked by a person; code may still show it.
    bool TabEnabled(int16_t t) const;
    void SetTabEnabled(int16_t t, bool enabled);
    // A person picks tab t.
    bool UserSelectTab(int16_t t);

    bool ShowsPage(int16_t page) const override { return page == tab_; }

  private:
    std::vector<std::string> captions_;
    std::vector<bool> disabled_;
    int16_t tabsPerRow_ = 4;
    int16_t tab_ = 0;
    int16_t previousTab_ = 0;
};

// A bar along the top of a window that holds buttons.
class Toolbar : public Control {
  public:
    Toolbar(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);
};

}  // namespace ui
