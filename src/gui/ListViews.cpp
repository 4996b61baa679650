#include "gui/ListViews.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "gui/Accessibility.h"
#include "gui/Cp1252.h"
#include "gui/FormWindow.h"
#include "gui/Input.h"
#include "gui/Look.h"

namespace gui {

namespace {

// The editor of an editable combo box: typed characters go to the control; list moves (Up,
// Down, Page keys, Alt+Down, F4) go on to the combo box, which picks the item.
class ComboEditor : public QLineEdit {
  public:
    explicit ComboEditor(ComboBoxView& view) : view_(view) {
        setContextMenuPolicy(Qt::NoContextMenu);
        setDragEnabled(false);
        setAcceptDrops(false);
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (view_.Key(*e)) return;
        switch (e->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_F4:
                e->ignore();
                return;
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
                QLineEdit::keyPressEvent(e);
                return;
            default:
                e->ignore();
                return;
        }
    }

  private:
    ComboBoxView& view_;
};

// The widget of a list box: a left press on the row already selected, which changes nothing
// in the widget, and the keys that pick the current row go to the view.
class ListWidget : public QListWidget {
  public:
    explicit ListWidget(ListBoxView& view) : view_(view) {}

  protected:
    void mousePressEvent(QMouseEvent* e) override {
        const int row = indexAt(e->position().toPoint()).row();
        const bool again = e->button() == Qt::LeftButton && view_.HoldsRow(row);
        QListWidget::mousePressEvent(e);
        if (again) view_.Pick(row);
    }
    void keyPressEvent(QKeyEvent* e) override {
        if (!view_.Key(*e)) QListWidget::keyPressEvent(e);
    }

