// The names a screen reader gives the controls of a form, made from what the form shows: a
// control's own caption, or the captions of the frames and tab it sits in with the label left
// of it in its row and the label heading its column (a label without a word or number, like
// the dots between address boxes, names nothing); a control nothing around names takes the
// window's caption. A name that would repeat within the window is told apart, first by the
// frames and tab around the control, then by a number in order of place, column by column
// (band 1 to 5 of an equaliser row). A control whose caption shows a value, a user's name or a
// bare number is named by the purpose its form gives it instead ("Switch 3", followed by its
// caption where that is a value or a name), so its number is its own whatever the captions
// around it show. Captions are read up to their first NUL byte. Labels that only show a text
// keep their text; the labels that act on a click are named like buttons.
#pragma once

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace ui {
class Control;
class Form;
}  // namespace ui

namespace gui {

struct AccessibleName {
    std::string prefix;         // frames and tab, when the caption alone would repeat
    std::string base;           // its purpose, or the labels found for one without a caption
    std::string suffix;         // the number that tells repeated names apart
    bool ownCaption = false;    // the control's caption takes the place of base
    bool captionAfter = false;  // the control's caption follows base
};

// The name, with the control's caption where the name follows it.
std::string ComposeName(const AccessibleName& name, const std::string& caption);

// A label that acts on a click or a double click.
bool ClickableLabel(ui::Control& c);

struct FormNames {
    // The names of the controls a person acts on (and of the clickable labels).
    std::unordered_map<const ui::Control*, AccessibleName> names;
    // Labels showing a text that no name is made of: their caption may change (a meter's
    // reading) without changing any name.
    std::unordered_set<const ui::Control*> idle;
};

FormNames AccessibleNames(ui::Form& form);

}  // namespace gui
