#include "gui/TextMapping.h"

#include "gui/Cp1252.h"

namespace gui {

namespace {

bool BreakAt(const std::string& text, size_t i) {
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
}

}  // namespace

QString EditorText(const std::string& text) {
    QString out = FromCp1252(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

int EditorPos(const std::string& text, int pos) {
    int editor = 0;
    for (size_t i = 0; i < text.size() && static_cast<int>(i) < pos; ++i) {
        if (BreakAt(text, i)) ++i;
        ++editor;
    }
    return editor;
}

int TextPos(const std::string& text, int editorPos) {
    size_t i = 0;
    for (int editor = 0; editor < editorPos && i < text.size(); ++editor) {
        i += BreakAt(text, i) ? 2 : 1;
    }
    return static_cast<int>(i);
}

}  // namespace gui
