#include "ui/PictureBox.h"

#include "sys/Screen.h"

namespace ui {

PictureBox::PictureBox(Form& form, std::string name, int16_t index, Events* shared)
    : Control(form, Kind::PictureBox, std::move(name), index, shared) {
    SetForeColor(vbBlack);
}

float PictureBox::ScaleWidth() const {
    return static_cast<float>(Width()) / static_cast<float>(sys::kTwipsPerPixel);
}

float PictureBox::ScaleHeight() const {
    return static_cast<float>(Height()) / static_cast<float>(sys::kTwipsPerPixel);
}

void PictureBox::Add(DrawOp op) {
    ops_.push_back(std::move(op));
    Changed(Prop::Drawing);
}

void PictureBox::Cls() {
    ops_.clear();
    curX_ = curY_ = 0;
    Changed(Prop::Drawing);
}

void PictureBox::SetCurrentXY(float x, float y) {
    curX_ = x;
    curY_ = y;
}

void PictureBox::MoveTo(float x, float y) {
    SetCurrentXY(x, y);
}

void PictureBox::LineTo(float x, float y) {
    Line(curX_, curY_, x, y, ForeColor());
}

void PictureBox::Line(float x1, float y1, float x2, float y2, Color color) {
    Add({DrawOp::Type::Line, x1, y1, x2, y2, color, drawWidth_, {}});
    SetCurrentXY(x2, y2);
}

void PictureBox::PSet(float x, float y, Color color) {
    Add({DrawOp::Type::Point, x, y, x, y, color, drawWidth_, {}});
    SetCurrentXY(x, y);
}

void PictureBox::Print(const std::string& text) {
    Add({DrawOp::Type::Text, curX_, curY_, curX_, curY_, ForeColor(), drawWidth_, text});
}

void PictureBox::PaintPicture(const PictureBox& source, float x, float y, float width,
                              float height) {
    const float sx = source.ScaleWidth() > 0 ? width / source.ScaleWidth() : 1.0f;
    const float sy = source.ScaleHeight() > 0 ? height / source.ScaleHeight() : 1.0f;
    ops_.reserve(ops_.size() + source.ops_.size());
    for (const DrawOp& op : source.ops_) {
        DrawOp copy = op;
        copy.x1 = x + op.x1 * sx;
        copy.x2 = x + op.x2 * sx;
        copy.y1 = y + op.y1 * sy;
        copy.y2 = y + op.y2 * sy;
        ops_.push_back(std::move(copy));
    }
    Changed(Prop::Drawing);
}

}  // namespace ui
