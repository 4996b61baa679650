#include "gui/FormWindow.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

#include "gui/ControlView.h"
#include "gui/Cp1252.h"
#include "gui/FormWidgets.h"
#include "gui/Geometry.h"
#include "gui/Look.h"
#include "gui/QtHost.h"

namespace gui {

FormWindow::FormWindow(QtHost& host, ui::Form& form) : host_(host), form_(&form) {}

FormWindow::~FormWindow() {
    if (form_ != nullptr && form_->Peer() == this) form_->SetPeer(nullptr);
    form_ = nullptr;
    for (auto& [control, view] : views_) view->Detach();
    views_.clear();
    delete Window();
}

QWidget* FormWindow::Window() const {
    if (main_ != nullptr) return main_;
    if (sub_ != nullptr) return sub_;
    return surface_;
}

QWidget* FormWindow::Surface() const {
    return surface_;
}

QMdiArea* FormWindow::MdiArea() const {
    return mdi_;
}

void FormWindow::Create(bool modal) {
    // Views left from widgets that went away with another window (an MDI subwindow whose
    // main window was deleted) are made afresh.
    for (auto& [control, view] : views_) view->Detach();
    views_.clear();
    byWidget_.clear();
    const ui::FormKind kind = form_->GetFormKind();
    if (kind == ui::FormKind::MdiMain) {
        main_ = new MainWindow(*this);
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        surface_ = new FormSurface(*this, FormSurface::Role::Bar);
        mdi_ = new QMdiArea;
        // Subwindows larger than the area (an editor on a small screen) are scrolled to.
        mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        layout->addWidget(surface_);
        layout->addWidget(mdi_, 1);
        main_->setCentralWidget(central);
        QObject::connect(mdi_, &QMdiArea::subWindowActivated, mdi_,
                         [this](QMdiSubWindow* s) { host_.SubWindowActivated(s); });
        BindWindowKeys();
    } else if (kind == ui::FormKind::MdiChild && !modal && host_.MdiArea() != nullptr) {
        surface_ = new FormSurface(*this, FormSurface::Role::SubWindow);
        sub_ = host_.MdiArea()->addSubWindow(surface_);
        sub_->setAttribute(Qt::WA_DeleteOnClose, false);
        sub_->installEventFilter(surface_);
        LeaveCloseKeyToMain();
    } else {
        surface_ = new FormSurface(*this, FormSurface::Role::Window);
    }
    surface_->setObjectName(QString::fromStdString(form_->Name()));
    surface_->setFont(DefaultFont());
    Build();
    form_->SetPeer(this);
    for (ui::Prop p :
         {ui::Prop::Caption, ui::Prop::Colors, ui::Prop::Enabled, ui::Prop::MousePointer}) {
        Changed(*form_, p);
    }
}

void FormWindow::Prepare() {
    if (surface_ == nullptr && form_ != nullptr) Create(false);
}

void FormWindow::Show(bool modal) {
    if (surface_ == nullptr) Create(modal);
    if (form_ == nullptr) return;
    QWidget* window = Window();
    if (window == surface_) {
        const bool wasModal = surface_->windowModality() != Qt::NonModal;
        if (surface_->isVisible() && wasModal != modal) surface_->hide();
        if (!surface_->isVisible()) {
            surface_->setWindowFlag(Qt::Dialog, modal);
            surface_->setWindowFlag(Qt::WindowMaximizeButtonHint, form_->Sizable() && !modal);
            surface_->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
            SetOwnerWindow(modal ? QApplication::activeWindow() : nullptr);
        }
    }
    if (!shownOnce_) {
        shownOnce_ = true;
        PlaceOnScreen();
    }
    ApplyGeometry();
    ++applying_;
    window->show();
    --applying_;
    ApplyWindowState();
    Raise();
    SyncFocus();
}

void FormWindow::Raise() {
    QWidget* window = Window();
    window->raise();
    if (sub_ != nullptr && sub_->mdiArea() != nullptr) {
        sub_->mdiArea()->setActiveSubWindow(sub_);
    } else {
        window->activateWindow();
    }
}

void FormWindow::SetOwnerWindow(QWidget* over) {
    // A dialog stays above the window it was opened from, without belonging to it.
    if (over == surface_) over = nullptr;
    surface_->winId();
    if (over != nullptr) over->winId();
    surface_->windowHandle()->setTransientParent(over != nullptr ? over->windowHandle() : nullptr);
}

void FormWindow::PlaceOnScreen() {
    if (sub_ != nullptr) {
        Cascade();
        return;
    }
    // A top-level window whose form keeps no position is centred on the window it belongs to
    // (a dialog) or on the screen, and the form takes that position.
    if (Window() != surface_ || form_->Left() != 0 || form_->Top() != 0) return;
    const QWindow* over = surface_->windowHandle()->transientParent();
    const QRect area = over != nullptr ? over->frameGeometry()
                                       : QGuiApplication::primaryScreen()->availableGeometry();
    const QSize client = ClientSize();
    const QPoint pos = area.center() - QPoint(client.width() / 2, client.height() / 2);
    form_->Move(ToTwips(std::max(0, pos.x())), ToTwips(std::max(0, pos.y())), form_->Width(),
                form_->Height());
}

void FormWindow::Cascade() {
    // A subwindow that would open exactly over another window of its form (a second editor)
    // moves down and right by a title bar's height until it covers none, and the form takes
    // that position. Other windows standing there are no reason to move; a window that fits
    // inside the area where it is stays there rather than reach out of it.
    const QPoint own(ToPixels(form_->Left()), ToPixels(form_->Top()));
    const QSize frame = ClientSize().grownBy(sub_->contentsMargins());
    const QRect area = sub_->mdiArea()->viewport()->rect();
    const bool fits = area.contains(QRect(own, frame));
    const int step = sub_->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub_);
    const QList<QMdiSubWindow*> others = sub_->mdiArea()->subWindowList();
    const auto covered = [&](QPoint pos) {
        return std::any_of(others.begin(), others.end(), [&](const QMdiSubWindow* o) {
            return o != sub_ && o->isVisible() && o->widget() != nullptr &&
                   o->widget()->objectName() == surface_->objectName() && o->pos() == pos;
        });
    };
    QPoint pos = own;
    while (covered(pos)) pos += QPoint(step, step);
    if (pos == own || (fits && !area.contains(QRect(pos, frame)))) return;
    form_->Move(ToTwips(pos.x()), ToTwips(pos.y()), form_->Width(), form_->Height());
}

