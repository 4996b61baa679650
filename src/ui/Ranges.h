// Controls with a value in a range: sliders, up-down arrows and progress bars.
#pragma once

#include "ui/Control.h"

namespace ui {

class Slider : public Control {
  public:
    Slider(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    void SetRange(int32_t min, int32_t max);
    int32_t Value() const { return value_; }
    // Setting a different value from code fires Change (never Scroll); it is kept in range.
    void SetValue(int32_t v);
    int32_t SmallChange() const { return smallChange_; }
    int32_t LargeChange() const { return largeChange_; }
    void SetChanges(int32_t small, int32_t large);
    // 0 horizontal, 1 vertical (minimum at the top).
    int16_t Orientation() const { return orientation_; }
    void SetOrientation(int16_t o);
    int32_t TickFrequency() const { return tickFrequency_; }
    void SetTickFrequency(int32_t f);
    // A person drags or steps the slider to v: Scroll, then Change, when the value moves.
    bool UserScroll(int32_t v);

  private:
    int32_t min_ = 0, max_ = 10, value_ = 0;
    int32_t smallChange_ = 1, largeChange_ = 5;
    int16_t orientation_ = 0;
    int32_t tickFrequency_ = 1;
};

class UpDown : public Control {
  public:
    UpDown(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    void SetRange(int32_t min, int32_t max);
    int32_t Value() const { return value_; }
    // Setting a different value from code fires Change; it is kept in range.
    void SetValue(int32_t v);
    int32_t Increment() const { return increment_; }
    void SetIncrement(int32_t i) { increment_ = i < 1 ? 1 : i; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool w) { wrap_ = w; }
    // 0 vertical arrows, 1 horizontal.
    int16_t Orientation() const { return orientation_; }
    void SetOrientation(int16_t o);
    // A person clicks the up (or right) arrow or the down (or left) arrow: Change.
    bool UserUp();
    bool UserDown();

  private:
    bool Step(int32_t delta);

    int32_t min_ = 0, max_ = 10, value_ = 0;
    int32_t increment_ = 1;
    bool wrap_ = false;
    int16_t orientation_ = 0;
};

class ProgressBar : public Control {
  public:
    ProgressBar(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    float Min() const { return min_; }
    float Max() const { return max_; }
    void SetRange(float min, float max);
    float Value() const { return value_; }
    // The value never leaves Min..Max: a value beyond the ends is held at the end.
    void SetValue(float v);

  private:
    float min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace ui
