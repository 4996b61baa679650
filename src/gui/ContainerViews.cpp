#include "gui/ContainerViews.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPainter>
#include <QTabBar>
#include <functional>
#include <utility>

#include "gui/Cp1252.h"
#include "gui/Look.h"

namespace gui {

namespace {

// A group box drawn as an etched line with the caption on it, over the frame's own face
// colour (so the controls inside blend in); without border only the face is painted.
class FrameWidget : public QGroupBox {
  public:
    void SetBorder(bool border) {
        border_ = border;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!border_) return;
        QPainter p(this);
        const QFontMetrics metrics(font());
        const int top = metrics.height() / 2;
        const QRect line = rect().adjusted(0, top, -2, -2);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(line);
        p.setPen(palette().color(QPalette::Light));
        p.drawRect(line.translated(1, 1));
        if (title().isEmpty()) return;
        const QRect text(6, 0, metrics.horizontalAdvance(title()) + 4, metrics.height());
        p.fillRect(text, palette().color(QPalette::Window));
        p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                 QPalette::WindowText));
        p.drawText(text, Qt::AlignCenter | Qt::TextShowMnemonic, title());
    }

  private:
    bool border_ = true;
};

// The tab bar: Enter on the focused tab is given to enter, which returns whether it took it.
class TabBar : public QTabBar {
  public:
    TabBar(QWidget* parent, std::function<bool()> enter)
        : QTabBar(parent), enter_(std::move(enter)) {}

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        const bool isEnter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (isEnter && plain && enter_()) return;
        QTabBar::keyPressEvent(e);
    }

  private:
    std::function<bool()> enter_;
};

// The tab strip: the tab bar along the top, a panel below it, and one page per tab that
// covers the whole strip (children keep the strip's coordinates) under the bar.
class TabStripWidget : public QWidget {
  public:
    explicit TabStripWidget(std::function<bool()> enter)
        : bar_(new TabBar(this, std::move(enter))) {
        bar_->setExpanding(true);
        bar_->setUsesScrollButtons(true);
        bar_->setDrawBase(false);
    }

    QTabBar* Bar() const { return bar_; }

    QWidget* Page(int16_t page) {
        while (static_cast<int>(pages_.size()) <= page) {
            auto* p = new QWidget(this);
            p->setObjectName(QStringLiteral("page%1").arg(pages_.size()));
            p->setGeometry(rect());
            p->hide();
            pages_.push_back(p);
            bar_->raise();
        }
        return pages_[static_cast<size_t>(page)];
    }

    void ShowPage(int16_t current) {
        for (size_t i = 0; i < pages_.size(); ++i) {
            pages_[i]->setVisible(static_cast<int16_t>(i) == current);
        }
    }

  protected:
    void resizeEvent(QResizeEvent*) override {
        bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
        for (QWidget* p : pages_) p->setGeometry(rect());
    }
    void paintEvent(QPaintEvent*) override {
        // The panel has the strip's face colour, so the controls on it blend in.
        QPainter painter(this);
        const QRect panel = rect().adjusted(0, bar_->height() - 1, -1, -1);
        painter.fillRect(panel, palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(panel);
    }

  private:
    QTabBar* bar_;
    std::vector<QWidget*> pages_;
};

}  // namespace

FrameView::FrameView(FormWindow& owner, ui::Frame& frame) : ControlView(owner, frame) {
    SetWidget(new FrameWidget);
}

QWidget* FrameView::ChildArea(int16_t page) {
    (void)page;
    return Widget();
}

void FrameView::Apply(ui::Prop p) {
    auto* w = static_cast<FrameWidget*>(Widget());
    if (p == ui::Prop::Caption) {
        w->setTitle(ShownText(Model().Caption()));
    } else if (p == ui::Prop::Style) {
        w->SetBorder(Model().BorderStyle() != 0);
    }
}

ToolbarView::ToolbarView(FormWindow& owner, ui::Toolbar& bar) : ControlView(owner, bar) {
    SetWidget(new QWidget);
}

QWidget* ToolbarView::ChildArea(int16_t page) {
    (void)page;
    return Widget();
}

TabStripView::TabStripView(FormWindow& owner, ui::TabStrip& tabs) : ControlView(owner, tabs) {
    // Enter on the current tab does what a double click on it does, where that does anything.
    auto* w = new TabStripWidget([this] {
        if (Control() == nullptr || !Control()->On().DblClick) return false;
        DoubleClick();
        return true;
    });
    SetWidget(w);
    QTabBar* bar = w->Bar();
    QObject::connect(bar, &QTabBar::currentChanged, bar, [this](int t) {
        if (Syncing() || t < 0) return;
        Act([this, t] { Model().UserSelectTab(static_cast<int16_t>(t)); }, ui::Prop::Tab);
    });
    QObject::connect(bar, &QTabBar::tabBarDoubleClicked, bar, [this] { DoubleClick(); });
}

void TabStripView::DoubleClick() {
    Act([this] { Model().UserDblClick(); }, ui::Prop::Tab);
}

QTabBar* TabStripView::Bar() const {
    return static_cast<TabStripWidget*>(Widget())->Bar();
}

QWidget* TabStripView::ChildArea(int16_t page) {
    QWidget* area = static_cast<TabStripWidget*>(Widget())->Page(page < 0 ? 0 : page);
    if (Control() != nullptr) ShowCurrentPage();
    return area;
}

void TabStripView::Apply(ui::Prop p) {
    switch (p) {
        case ui::Prop::Caption:
            ApplyTabs();
            break;
        case ui::Prop::Tab:
            Bar()->setCurrentIndex(Model().Tab());
            ShowCurrentPage();
            break;
        case ui::Prop::Font:
            Bar()->setFont(Widget()->font());
            break;
        default:
            break;
    }
}

void TabStripView::ApplyTabs() {
    QTabBar* bar = Bar();
    const ui::TabStrip& tabs = Model();
    while (bar->count() > tabs.Tabs()) bar->removeTab(bar->count() - 1);
    while (bar->count() < tabs.Tabs()) bar->addTab(QString());
    for (int16_t t = 0; t < tabs.Tabs(); ++t) {
        const QString text = ShownText(tabs.TabCaption(t));
        bar->setTabText(t, text);
        // A tab that shows no caption is read by its place.
        bar->setAccessibleTabName(
            t, text.trimmed().isEmpty() ? QStringLiteral("Tab %1").arg(t + 1) : QString());
        bar->setTabEnabled(t, tabs.TabEnabled(t));
    }
    bar->setCurrentIndex(tabs.Tab());
    bar->setGeometry(0, 0, Widget()->width(), bar->sizeHint().height());
    ShowCurrentPage();
}

void TabStripView::ShowCurrentPage() {
    static_cast<TabStripWidget*>(Widget())->ShowPage(Model().Tab());
}

void TabStripView::ApplyColors() {
    ControlView::ApplyColors();
    Widget()->setAutoFillBackground(false);
}

}  // namespace gui
