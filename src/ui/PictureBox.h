// A picture box: a container and a drawing surface. Drawing is kept as a display list in the
// picture's pixel coordinates (15 twips a pixel), so tests can inspect it and a renderer can
// paint it.
#pragma once

#include <string>
#include <vector>

#include "ui/Control.h"

namespace ui {

struct DrawOp {
    enum class Type : uint8_t { Line, Point, Text };
    Type type = Type::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = 0;
    int16_t width = 1;
    std::string text;
};

class PictureBox : public Control {
  public:
    PictureBox(Form& form, std::string name, int16_t index = -1, Events* shared = nullptr);

    // Drawing area in pixels.
    float ScaleWidth() const;
    float ScaleHeight() const;

    // Clears the drawing and puts the pen at (0, 0).
    void Cls();
    int16_t DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int16_t w) { drawWidth_ = w < 1 ? 1 : w; }
    float CurrentX() const { return curX_; }
    float CurrentY() const { return curY_; }
    void SetCurrentXY(float x, float y);
    // Pen moves and lines in the fore colour and draw width.
    void MoveTo(float x, float y);
    void LineTo(float x, float y);
    // A line in the given colour; the pen ends at (x2, y2).
    void Line(float x1, float y1, float x2, float y2, Color color);
    void PSet(float x, float y, Color color);
    // Text at the pen position in the fore colour.
    void Print(const std::string& text);
    // Paints another picture's drawing at (x, y), scaled to width x height pixels.
    void PaintPicture(const PictureBox& source, float x, float y, float width, float height);

    const std::vector<DrawOp>& DisplayList() const { return ops_; }

  private:
    void Add(DrawOp op);

    std::vector<DrawOp> ops_;
    int16_t drawWidth_ = 1;
    float curX_ = 0, curY_ = 0;
};

}  // namespace ui
