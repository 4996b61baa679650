// What a Qt key or mouse event means to the control layer: the character a key types (as a
// Windows-1252 code), the key code of a key that types nothing, and mouse buttons and shift
// state as the mouse events report them.
#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

namespace gui {

struct TypedKey {
    enum class Kind : uint8_t {
        None,  // nothing for the control layer (Tab, modifiers, shortcuts the widget keeps)
        Char,  // a typed character: printable, Backspace 8, Enter 13, Escape 27, Ctrl+letter
        Code,  // a key that types nothing: Delete 46, arrows, Home, End, function keys
    };
    Kind kind = Kind::None;
    int16_t key = 0;
};

TypedKey TranslateKey(const QKeyEvent& e);

// 1 Shift, 2 Ctrl, 4 Alt.
int16_t ShiftOf(Qt::KeyboardModifiers m);
// 1 left, 2 right, 4 middle: one button, or the buttons held.
int16_t ButtonOf(Qt::MouseButton b);
int16_t ButtonsOf(Qt::MouseButtons b);

}  // namespace gui
