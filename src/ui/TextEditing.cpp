#include "ui/TextEditing.h"

#include <algorithm>

#include "ui/Host.h"
#include "ui/Types.h"

namespace ui {

void ClampSelection(EditState& s) {
    const auto len = static_cast<int32_t>(s.text.size());
    s.selStart = std::clamp(s.selStart, 0, len);
    s.selLength = std::clamp(s.selLength, 0, len - s.selStart);
}

static bool ReplaceSelection(EditState& s, const std::string& with, int32_t maxLength) {
    ClampSelection(s);
    std::string insert = with;
    if (maxLength > 0) {
        const auto room = maxLength - (static_cast<int32_t>(s.text.size()) - s.selLength);
        if (room <= 0) return false;
        if (static_cast<int32_t>(insert.size()) > room) insert.resize(static_cast<size_t>(room));
    }
    if (insert.empty() && s.selLength == 0) return false;
    s.text.replace(static_cast<size_t>(s.selStart), static_cast<size_t>(s.selLength), insert);
    s.selStart += static_cast<int32_t>(insert.size());
    s.selLength = 0;
    return true;
}

std::string EditableText(const std::string& text) {
    return text.substr(0, text.find('\0'));
}

bool ApplyTypedKey(EditState& s, int16_t key, bool multiLine, int32_t maxLength, Host& host) {
    ClampSelection(s);
    switch (key) {
        case 0:
            return false;
        case vbKeyBack:
            if (s.selLength == 0) {
                if (s.selStart == 0) return false;
                --s.selStart;
                s.selLength = 1;
            }
            return ReplaceSelection(s, "", 0);
        case vbKeyReturn:
            return multiLine && ReplaceSelection(s, "\r\n", maxLength);
        case vbKeyCtrlC:
        case vbKeyCtrlX:
            if (s.selLength > 0) {
                host.SetClipboardText(s.text.substr(static_cast<size_t>(s.selStart),
                                                    static_cast<size_t>(s.selLength)));
            }
            return key == vbKeyCtrlX && s.selLength > 0 && ReplaceSelection(s, "", 0);
        case vbKeyCtrlV:
            return ReplaceSelection(s, host.ClipboardText(), maxLength);
        default:
            if (key < 32 || key > 255) return false;
            return ReplaceSelection(s, std::string(1, static_cast<char>(key)), maxLength);
    }
}

bool ApplyDelete(EditState& s) {
    ClampSelection(s);
    if (s.selLength == 0) {
        if (s.selStart >= static_cast<int32_t>(s.text.size())) return false;
        s.selLength = 1;
    }
    return ReplaceSelection(s, "", 0);
}

int16_t VirtualKeyOf(char c, int16_t& shift) {
    shift = 0;
    if (c >= 'a' && c <= 'z') return static_cast<int16_t>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') {
        shift = 1;
        return c;
    }
    if ((c >= '0' && c <= '9') || c == ' ' || c == vbKeyBack || c == vbKeyReturn ||
        c == vbKeyEscape) {
        return static_cast<int16_t>(static_cast<unsigned char>(c));
    }
    static constexpr struct {
        char ch;
        int16_t vk;
        int16_t shift;
    } kPunct[] = {
        {';', 186, 0}, {':', 186, 1}, {'=', 187, 0},  {'+', 187, 1}, {',', 188, 0},  {'<', 188, 1},
        {'-', 189, 0}, {'_', 189, 1}, {'.', 190, 0},  {'>', 190, 1}, {'/', 191, 0},  {'?', 191, 1},
        {'`', 192, 0}, {'~', 192, 1}, {'[', 219, 0},  {'{', 219, 1}, {'\\', 220, 0}, {'|', 220, 1},
        {']', 221, 0}, {'}', 221, 1}, {'\'', 222, 0}, {'"', 222, 1}, {')', '0', 1},  {'!', '1', 1},
        {'@', '2', 1}, {'#', '3', 1}, {'$', '4', 1},  {'%', '5', 1}, {'^', '6', 1},  {'&', '7', 1},
        {'*', '8', 1}, {'(', '9', 1},
    };
    for (const auto& p : kPunct) {
        if (p.ch == c) {
            shift = p.shift;
            return p.vk;
        }
    }
    // Control characters (Ctrl+letter) report the letter with Ctrl held.
    if (c >= 1 && c <= 26) {
        shift = 2;
        return static_cast<int16_t>('A' + c - 1);
    }
    return static_cast<int16_t>(static_cast<unsigned char>(c));
}

}  // namespace ui
