#include "gui/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QWidget>

namespace gui {

namespace {

class PressableInterface : public QAccessibleWidget {
  public:
    PressableInterface(QWidget* w, Pressable& p) : QAccessibleWidget(w, p.PressRole()), p_(p) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = p_.Checkable();
        s.checked = p_.Checked();
        return s;
    }

    QStringList actionNames() const override {
        QStringList names{pressAction()};
        if (p_.Checkable()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            if (widget()->isEnabled()) p_.Press();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action == pressAction()) return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(action);
    }

  private:
    Pressable& p_;
};

// A combo box: its name, its value (the text shown), the list that drops down and the line
// editor of an editable one as its children, and the action that drops the list down.
class ComboInterface : public QAccessibleWidget {
  public:
    explicit ComboInterface(QComboBox* w) : QAccessibleWidget(w, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Combo()->currentText();
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? Combo()->currentText() : own;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Combo()->view()->isVisible();
        s.editable = Combo()->isEditable();
        return s;
    }

    int childCount() const override { return Combo()->lineEdit() != nullptr ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
        if (index == 1 && Combo()->lineEdit() != nullptr) {
            return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
        }
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child == nullptr) return -1;
        if (child->object() == Combo()->view()) return 0;
        if (Combo()->lineEdit() != nullptr && child->object() == Combo()->lineEdit()) return 1;
        return -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (!widget()->isEnabled()) return;
        if (Combo()->view()->isVisible()) {
            Combo()->hidePopup();
        } else {
            Combo()->showPopup();
        }
    }

  private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

// A read-only line editor: its text can be read, selected and stepped through, not edited.
class ReadOnlyLineInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ReadOnlyLineInterface(QLineEdit* w)
        : QAccessibleWidget(w, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Line()->text();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectable = true;
        s.selected = Line()->hasSelectedText();
        return s;
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !Line()->hasSelectedText()) return;
        *start = Line()->selectionStart();
        *end = Line()->selectionEnd();
    }
    int selectionCount() const override { return Line()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) Line()->deselect();
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) Line()->setSelection(start, end - start);
    }
    int cursorPosition() const override { return Line()->cursorPosition(); }
    void setCursorPosition(int position) override { Line()->setCursorPosition(position); }
    QString text(int start, int end) const override {
        return Line()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(Line()->text().size()); }
    QRect characterRect(int offset) const override {
        (void)offset;
        return {};
    }
    int offsetAtPoint(const QPoint& point) const override {
        return Line()->cursorPositionAt(Line()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int end) override {
        (void)end;
        Line()->setCursorPosition(start);
    }
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QLineEdit* Line() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    (void)className;
    if (auto* combo = dynamic_cast<NamedComboBox*>(object)) return new ComboInterface(combo);
    if (auto* line = dynamic_cast<ReadOnlyLineEdit*>(object)) {
        return new ReadOnlyLineInterface(line);
    }
    auto* widget = qobject_cast<QWidget*>(object);
    auto* pressable = dynamic_cast<Pressable*>(object);
    if (widget == nullptr || pressable == nullptr) return nullptr;
    return new PressableInterface(widget, *pressable);
}

}  // namespace

void InstallAccessibility() {
    QAccessible::removeFactory(Factory);
    QAccessible::installFactory(Factory);
}

}  // namespace gui
