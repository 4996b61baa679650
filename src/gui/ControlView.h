// The base of every control's on-screen view: it owns the Qt widget that shows one control,
// mirrors the control's properties into it as they change, and hands what the person does
// with the widget to the control's User... methods.
#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "gui/AccessibleNames.h"
#include "ui/Control.h"
#include "ui/Peer.h"

namespace gui {

class FormWindow;

class ControlView : public ui::ControlPeer {
  public:
    ControlView(FormWindow& owner, ui::Control& control);
    ~ControlView() override;
    ControlView(const ControlView&) = delete;
    ControlView& operator=(const ControlView&) = delete;

    // The control shown; nullptr once it is gone or its form was unloaded.
    ui::Control* Control() const { return control_; }
    QWidget* Widget() const { return widget_; }
    FormWindow& Owner() const { return owner_; }

    // Containers: the widget that holds the controls on `page` (a tab of a tab strip).
    virtual QWidget* ChildArea(int16_t page) {
        (void)page;
        return nullptr;
    }
    // Labels, lines and shapes are painted on their container, behind every other control.
    virtual bool Lightweight() const { return false; }

    // Mirrors every property but the placement, which the form window does.
    void ApplyAll();
    void Refresh(ui::Prop p);
    // Forgets the control; the widget stays on screen until the view is retired.
    void Detach();

    void Changed(ui::Control& c, ui::Prop p) override;
    void Destroyed(ui::Control& c) override;

    // The name assistive technology gives the control; one that follows the caption is
    // renewed whenever the caption changes (and the form window names every control again
    // after any caption changed, so that names made of labels and frames follow them too).
    void SetAccessibleName(const AccessibleName& name);

    // Runs a person's action on the control (nothing when it is gone), then mirrors `after`
    // again, since the control may have refused the action.
    void Act(const std::function<void()>& action, ui::Prop after);

  protected:
    void SetWidget(QWidget* w);
    // Replaces the widget (a style change needs another kind of widget).
    void ReplaceWidget(QWidget* fresh);

    virtual void Apply(ui::Prop p) { (void)p; }
    // Puts the name on the widget (and on the parts of a widget made of several).
    virtual void NameWidget(const QString& name);
    virtual void ApplyColors();
    virtual void ApplyGeometry();

    // True while the view itself updates the widget: widget signals are then not the person's.
    bool Syncing() const { return syncing_ > 0; }

  private:
    void ApplyName();

    FormWindow& owner_;
    ui::Control* control_;
    QPointer<QWidget> widget_;
    int syncing_ = 0;
    AccessibleName name_;
    bool named_ = false;
};

}  // namespace gui
