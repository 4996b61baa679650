// How control properties look in Qt: colours (with the system colours taken from the
// application palette), fonts, captions and mouse pointers.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QString>
#include <cstdint>
#include <string>

#include "ui/Types.h"

class QWidget;

namespace gui {

// 0x00BBGGRR, or a system colour 0x800000nn resolved through the application palette.
QColor ColorOf(ui::Color c);
// Sets the background and text roles of a widget's palette; fill paints the background.
void SetColors(QWidget* w, QPalette::ColorRole backRole, QPalette::ColorRole foreRole,
               ui::Color back, ui::Color fore, bool fill);

// The font every layout was designed for is 8 points at 96 dpi; sizes are set in pixels so
// the text keeps its size against the twips layout on any screen.
QFont FontOf(float points, bool bold);
QFont DefaultFont();

// A caption as a label shows it: "&&" is one ampersand, a single '&' marks a mnemonic.
QString LabelText(const std::string& caption);

// The program's window icon.
QIcon WindowIcon();

// ui::MousePointer as a Qt cursor shape.
Qt::CursorShape CursorOf(int16_t pointer);

// The style's focus frame around a widget that draws no focus of its own, while it has
// the keyboard focus.
void PaintFocusFrame(QWidget& w);

}  // namespace gui
