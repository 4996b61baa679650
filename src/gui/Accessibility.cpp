#include "gui/Accessibility.h"

#include <QAccessibleWidget>
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

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    (void)className;
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
