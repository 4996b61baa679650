#include "FormLayout.h"

#include <string>

#include "sys/Screen.h"
#include "ui/Caption.h"
#include "ui/Controls.h"
#include "ui/Form.h"

namespace apptest {

namespace {

bool Placed(const ui::Control& c) {
    return c.Visible() && c.GetKind() != ui::Kind::Timer && c.GetKind() != ui::Kind::Line;
}

bool Overlap(const ui::Control& a, const ui::Control& b) {
    return a.Left() < b.Left() + b.Width() && b.Left() < a.Left() + a.Width() &&
           a.Top() < b.Top() + b.Height() && b.Top() < a.Top() + a.Height();
}

// A generous average glyph width: three quarters of the point size in pixels.
ui::Twips TextWidth(const std::string& text, float points) {
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size() && text[i + 1] == '&') ++i;
        shown += text[i];
    }
    return static_cast<ui::Twips>(shown.size() * points * 0.75f * sys::kTwipsPerPixel);
}

}  // namespace

std::vector<std::string> LayoutProblems(const ui::Form& form) {
    std::vector<std::string> problems;
    const auto& controls = form.Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        const ui::Control* c = controls[i];
        if (!Placed(*c)) continue;
        const ui::Control* box = c->Container();
        const ui::Twips w = box != nullptr ? box->Width() : form.ScaleWidth();
        const ui::Twips h = box != nullptr ? box->Height() : form.ScaleHeight();
        if (c->Left() < 0 || c->Top() < 0 || c->Left() + c->Width() > w ||
            c->Top() + c->Height() > h) {
            problems.push_back(c->Path() + " lies outside its container");
        }
        const std::string caption = ui::CaptionOf(*c);
        if (TextWidth(caption, c->FontSize()) > c->Width()) {
            problems.push_back(c->Path() + " is too narrow for \"" + caption + "\"");
        }
        for (size_t j = i + 1; j < controls.size(); ++j) {
            const ui::Control* d = controls[j];
            if (!Placed(*d) || d->Container() != box || d->TabPage() != c->TabPage()) {
                continue;
            }
            if (Overlap(*c, *d)) problems.push_back(c->Path() + " overlaps " + d->Path());
        }
    }
    return problems;
}

}  // namespace apptest
