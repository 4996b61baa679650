#include "gui/ViewFactory.h"

#include "gui/ButtonViews.h"
#include "gui/ContainerViews.h"
#include "gui/LabelView.h"
#include "gui/ListViews.h"
#include "gui/PictureView.h"
#include "gui/RangeViews.h"
#include "gui/ShapeViews.h"
#include "gui/TextBoxView.h"

namespace gui {

namespace {

template <class View, class Model>
std::unique_ptr<ControlView> Make(FormWindow& owner, ui::Control& c) {
    return std::make_unique<View>(owner, static_cast<Model&>(c));
}

}  // namespace

std::unique_ptr<ControlView> MakeView(FormWindow& owner, ui::Control& c) {
    switch (c.GetKind()) {
        case ui::Kind::Label:
            return Make<LabelView, ui::Label>(owner, c);
        case ui::Kind::TextBox:
            return Make<TextBoxView, ui::TextBox>(owner, c);
        case ui::Kind::CommandButton:
            return Make<CommandButtonView, ui::CommandButton>(owner, c);
        case ui::Kind::CheckBox:
            return Make<CheckBoxView, ui::CheckBox>(owner, c);
        case ui::Kind::OptionButton:
            return Make<OptionButtonView, ui::OptionButton>(owner, c);
        case ui::Kind::ComboBox:
            return Make<ComboBoxView, ui::ComboBox>(owner, c);
        case ui::Kind::ListBox:
            return Make<ListBoxView, ui::ListBox>(owner, c);
        case ui::Kind::Frame:
            return Make<FrameView, ui::Frame>(owner, c);
        case ui::Kind::PictureBox:
            return Make<PictureView, ui::PictureBox>(owner, c);
        case ui::Kind::Line:
            return Make<LineView, ui::Line>(owner, c);
        case ui::Kind::Shape:
            return Make<ShapeView, ui::Shape>(owner, c);
        case ui::Kind::Slider:
            return Make<SliderView, ui::Slider>(owner, c);
        case ui::Kind::UpDown:
            return Make<UpDownView, ui::UpDown>(owner, c);
        case ui::Kind::TabStrip:
            return Make<TabStripView, ui::TabStrip>(owner, c);
        case ui::Kind::ProgressBar:
            return Make<ProgressBarView, ui::ProgressBar>(owner, c);
        case ui::Kind::Toolbar:
            return Make<ToolbarView, ui::Toolbar>(owner, c);
        case ui::Kind::Timer:
            return nullptr;
    }
    return nullptr;
}

}  // namespace gui
