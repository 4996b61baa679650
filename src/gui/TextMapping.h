// A multi-line text box keeps line breaks as CR LF; the Qt editor shows them as one LF.
// These map the text and the caret positions between the two.
#pragma once

#include <QString>
#include <string>

namespace gui {

// The text as the editor shows it: every CR LF becomes LF.
QString EditorText(const std::string& text);
// A position in the control's text as a position in the editor's text, and back.
int EditorPos(const std::string& text, int pos);
int TextPos(const std::string& text, int editorPos);

}  // namespace gui
