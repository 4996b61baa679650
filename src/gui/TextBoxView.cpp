#include "gui/TextBoxView.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>

#include "gui/Accessibility.h"
#include "gui/Cp1252.h"
#include "gui/FormWindow.h"
#include "gui/Input.h"
#include "gui/Look.h"
#include "gui/TextMapping.h"

namespace gui {

namespace {

// The one-line (QLineEdit) or multi-line (QPlainTextEdit) editor: keys go to the view first,
// and every change of caret, selection or text is reported to it.
template <class Base>
class Editor : public Base {
  public:
    explicit Editor(TextBoxView& view) : view_(view) {
        this->setContextMenuPolicy(Qt::NoContextMenu);
        this->setAcceptDrops(false);
        QObject::connect(this, &Base::cursorPositionChanged, this,
                         [this] { view_.WidgetSelectionChanged(); });
        QObject::connect(this, &Base::selectionChanged, this,
                         [this] { view_.WidgetSelectionChanged(); });
        QObject::connect(this, &Base::textChanged, this, [this] { view_.WidgetTextChanged(); });
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (!view_.Key(*e)) Base::keyPressEvent(e);
    }
    void inputMethodEvent(QInputMethodEvent* e) override {
        view_.Commit(e->commitString());
        e->accept();
    }

  private:
    TextBoxView& view_;
};

}  // namespace

TextBoxView::TextBoxView(FormWindow& owner, ui::TextBox& box) : ControlView(owner, box) {
    multiLine_ = box.MultiLine();
    locked_ = box.Locked();
    SetWidget(MakeEditor());
}

QWidget* TextBoxView::MakeEditor() {
    if (multiLine_) {
        auto* e = new Editor<QPlainTextEdit>(*this);
        e->setTabChangesFocus(true);
        return e;
    }
    QLineEdit* e = nullptr;
    if (locked_) {
        e = new Editor<ReadOnlyLineEdit>(*this);
    } else {
        e = new Editor<QLineEdit>(*this);
    }
    e->setDragEnabled(false);
    return e;
}

bool TextBoxView::Key(const QKeyEvent& e) {
    const TypedKey k = TranslateKey(e);
    if (k.kind == TypedKey::Kind::Char) {
        if (k.key == ui::vbKeyReturn && Owner().PressDefault(false)) return true;
        if (k.key == ui::vbKeyEscape && Owner().Escape()) return true;
        Act([this, k] { Model().UserKey(k.key); }, ui::Prop::Text);
        return true;
    }
    if (k.kind == TypedKey::Kind::Code) {
        Act([this, k] { Model().UserKeyCode(k.key); }, ui::Prop::Text);
        constexpr int16_t kDelete = 46;
        return k.key == kDelete;
    }
    return false;
}

void TextBoxView::Commit(const QString& text) {
    for (QChar c : text) {
        const int byte = Cp1252Byte(c);
        if (byte > 0)
            Act([this, byte] { Model().UserKey(static_cast<int16_t>(byte)); }, ui::Prop::Text);
    }
}

void TextBoxView::WidgetSelectionChanged() {
    if (Syncing() || Control() == nullptr) return;
    const std::string& text = Model().Text();
    int start = 0;
    int end = 0;
    if (multiLine_) {
        const QTextCursor c = static_cast<QPlainTextEdit*>(Widget())->textCursor();
        start = TextPos(text, c.selectionStart());
        end = TextPos(text, c.selectionEnd());
    } else {
        auto* e = static_cast<QLineEdit*>(Widget());
        start = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
        end = e->hasSelectedText() ? e->selectionEnd() : start;
    }
    if (start != Model().SelStart() || end - start != Model().SelLength()) {
        Model().SetSelection(start, end - start);
    }
}

void TextBoxView::WidgetTextChanged() {
    // The text belongs to the control: an edit that did not come through it (a drop, a
    // middle-button paste) is undone once the widget has finished with it.
    if (Syncing() || Control() == nullptr) return;
    QTimer::singleShot(0, Widget(), [this] { Refresh(ui::Prop::Text); });
}

void TextBoxView::Apply(ui::Prop p) {
    switch (p) {
        case ui::Prop::Text:
            ApplyText();
            break;
        case ui::Prop::Style:
            ApplyStyle();
            break;
        default:
            break;
    }
}

void TextBoxView::ApplyText() {
    const ui::TextBox& box = Model();
    const std::string& text = box.Text();
    const int start = box.SelStart();
    const int end = start + box.SelLength();
    if (multiLine_) {
        auto* e = static_cast<QPlainTextEdit*>(Widget());
        const QString shown = EditorText(text);
        if (e->toPlainText() != shown) e->setPlainText(shown);
        QTextCursor c = e->textCursor();
        const int a = EditorPos(text, start);
        const int b = EditorPos(text, end);
        if (c.selectionStart() == a && c.selectionEnd() == b) return;
        c.setPosition(a);
        c.setPosition(b, QTextCursor::KeepAnchor);
        e->setTextCursor(c);
        return;
    }
    auto* e = static_cast<QLineEdit*>(Widget());
    const QString shown = FromCp1252(text);
    if (e->text() != shown) e->setText(shown);
    const int curStart = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    const int curEnd = e->hasSelectedText() ? e->selectionEnd() : curStart;
    if (curStart == start && curEnd == end) return;
    if (end > start) {
        e->setSelection(start, end - start);
    } else {
        e->setCursorPosition(start);
    }
}

void TextBoxView::ApplyStyle() {
    const ui::TextBox& box = Model();
    if (box.MultiLine() != multiLine_ || box.Locked() != locked_) {
        multiLine_ = box.MultiLine();
        locked_ = box.Locked();
        ReplaceWidget(MakeEditor());
        return;
    }
    Qt::Alignment a = Qt::AlignLeft;
    if (box.Alignment() == 1) a = Qt::AlignRight;
    if (box.Alignment() == 2) a = Qt::AlignHCenter;
    if (multiLine_) {
        auto* e = static_cast<QPlainTextEdit*>(Widget());
        e->setReadOnly(box.Locked());
        QTextOption option = e->document()->defaultTextOption();
        option.setAlignment(a);
        e->document()->setDefaultTextOption(option);
    } else {
        auto* e = static_cast<QLineEdit*>(Widget());
        e->setReadOnly(box.Locked());
        e->setAlignment(a | Qt::AlignVCenter);
    }
}

void TextBoxView::ApplyColors() {
    SetColors(Widget(), QPalette::Base, QPalette::Text, Control()->BackColor(),
              Control()->ForeColor(), false);
}

}  // namespace gui
