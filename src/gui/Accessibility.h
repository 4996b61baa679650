// What assistive technology sees of the front end's own widgets. A widget that a person acts
// on with one press (a label that acts on a click, an option button) offers that press as its
// accessible action, and the press takes the same way into the form as a mouse click. A combo
// box is read by its name, like every other control, and its value separately (Qt on Linux
// would read the value as its name). A read-only line editor is read as the text it shows,
// one that cannot be edited (Qt would call it editable all the same).
#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

namespace gui {

class Pressable {
  public:
    virtual ~Pressable() = default;
    virtual QAccessible::Role PressRole() const = 0;
    // Acts as a click of the mouse does.
    virtual void Press() = 0;
    virtual bool Checkable() const { return false; }
    virtual bool Checked() const { return false; }
};

// The combo box of a control, named by the accessible name it is given.
class NamedComboBox : public QComboBox {};

// The line editor of a box that takes no typing; the view keeps it read-only.
class ReadOnlyLineEdit : public QLineEdit {};

// Makes the accessible interfaces of Pressable widgets, NamedComboBoxes and ReadOnlyLineEdits;
// once per process.
void InstallAccessibility();

}  // namespace gui
