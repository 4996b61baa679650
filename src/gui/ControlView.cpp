#include "gui/ControlView.h"

#include "gui/Cp1252.h"
#include "gui/FormWindow.h"
#include "gui/Geometry.h"
#include "gui/Look.h"
#include "gui/QtHost.h"
#include "ui/Caption.h"

namespace gui {

ControlView::ControlView(FormWindow& owner, ui::Control& control)
    : owner_(owner), control_(&control) {}

ControlView::~ControlView() {
    delete widget_.data();
}

void ControlView::SetWidget(QWidget* w) {
    widget_ = w;
    w->setObjectName(QString::fromStdString(control_->Path()));
    w->setFont(DefaultFont());
}

void ControlView::ReplaceWidget(QWidget* fresh) {
    QWidget* old = widget_;
    SetWidget(fresh);
    if (old != nullptr) {
        fresh->setParent(old->parentWidget());
        fresh->stackUnder(old);
        old->hide();
        owner_.WidgetReplaced(old, *this);
        owner_.Host().RetireWidget(old);
    }
    fresh->setGeometry(PixelRect(*control_));
    ApplyAll();
}

void ControlView::Detach() {
    if (control_ != nullptr && control_->Peer() == this) control_->SetPeer(nullptr);
    control_ = nullptr;
}

void ControlView::Changed(ui::Control& c, ui::Prop p) {
    (void)c;
    Refresh(p);
}

void ControlView::Destroyed(ui::Control& c) {
    control_ = nullptr;
    owner_.ControlGone(*this, c);
}

void ControlView::Act(const std::function<void()>& action, ui::Prop after) {
    if (control_ == nullptr) return;
    owner_.Host().Deliver(action);
    Refresh(after);
}

void ControlView::SetAccessibleName(const AccessibleName& name) {
    name_ = name;
    named_ = true;
    ApplyName();
}

void ControlView::ApplyName() {
    if (!named_ || control_ == nullptr || widget_ == nullptr) return;
    NameWidget(ShownText(ComposeName(name_, ui::CaptionOf(*control_))));
}

void ControlView::NameWidget(const QString& name) {
    // Naming again with the same name tells assistive technology nothing.
    if (widget_->accessibleName() != name) widget_->setAccessibleName(name);
}

void ControlView::ApplyAll() {
    using ui::Prop;
    for (Prop p : {Prop::Font, Prop::Colors, Prop::Style, Prop::Range, Prop::List, Prop::Caption,
                   Prop::Text, Prop::Value, Prop::ListIndex, Prop::Tab, Prop::Drawing,
                   Prop::ToolTip, Prop::Enabled, Prop::Geometry, Prop::Visible}) {
        Refresh(p);
    }
}

void ControlView::Refresh(ui::Prop p) {
    if (control_ == nullptr || widget_ == nullptr) return;
    ++syncing_;
    switch (p) {
        case ui::Prop::Geometry:
            ApplyGeometry();
            owner_.ControlMoved();
            break;
        case ui::Prop::Visible:
            widget_->setVisible(control_->Visible());
            owner_.ControlMoved();
            break;
        case ui::Prop::Enabled:
            widget_->setEnabled(control_->Enabled());
            break;
        case ui::Prop::ToolTip:
            widget_->setToolTip(ShownText(control_->ToolTipText()));
            break;
        case ui::Prop::Font:
            widget_->setFont(FontOf(control_->FontSize(), control_->FontBold()));
            Apply(p);
            break;
        case ui::Prop::Colors:
            ApplyColors();
            break;
        case ui::Prop::ZOrder:
            owner_.Restack(widget_->parentWidget());
            break;
        case ui::Prop::Container:
            owner_.Place(*this);
            break;
        case ui::Prop::Focus:
            widget_->setFocus();
            break;
        case ui::Prop::Caption:
            Apply(p);
            ApplyName();
            owner_.CaptionChanged(control_);
            break;
        default:
            Apply(p);
            break;
    }
    --syncing_;
}

void ControlView::ApplyColors() {
    SetColors(widget_, QPalette::Window, QPalette::WindowText, control_->BackColor(),
              control_->ForeColor(), true);
}

void ControlView::ApplyGeometry() {
    widget_->setGeometry(PixelRect(*control_));
}

}  // namespace gui
