// Command buttons, check boxes and option buttons.
#pragma once

#include "ui/Control.h"

namespace ui {

class CommandButton : public Control {
  public:
    CommandButton(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // Enter (Default) or Escape (Cancel) presses the button in a dialog.
    bool Default() const { return default_; }
    void SetDefault(bool v);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v);

  private:
    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

class CheckBox : public Control {
  public:
    CheckBox(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // 0 unchecked, 1 checked, 2 greyed. Setting a different value fires Click.
    int16_t Value() const { return value_; }
    void SetValue(int16_t v);
    // 0 standard box, 1 graphical (a toggle button that shows its colours).
    int16_t Style() const { return style_; }
    void SetStyle(int16_t s);
    // A click toggles the box (a greyed box becomes unchecked) and fires Click.
    bool UserClick() override;

  private:
    std::string caption_;
    int16_t value_ = 0;
    int16_t style_ = 0;
};

// Option buttons with the same container form one group: setting one clears the others.
class OptionButton : public Control {
  public:
    OptionButton(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    bool Value() const { return value_; }
    // Setting True clears the group's other buttons and fires Click when it was False.
    void SetValue(bool v);
    bool UserClick() override;

  private:
    std::string caption_;
    bool value_ = false;
};

}  // namespace ui
