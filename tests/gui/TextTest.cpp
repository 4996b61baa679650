#include <gtest/gtest.h>

#include <QKeyEvent>

#include "gui/Cp1252.h"
#include "gui/Dialogs.h"
#include "gui/Geometry.h"
#include "gui/Input.h"
#include "gui/Look.h"
#include "gui/TextMapping.h"

namespace {

TEST(Cp1252, ConvertsBothWaysAndReplacesWhatItCannotHold) {
    const std::string bytes = "Caf\xE9 \x80 \x9F \x85";
    const QString text = gui::FromCp1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("Caf\u00E9 \u20AC \u0178 \u2026"));
    EXPECT_EQ(gui::ToCp1252(text), bytes);
    EXPECT_EQ(gui::ToCp1252(QString(QChar(0x00E9))), "\xE9");
    EXPECT_EQ(gui::ToCp1252(QString(QChar(0x20AC))), "\x80");

    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    EXPECT_EQ(gui::ToCp1252(gui::FromCp1252(all)), all);
    EXPECT_EQ(gui::FromCp1252("\x81").at(0).unicode(), 0x0081) << "unassigned byte";

    EXPECT_EQ(gui::ToCp1252(QString::fromUtf8("a\u0416b")), "a?b");
    EXPECT_EQ(gui::ToCp1252(QString(QChar(0x0080))), "?") << "U+0080 has no byte";
    EXPECT_EQ(gui::Cp1252Byte(QChar(0x2122)), 0x99);
    EXPECT_EQ(gui::Cp1252Byte(QChar(0x0416)), -1);
}

TEST(TextMapping, CrLfIsOneEditorCharacter) {
    const std::string text = "ab\r\ncd\r\n";
    EXPECT_EQ(gui::EditorText(text), QStringLiteral("ab\ncd\n"));
    EXPECT_EQ(gui::EditorPos(text, 4), 3);
    EXPECT_EQ(gui::EditorPos(text, 8), 6);
    EXPECT_EQ(gui::TextPos(text, 3), 4);
    EXPECT_EQ(gui::TextPos(text, 6), 8);
    EXPECT_EQ(gui::TextPos(text, 99), 8);
}

TEST(FileFilter, KeepsEveryDescriptionAsGiven) {
    EXPECT_EQ(gui::QtFilterOf("file program (*.XPG)|*.XPG"),
              QStringLiteral("file program (*.XPG) (*.XPG)"));
    EXPECT_EQ(gui::QtFilterOf("Text|*.txt;*.log|All files|*.*"),
              QStringLiteral("Text (*.txt *.log);;All files (*.*)"));
    EXPECT_EQ(gui::QtFilterOf("file preset (*.swc)|*.swc|"),
              QStringLiteral("file preset (*.swc) (*.swc)"));
}

TEST(Geometry, EdgesRoundSoTouchingControlsTouch) {
    EXPECT_EQ(gui::PixelRect(0, 0, 15855, 10050), QRect(0, 0, 1057, 670));
    const QRect a = gui::PixelRect(100, 0, 1000, 300);
    const QRect b = gui::PixelRect(1100, 0, 1000, 300);
    EXPECT_EQ(a.right() + 1, b.left());
    EXPECT_EQ(gui::PixelRect(-75000, 20, 30, 10).left(), -5000);
    EXPECT_EQ(gui::ToTwips(7), 105);
}

TEST(Captions, LabelsShowMnemonicsAsText) {
    EXPECT_EQ(gui::LabelText("ID && IP"), QStringLiteral("ID & IP"));
    EXPECT_EQ(gui::LabelText("&Gain"), QStringLiteral("Gain"));
    EXPECT_EQ(gui::LabelText("\xB5s"), QString::fromUtf8("\u00B5s"));
}

TEST(Keys, TranslateToTheCodesTheControlsExpect) {
    using K = gui::TypedKey::Kind;
    const auto key = [](int k, Qt::KeyboardModifiers m, const QString& text) {
        return gui::TranslateKey(QKeyEvent(QEvent::KeyPress, k, m, text));
    };
    EXPECT_EQ(key(Qt::Key_1, Qt::NoModifier, "1").key, '1');
    EXPECT_EQ(key(Qt::Key_Return, Qt::NoModifier, "\r").key, 13);
    EXPECT_EQ(key(Qt::Key_Backspace, Qt::NoModifier, "\b").key, 8);
    EXPECT_EQ(key(Qt::Key_C, Qt::ControlModifier, "\x03").key, 3);
    EXPECT_EQ(key(Qt::Key_V, Qt::ControlModifier, "\x16").key, 22);
    EXPECT_EQ(key(Qt::Key_Z, Qt::ControlModifier, "\x1a").key, 26);
    const gui::TypedKey del = key(Qt::Key_Delete, Qt::NoModifier, QString());
    EXPECT_EQ(del.kind, K::Code);
    EXPECT_EQ(del.key, 46);
    EXPECT_EQ(key(Qt::Key_Left, Qt::NoModifier, QString()).key, 37);
    EXPECT_EQ(key(Qt::Key_Tab, Qt::NoModifier, "\t").kind, K::None);
    EXPECT_EQ(key(Qt::Key_E, Qt::NoModifier, QString(QChar(0x00E9))).key, 0xE9);
    EXPECT_EQ(key(Qt::Key_unknown, Qt::NoModifier, QString(QChar(0x0416))).kind, K::None);
}

}  // namespace
