#pragma once

#include "ui/Control.h"

namespace ui {

class Label : public Control {
  public:
    Label(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // 0 left, 1 right, 2 centre.
    int16_t Alignment() const { return alignment_; }
    void SetAlignment(int16_t a);
    // 0 transparent, 1 opaque background.
    int16_t BackStyle() const { return backStyle_; }
    void SetBackStyle(int16_t s);
    // 0 none, 1 fixed single.
    int16_t BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int16_t s);

  private:
    std::string caption_;
    int16_t alignment_ = 0;
    int16_t backStyle_ = 1;
    int16_t borderStyle_ = 0;
};

}  // namespace ui
