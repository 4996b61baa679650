#include "gui/AccessibleNames.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>
#include <vector>

#include "ui/Caption.h"
#include "ui/Containers.h"
#include "ui/Control.h"
#include "ui/Form.h"

namespace gui {

using ui::CaptionOf;

namespace {

// Blanks and the other control characters.
bool Blank(char ch) {
    return static_cast<unsigned char>(ch) < 0x20 || ch == ' ' || ch == '\x7F' || ch == '\xA0';
}

// The text as it is read: up to its first NUL byte, blanks collapsed, the access-key marks
// gone ("&&" is one "&").
std::string Clean(const std::string& caption) {
    const std::string text = caption.substr(0, caption.find('\0'));
    std::string out;
    bool blank = false;
    for (size_t k = 0; k < text.size(); ++k) {
        char ch = text[k];
        if (ch == '&') {
            if (k + 1 >= text.size() || text[k + 1] != '&') continue;
            ++k;
        }
        if (Blank(ch)) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += ch;
    }
    return out;
}

void Append(std::string& to, const std::string& part) {
    if (part.empty()) return;
    if (!to.empty()) to += ' ';
    to += part;
}

bool NamedKind(ui::Kind k) {
    switch (k) {
        case ui::Kind::TextBox:
        case ui::Kind::CommandButton:
        case ui::Kind::CheckBox:
        case ui::Kind::OptionButton:
        case ui::Kind::ComboBox:
        case ui::Kind::ListBox:
        case ui::Kind::Slider:
        case ui::Kind::UpDown:
        case ui::Kind::ProgressBar:
        case ui::Kind::PictureBox:
            return true;
        default:
            return false;
    }
}

bool CaptionedKind(ui::Kind k) {
    return k == ui::Kind::CommandButton || k == ui::Kind::CheckBox || k == ui::Kind::OptionButton ||
           k == ui::Kind::Label;
}

// The captions of the frames and the tab around the control, outermost first.
std::string Context(const ui::Control& c) {
    std::vector<std::string> parts;
    const ui::Control* child = &c;
    for (const ui::Control* k = c.Container(); k != nullptr; child = k, k = k->Container()) {
        if (k->GetKind() == ui::Kind::Frame) {
            parts.push_back(Clean(CaptionOf(*k)));
        } else if (k->GetKind() == ui::Kind::TabStrip && child->TabPage() >= 0) {
            parts.push_back(
                Clean(static_cast<const ui::TabStrip*>(k)->TabCaption(child->TabPage())));
        }
    }
    std::string out;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) Append(out, *it);
    return out;
}

struct Box {
    ui::Twips left, top, right, bottom;
};

Box BoxOf(const ui::Control& c) {
    return {c.Left(), c.Top(), c.Left() + c.Width(), c.Top() + c.Height()};
}

// Position on the form, column by column: the order in which repeated names are numbered
// (the bands of an equaliser row, the channels of a column of the overview).
std::pair<ui::Twips, ui::Twips> FormPosition(const ui::Control& c) {
    ui::Twips x = 0, y = 0;
    for (const ui::Control* k = &c; k != nullptr; k = k->Container()) {
        x += k->Left();
        y += k->Top();
    }
    return {x, y};
}

// Meters and pictures show values and curves: their place names them, not the labels
// around them (which show values too).
bool NamedByPlaceOnly(ui::Kind k) {
    return k == ui::Kind::ProgressBar || k == ui::Kind::PictureBox;
}

class Neighbours {
  public:
    explicit Neighbours(std::vector<ui::Control*> siblings) : siblings_(std::move(siblings)) {}

    // The nearest label left of c in its row; other controls in between are passed over
    // (the boxes of the bands before it in an equaliser row). Every label that decided the
    // outcome goes into used.
    const ui::Control* LeftLabel(const ui::Control& c,
                                 std::unordered_set<const ui::Control*>& used) const {
        const Box b = BoxOf(c);
        const ui::Control* best = nullptr;
        for (ui::Control* s : siblings_) {
            const Box o = BoxOf(*s);
            if (!TextLabel(*s) || o.right > b.left + kSlack) continue;
            if (o.top >= b.bottom || o.bottom <= b.top) continue;
            if (best == nullptr || o.right > BoxOf(*best).right) best = s;
        }
        if (best != nullptr) used.insert(best);
        return best;
    }

