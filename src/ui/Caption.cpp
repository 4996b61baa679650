#include "ui/Caption.h"

#include "ui/Buttons.h"
#include "ui/Containers.h"
#include "ui/Label.h"

namespace ui {

const std::string& CaptionOf(const Control& c) {
    static const std::string kNone;
    switch (c.GetKind()) {
        case Kind::Label:
            return static_cast<const Label&>(c).Caption();
        case Kind::CommandButton:
            return static_cast<const CommandButton&>(c).Caption();
        case Kind::CheckBox:
            return static_cast<const CheckBox&>(c).Caption();
        case Kind::OptionButton:
            return static_cast<const OptionButton&>(c).Caption();
        case Kind::Frame:
            return static_cast<const Frame&>(c).Caption();
        default:
            return kNone;
    }
}

}  // namespace ui
