#include "gui/Input.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "gui/Cp1252.h"
#include "ui/Types.h"

namespace gui {

namespace {

// Key codes of the keys that type nothing.
int16_t KeyCodeOf(int key) {
    static constexpr struct {
        int qt;
        int16_t code;
    } kCodes[] = {
        {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},   {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
        {Qt::Key_Insert, 45}, {Qt::Key_Delete, 46},
    };
    for (const auto& k : kCodes) {
        if (k.qt == key) return k.code;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return static_cast<int16_t>(112 + key - Qt::Key_F1);
    return 0;
}

TypedKey Char(int16_t key) {
    return {TypedKey::Kind::Char, key};
}

}  // namespace

TypedKey TranslateKey(const QKeyEvent& e) {
    if (e.matches(QKeySequence::Copy)) return Char(ui::vbKeyCtrlC);
    if (e.matches(QKeySequence::Paste)) return Char(ui::vbKeyCtrlV);
    if (e.matches(QKeySequence::Cut)) return Char(ui::vbKeyCtrlX);
    if (e.matches(QKeySequence::Undo)) return Char(ui::vbKeyCtrlZ);
    const int key = e.key();
    const Qt::KeyboardModifiers mods = e.modifiers();
    switch (key) {
        case Qt::Key_Backspace:
            return Char(ui::vbKeyBack);
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Char(ui::vbKeyReturn);
        case Qt::Key_Escape:
            return Char(ui::vbKeyEscape);
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return {};
        default:
            break;
    }
    if (const int16_t code = KeyCodeOf(key); code != 0) return {TypedKey::Kind::Code, code};
    if ((mods & Qt::ControlModifier) && !(mods & Qt::AltModifier) && key >= Qt::Key_A &&
        key <= Qt::Key_Z) {
        return Char(static_cast<int16_t>(key - Qt::Key_A + 1));
    }
    const QString text = e.text();
    if (text.size() != 1 || !text[0].isPrint()) return {};
    const int byte = Cp1252Byte(text[0]);
    if (byte < 0) return {};
    return Char(static_cast<int16_t>(byte));
}

int16_t ShiftOf(Qt::KeyboardModifiers m) {
    int16_t s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

int16_t ButtonOf(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

int16_t ButtonsOf(Qt::MouseButtons b) {
    int16_t s = 0;
    if (b & Qt::LeftButton) s |= 1;
    if (b & Qt::RightButton) s |= 2;
    if (b & Qt::MiddleButton) s |= 4;
    return s;
}

}  // namespace gui