    // The label heading c's column: the nearest control above it that shares its width,
    // passing over sliders, value boxes and controls of c's own kind (a column of crosspoints,
    // a slider under its value box). A label much wider than what it heads heads several
    // columns and names none of them.
    const ui::Control* AboveLabel(const ui::Control& c,
                                  std::unordered_set<const ui::Control*>& used) const {
        const Box b = BoxOf(c);
        std::vector<ui::Control*> above;
        for (ui::Control* s : siblings_) {
            const Box o = BoxOf(*s);
            if (s == &c || o.bottom > b.top + kSlack || o.right <= b.left || o.left >= b.right) {
                continue;
            }
            if (s->GetKind() == ui::Kind::Line || s->GetKind() == ui::Kind::Shape) continue;
            above.push_back(s);
        }
        std::sort(above.begin(), above.end(), [](ui::Control* x, ui::Control* y) {
            return x->Top() + x->Height() > y->Top() + y->Height();
        });
        ui::Twips width = c.Width();
        for (ui::Control* s : above) {
            if (TextLabel(*s)) {
                used.insert(s);
                return s->Width() <= kHeadingWidth * width ? s : nullptr;
            }
            if (s->GetKind() == ui::Kind::Label) continue;
            const ui::Kind k = s->GetKind();
            if (k != ui::Kind::Slider && k != ui::Kind::TextBox && k != c.GetKind()) return nullptr;
            width = std::max(width, s->Width());
        }
        return nullptr;
    }

  private:
    static constexpr ui::Twips kSlack = 15;
    static constexpr ui::Twips kHeadingWidth = 3;

  public:
    // A label with a word or a number in it; the dots between the octet boxes of an address
    // name nothing.
    static bool TextLabel(ui::Control& c) {
        if (c.GetKind() != ui::Kind::Label || !c.Visible() || ClickableLabel(c)) return false;
        const std::string text = Clean(CaptionOf(c));
        return std::any_of(text.begin(), text.end(),
                           [](char ch) { return std::isalnum(static_cast<unsigned char>(ch)); });
    }

  private:
    std::vector<ui::Control*> siblings_;
};

}  // namespace

std::string ComposeName(const AccessibleName& name, const std::string& caption) {
    std::string out = name.prefix;
    Append(out, name.ownCaption ? Clean(caption) : name.base);
    if (name.captionAfter) Append(out, Clean(caption));
    Append(out, name.suffix);
    return out;
}

bool ClickableLabel(ui::Control& c) {
    return c.GetKind() == ui::Kind::Label && (c.On().Click || c.On().DblClick);
}

FormNames AccessibleNames(ui::Form& form) {
    // Siblings: the controls of one container and tab. Captions that repeat are counted
    // among the controls that are named by theirs.
    std::map<std::pair<const ui::Control*, int16_t>, std::vector<ui::Control*>> groups;
    std::map<std::string, int> captions;
    for (ui::Control* c : form.Controls()) {
        groups[{c->Container(), c->TabPage()}].push_back(c);
        const std::string caption = Clean(CaptionOf(*c));
        const bool named = c->GetKind() != ui::Kind::Label || ClickableLabel(*c);
        if (named && c->Purpose().empty() && CaptionedKind(c->GetKind()) && !caption.empty()) {
            ++captions[caption];
        }
    }

    FormNames out;
    std::unordered_set<const ui::Control*> used;
    auto& names = out.names;
    for (auto& [key, siblings] : groups) {
        const Neighbours around(siblings);
        for (ui::Control* c : siblings) {
            const bool clickable = ClickableLabel(*c);
            if (!NamedKind(c->GetKind()) && !clickable) continue;
            AccessibleName n;
            const std::string caption = Clean(CaptionOf(*c));
            if (!c->Purpose().empty()) {
                n.base = Clean(c->Purpose());
                n.captionAfter = c->PurposeWithCaption();
            } else if (CaptionedKind(c->GetKind()) && !caption.empty()) {
                n.ownCaption = true;
                if (captions[caption] > 1) n.prefix = Context(*c);
            } else {
                n.prefix = Context(*c);
                if (!NamedByPlaceOnly(c->GetKind())) {
                    if (const ui::Control* l = around.LeftLabel(*c, used)) {
                        Append(n.base, Clean(CaptionOf(*l)));
                    }
                    if (const ui::Control* l = around.AboveLabel(*c, used)) {
                        Append(n.base, Clean(CaptionOf(*l)));
                    }
                }
            }
            // A control that nothing around names (the one list of a small dialog) is named
            // by its window.
            if (!clickable && ComposeName(n, caption).empty()) n.base = Clean(form.Caption());
            names[c] = n;
        }
    }

    // Names that still repeat for controls of one kind are numbered; a control left without
    // any name gets no number either.
    std::map<std::pair<ui::Kind, std::string>, std::vector<const ui::Control*>> same;
    for (const auto& [c, n] : names)
        same[{c->GetKind(), ComposeName(n, CaptionOf(*c))}].push_back(c);
    for (auto& [key, controls] : same) {
        if (controls.size() < 2 || key.second.empty()) continue;
        std::sort(controls.begin(), controls.end(), [](const ui::Control* x, const ui::Control* y) {
            return std::tuple(FormPosition(*x), x->Index()) <
                   std::tuple(FormPosition(*y), y->Index());
        });
        for (size_t k = 0; k < controls.size(); ++k)
            names[controls[k]].suffix = std::to_string(k + 1);
    }
    for (ui::Control* c : form.Controls()) {
        if (Neighbours::TextLabel(*c) && used.count(c) == 0) out.idle.insert(c);
    }
    return out;
}

}  // namespace gui
