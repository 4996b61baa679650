// Lines and shapes drawn on a form or container; they have no events.
#pragma once

#include "ui/Control.h"

namespace ui {

class Line : public Control {
  public:
    Line(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    Twips X1() const { return x1_; }
    Twips Y1() const { return y1_; }
    Twips X2() const { return x2_; }
    Twips Y2() const { return y2_; }
    void SetPoints(Twips x1, Twips y1, Twips x2, Twips y2);
    Color BorderColor() const { return borderColor_; }
    void SetBorderColor(Color c);
    int16_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int16_t w);

  private:
    Twips x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    Color borderColor_ = vbBlack;
    int16_t borderWidth_ = 1;
};

class Shape : public Control {
  public:
    enum ShapeKind : int16_t {
        Rectangle = 0,
        Square = 1,
        Oval = 2,
        Circle = 3,
        RoundedRectangle = 4,
        RoundedSquare = 5
    };
    Shape(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    int16_t ShapeType() const { return shape_; }
    void SetShapeType(int16_t s);
    Color FillColor() const { return fillColor_; }
    void SetFillColor(Color c);
    // 0 solid fill, 1 transparent.
    int16_t FillStyle() const { return fillStyle_; }
    void SetFillStyle(int16_t s);
    Color BorderColor() const { return borderColor_; }
    void SetBorderColor(Color c);
    int16_t BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int16_t w);

  private:
    int16_t shape_ = Rectangle;
    Color fillColor_ = vbBlack;
    int16_t fillStyle_ = 1;
    Color borderColor_ = vbBlack;
    int16_t borderWidth_ = 1;
};

}  // namespace ui