void FormWindow::Hide() {
    if (Window() != nullptr) Window()->hide();
}

void FormWindow::Unloaded() {
    for (auto& [control, view] : views_) view->Detach();
    if (form_ != nullptr && form_->Peer() == this) form_->SetPeer(nullptr);
    form_ = nullptr;
    Hide();
}

bool FormWindow::NormalState() const {
    const QWidget* w = Window();
    return w != nullptr && !(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

QSize FormWindow::ClientSize() const {
    return {ToPixels(form_->ScaleWidth()), ToPixels(form_->ScaleHeight())};
}

void FormWindow::ApplyGeometry() {
    if (form_ == nullptr || surface_ == nullptr || !NormalState()) return;
    ++applying_;
    const QSize client = ClientSize();
    const QPoint pos(ToPixels(form_->Left()), ToPixels(form_->Top()));
    if (main_ != nullptr) {
        main_->resize(client);
        main_->move(pos);
    } else {
        if (form_->Sizable()) {
            surface_->setMinimumSize(0, 0);
            surface_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else {
            surface_->setFixedSize(client);
        }
        if (sub_ != nullptr) {
            sub_->setGeometry(QRect(pos, client.grownBy(sub_->contentsMargins())));
        } else {
            surface_->resize(client);
            surface_->move(pos);
        }
    }
    --applying_;
}

void FormWindow::ApplyWindowState() {
    QWidget* w = Window();
    if (form_ == nullptr || w == nullptr) return;
    Qt::WindowStates state = w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (form_->WindowState() == ui::vbMinimized) state |= Qt::WindowMinimized;
    if (form_->WindowState() == ui::vbMaximized) state |= Qt::WindowMaximized;
    if (state == w->windowState()) return;
    ++applying_;
    w->setWindowState(state);
    --applying_;
    ApplyGeometry();
}

void FormWindow::ApplyColors() {
    SetColors(surface_, QPalette::Window, QPalette::WindowText, form_->BackColor(),
              ui::vbButtonText, true);
}

void FormWindow::Changed(ui::Form& f, ui::Prop p) {
    (void)f;
    QWidget* w = Window();
    if (form_ == nullptr || w == nullptr) return;
    switch (p) {
        case ui::Prop::Caption:
            w->setWindowTitle(ShownText(form_->Caption()));
            CaptionChanged(nullptr);
            break;
        case ui::Prop::Geometry:
            ApplyGeometry();
            break;
        case ui::Prop::Enabled:
            w->setEnabled(form_->Enabled());
            break;
        case ui::Prop::Colors:
            ApplyColors();
            break;
        case ui::Prop::MousePointer:
            if (form_->MousePointer() == ui::vbDefault) {
                w->unsetCursor();
            } else {
                w->setCursor(CursorOf(form_->MousePointer()));
            }
            break;
        case ui::Prop::WindowState:
            ApplyWindowState();
            break;
        default:
            break;
    }
}

void FormWindow::UserResized(QSize client) {
    if (applying_ > 0 || form_ == nullptr || !NormalState() || client == ClientSize()) return;
    ui::Form* f = form_;
    const ui::Twips width = ToTwips(client.width()) + ui::Form::kFrameWidth;
    const ui::Twips height = ToTwips(client.height()) + ui::Form::kFrameHeight;
    host_.Deliver([f, width, height] { f->UserResize(width, height); });
    // The form may have kept or snapped its size: the window shows what the form has.
    QTimer::singleShot(0, surface_, [this] { ApplyGeometry(); });
}

void FormWindow::UserMoved(QPoint pos) {
    if (applying_ > 0 || form_ == nullptr || !NormalState() || !Window()->isVisible()) return;
    const ui::Twips left = ToTwips(pos.x());
    const ui::Twips top = ToTwips(pos.y());
    if (left == form_->Left() && top == form_->Top()) return;
    form_->Move(left, top, form_->Width(), form_->Height());
}

bool FormWindow::UserClosing() {
    if (form_ == nullptr) return true;
    ui::Form* f = form_;
    bool closed = false;
    host_.Deliver([f, &closed] { closed = f->UserClose(); });
    return closed;
}

void FormWindow::UserStateChanged(Qt::WindowStates s) {
    if (applying_ > 0 || form_ == nullptr) return;
    int16_t state = ui::vbNormal;
    if (s & Qt::WindowMinimized) state = ui::vbMinimized;
    if (s & Qt::WindowMaximized) state = ui::vbMaximized;
    if (state == form_->WindowState()) return;
    ui::Form* f = form_;
    host_.Deliver([f, state] {
        if (state == ui::vbMinimized) {
            f->UserMinimize();
        } else {
            f->SetWindowState(state);
        }
    });
    QTimer::singleShot(0, surface_, [this] { ApplyGeometry(); });
}

void FormWindow::Activated() {
    if (form_ == nullptr) return;
    if (mdi_ != nullptr && mdi_->activeSubWindow() != nullptr) {
        host_.SubWindowActivated(mdi_->activeSubWindow());
    } else {
        host_.Activate(form_);
    }
}

}  // namespace gui
