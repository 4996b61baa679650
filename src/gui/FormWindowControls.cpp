// The controls of a form window: one view per control, placed in its container in z-order,
// and the keyboard focus and default buttons of the form.
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <set>
#include <vector>

#include "gui/ControlView.h"
#include "gui/FormWidgets.h"
#include "gui/FormWindow.h"
#include "gui/Geometry.h"
#include "gui/QtHost.h"
#include "gui/ViewFactory.h"
#include "ui/Buttons.h"
#include "ui/Control.h"

namespace gui {

ControlView* FormWindow::AddView(ui::Control& c) {
    std::unique_ptr<ControlView> view = MakeView(*this, c);
    if (view == nullptr) return nullptr;
    ControlView* v = view.get();
    v->Widget()->setParent(surface_);
    byWidget_[v->Widget()] = v;
    views_[&c] = std::move(view);
    return v;
}

void FormWindow::Build() {
    std::vector<std::pair<ui::Control*, ControlView*>> made;
    for (ui::Control* c : form_->Controls()) {
        if (ControlView* v = AddView(*c)) made.emplace_back(c, v);
    }
    // Containers may come after their children in the list, so placing waits until every
    // widget exists.
    for (auto& [c, v] : made) {
        v->ApplyAll();
        Place(*v, false);
        c->SetPeer(v);
    }
    RestackAll();
    ControlMoved();
    NameControls();
}

void FormWindow::NameControls() {
    FormNames named = AccessibleNames(*form_);
    idleLabels_ = std::move(named.idle);
    for (const auto& [control, name] : named.names) {
        if (ControlView* v = ViewOf(*control)) v->SetAccessibleName(name);
    }
}

void FormWindow::CaptionChanged(const ui::Control* c) {
    if (renaming_ || surface_ == nullptr || idleLabels_.count(c) != 0) return;
    renaming_ = true;
    QTimer::singleShot(0, surface_, [this] {
        renaming_ = false;
        if (form_ != nullptr) NameControls();
    });
}

void FormWindow::ControlAdded(ui::Form& f, ui::Control& c) {
    (void)f;
    if (surface_ == nullptr || views_.count(&c) != 0) return;
    ControlView* v = AddView(c);
    if (v == nullptr) return;
    v->ApplyAll();
    Place(*v, false);
    c.SetPeer(v);
    Restack(v->Widget()->parentWidget());
    NameControls();
}

ControlView* FormWindow::ViewOf(const ui::Control& c) const {
    const auto it = views_.find(&c);
    return it == views_.end() ? nullptr : it->second.get();
}

ControlView* FormWindow::ViewAt(QWidget* w) const {
    for (; w != nullptr && w != surface_; w = w->parentWidget()) {
        const auto it = byWidget_.find(w);
        if (it != byWidget_.end()) return it->second;
    }
    return nullptr;
}

QWidget* FormWindow::AreaFor(const ui::Control& c) const {
    if (c.Container() != nullptr) {
        if (ControlView* holder = ViewOf(*c.Container())) {
            if (QWidget* area = holder->ChildArea(c.TabPage())) return area;
        }
    }
    return surface_;
}

void FormWindow::Place(ControlView& v, bool restack) {
    QWidget* w = v.Widget();
    if (v.Control() == nullptr || w == nullptr) return;
    QWidget* area = AreaFor(*v.Control());
    if (w->parentWidget() != area) {
        w->setParent(area);
        if (restack) Restack(area);
    }
    v.Refresh(ui::Prop::Geometry);
    v.Refresh(ui::Prop::Visible);
}

void FormWindow::Restack(QWidget* area) {
    if (area == nullptr || form_ == nullptr) return;
    std::vector<QWidget*> front;
    for (ui::Control* c : form_->Controls()) {
        ControlView* v = ViewOf(*c);
        if (v == nullptr || v->Widget() == nullptr || v->Widget()->parentWidget() != area) {
            continue;
        }
        // Labels, lines and shapes are painted on the container, under every other control.
        if (v->Lightweight()) {
            v->Widget()->raise();
        } else {
            front.push_back(v->Widget());
        }
    }
    for (QWidget* w : front) w->raise();
}

void FormWindow::RestackAll() {
    std::set<QWidget*> areas;
    for (auto& [c, v] : views_) {
        if (v->Widget() != nullptr) areas.insert(v->Widget()->parentWidget());
    }
    for (QWidget* area : areas) Restack(area);
}

void FormWindow::ControlMoved() {
    // The main window's bar is as high as the controls placed directly on the main form.
    if (main_ == nullptr || form_ == nullptr || surface_ == nullptr) return;
    int height = 0;
    for (ui::Control* c : form_->Controls()) {
        if (c->Container() == nullptr && c->Visible() && ViewOf(*c) != nullptr) {
            height = std::max(height, ToPixels(c->Top() + c->Height()));
        }
    }
    surface_->setFixedHeight(height);
}

void FormWindow::ControlGone(ControlView& v, const ui::Control& c) {
    idleLabels_.erase(&c);
    // Controls still inside a container that goes away move to the form, out of sight.
    for (auto& [other, view] : views_) {
        if (view.get() != &v && view->Control() != nullptr && view->Control()->Container() == &c &&
            view->Widget() != nullptr) {
            view->Widget()->hide();
            view->Widget()->setParent(surface_);
        }
    }
    if (v.Widget() != nullptr) {
        byWidget_.erase(v.Widget());
        v.Widget()->hide();
    }
    const auto it = views_.find(&c);
    if (it == views_.end()) return;
    std::shared_ptr<ControlView> retired(std::move(it->second));
    views_.erase(it);
    host_.Retire(std::move(retired));
}

void FormWindow::WidgetReplaced(QWidget* old, ControlView& v) {
    byWidget_.erase(old);
    byWidget_[v.Widget()] = &v;
}

bool FormWindow::PressDefault(bool cancel) {
    if (form_ == nullptr) return false;
    for (ui::Control* c : form_->Controls()) {
        if (c->GetKind() != ui::Kind::CommandButton) continue;
        auto* b = static_cast<ui::CommandButton*>(c);
        if ((cancel ? b->Cancel() : b->Default()) && b->Usable()) {
            host_.Deliver([b] { b->UserClick(); });
            return true;
        }
    }
    return false;
}

void FormWindow::SyncFocus() {
    if (form_ == nullptr || form_->Focused() == nullptr) return;
    ControlView* v = ViewOf(*form_->Focused());
    if (v == nullptr || v->Widget() == nullptr) return;
    QWidget* w = v->Widget();
    if (!w->isVisible() || !w->isEnabled() || w->hasFocus() ||
        w->isAncestorOf(QApplication::focusWidget()))
        return;
    w->setFocus();
}

}  // namespace gui