  private:
    ListBoxView& view_;
};

}  // namespace

ComboBoxView::ComboBoxView(FormWindow& owner, ui::ComboBox& combo) : ControlView(owner, combo) {
    auto* w = new NamedComboBox;
    SetWidget(w);
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setMaxVisibleItems(20);
    QObject::connect(w, &QComboBox::activated, w, [this](int i) {
        if (Syncing()) return;
        Act([this, i] { Model().UserSelect(static_cast<int16_t>(i)); }, ui::Prop::ListIndex);
    });
}

bool ComboBoxView::Key(const QKeyEvent& e) {
    const TypedKey k = TranslateKey(e);
    if (k.kind != TypedKey::Kind::Char) return false;
    if (k.key == ui::vbKeyReturn && Owner().PressDefault(false)) return true;
    if (k.key == ui::vbKeyEscape && Owner().Escape()) return true;
    Act([this, k] { Model().UserKey(k.key); }, ui::Prop::Text);
    return true;
}

void ComboBoxView::Apply(ui::Prop p) {
    auto* w = static_cast<QComboBox*>(Widget());
    switch (p) {
        case ui::Prop::Style:
            ApplyStyle();
            break;
        case ui::Prop::List: {
            QStringList items;
            for (const std::string& item : Model().List()) items.append(ShownText(item));
            w->clear();
            w->addItems(items);
            w->setCurrentIndex(Model().ListIndex());
            ApplyText();
            break;
        }
        case ui::Prop::ListIndex:
            w->setCurrentIndex(Model().ListIndex());
            ApplyText();
            break;
        case ui::Prop::Text:
            ApplyText();
            break;
        default:
            break;
    }
}

void ComboBoxView::ApplyStyle() {
    auto* w = static_cast<QComboBox*>(Widget());
    const bool editable = Model().Style() != 2;
    if (editable == w->isEditable()) return;
    if (editable) {
        w->setLineEdit(new ComboEditor(*this));
        w->setCompleter(nullptr);
    } else {
        w->setEditable(false);
    }
    w->setCurrentIndex(Model().ListIndex());
    ApplyText();
}

void ComboBoxView::ApplyText() {
    auto* w = static_cast<QComboBox*>(Widget());
    QLineEdit* e = w->lineEdit();
    if (e == nullptr) return;
    const QString text = FromCp1252(Model().Text());
    if (e->text() != text) e->setText(text);
    // The control keeps its caret after the last character typed.
    e->setCursorPosition(static_cast<int>(text.size()));
}

void ComboBoxView::ApplyColors() {
    SetColors(Widget(), QPalette::Base, QPalette::Text, Control()->BackColor(),
              Control()->ForeColor(), false);
}

ListBoxView::ListBoxView(FormWindow& owner, ui::ListBox& list) : ControlView(owner, list) {
    auto* w = new ListWidget(*this);
    SetWidget(w);
    ApplyMode();
    QObject::connect(w, &QListWidget::currentRowChanged, w, [this](int row) {
        if (Syncing() || row < 0) return;
        Pick(row);
    });
    QObject::connect(w, &QListWidget::itemSelectionChanged, w, [this, w] {
        if (Syncing() || Model().MultiSelect() == 0) return;
        Act(
            [this, w] {
                for (int row = 0; row < w->count(); ++row) {
                    const auto i = static_cast<int16_t>(row);
                    const bool selected = w->item(row)->isSelected();
                    if (Model().Selected(i) != selected) Model().UserSetSelected(i, selected);
                }
            },
            ui::Prop::ListIndex);
    });
    QObject::connect(w, &QListWidget::itemDoubleClicked, w,
                     [this] { Act([this] { Model().UserDblClick(); }, ui::Prop::ListIndex); });
}

bool ListBoxView::HoldsRow(int row) const {
    return Control() != nullptr && Model().MultiSelect() == 0 && row >= 0 &&
           row == Model().ListIndex();
}

void ListBoxView::Pick(int row) {
    Act([this, row] { Model().UserSelect(static_cast<int16_t>(row)); }, ui::Prop::ListIndex);
}

bool ListBoxView::Key(const QKeyEvent& e) {
    const bool space = e.key() == Qt::Key_Space && e.modifiers() == Qt::NoModifier;
    const bool enter = e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter;
    if (Control() == nullptr || Model().MultiSelect() != 0 || (!space && !enter)) return false;
    if (enter && Owner().PressDefault(false)) return true;
    const int row = static_cast<QListWidget*>(Widget())->currentRow();
    if (row >= 0) Pick(row);
    return true;
}

void ListBoxView::ApplyMode() {
    auto* w = static_cast<QListWidget*>(Widget());
    switch (Model().MultiSelect()) {
        case 0:
            w->setSelectionMode(QAbstractItemView::SingleSelection);
            break;
        case 1:
            w->setSelectionMode(QAbstractItemView::MultiSelection);
            break;
        default:
            w->setSelectionMode(QAbstractItemView::ExtendedSelection);
            break;
    }
}

void ListBoxView::ApplySelection() {
    auto* w = static_cast<QListWidget*>(Widget());
    if (Model().MultiSelect() == 0) {
        w->setCurrentRow(Model().ListIndex());
        if (Model().ListIndex() < 0) w->clearSelection();
        return;
    }
    for (int row = 0; row < w->count(); ++row) {
        w->item(row)->setSelected(Model().Selected(static_cast<int16_t>(row)));
    }
}

void ListBoxView::Apply(ui::Prop p) {
    auto* w = static_cast<QListWidget*>(Widget());
    switch (p) {
        case ui::Prop::List: {
            QStringList items;
            for (const std::string& item : Model().List()) items.append(ShownText(item));
            w->clear();
            w->addItems(items);
            ApplySelection();
            break;
        }
        case ui::Prop::ListIndex:
            ApplySelection();
            break;
        case ui::Prop::Style:
            ApplyMode();
            ApplySelection();
            break;
        default:
            break;
    }
}

void ListBoxView::ApplyColors() {
    SetColors(Widget(), QPalette::Base, QPalette::Text, Control()->BackColor(),
              Control()->ForeColor(), false);
}

}  // namespace gui
