#include "gui/Cp1252.h"

#include <array>

namespace gui {

namespace {

// Unicode of the bytes 0x80 to 0x9F; the rest of the bytes are their own code points.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString FromCp1252(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : static_cast<char16_t>(b)));
    }
    return out;
}

QString ShownText(std::string_view bytes) {
    return FromCp1252(bytes.substr(0, bytes.find('\0')));
}

int Cp1252Byte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == u) return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string ToCp1252(const QString& text, char replacement) {
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (QChar c : text) {
        const int b = Cp1252Byte(c);
        out.push_back(b < 0 ? replacement : static_cast<char>(b));
    }
    return out;
}

}  // namespace gui
