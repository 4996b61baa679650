// Text conversion between the program's 8-bit Windows-1252 strings and Qt's QString. The
// five bytes that Windows-1252 leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1
// control characters of the same value, so every byte string survives the round trip.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace gui {

QString FromCp1252(std::string_view bytes);
// The text as the screen shows it: up to its first NUL byte (a device whose name bytes are 0
// shows an empty name, not a row of box glyphs).
QString ShownText(std::string_view bytes);
// Characters without a Windows-1252 byte become `replacement`.
std::string ToCp1252(const QString& text, char replacement = '?');
// The Windows-1252 byte of one character, or -1 when it has none.
int Cp1252Byte(QChar c);

}  // namespace gui
