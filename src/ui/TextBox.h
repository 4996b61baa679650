#pragma once

#include "ui/Control.h"
#include "ui/TextEditing.h"

namespace ui {

class TextBox : public Control {
  public:
    TextBox(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    const std::string& Text() const { return edit_.text; }
    // Setting a different text fires Change; the caret goes to the start. The box keeps the
    // text up to its first NUL byte.
    void SetText(const std::string& t);
    int32_t SelStart() const { return edit_.selStart; }
    int32_t SelLength() const { return edit_.selLength; }
    void SetSelection(int32_t start, int32_t length);
    int32_t MaxLength() const { return maxLength_; }
    void SetMaxLength(int32_t n) { maxLength_ = n; }
    bool Locked() const { return locked_; }
    void SetLocked(bool v);
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool v);
    // 0 left, 1 right, 2 centre.
    int16_t Alignment() const { return alignment_; }
    void SetAlignment(int16_t a);

    // A person presses a key that types nothing (Delete 46, arrows, ...): KeyDown and KeyUp;
    // Delete also removes text.
    bool UserKeyCode(int16_t keyCode);

  private:
    void TypedKey(int16_t key) override;
    void Edited();

    EditState edit_;
    int32_t maxLength_ = 0;
    bool locked_ = false;
    bool multiLine_ = false;
    int16_t alignment_ = 0;
};

}  // namespace ui
