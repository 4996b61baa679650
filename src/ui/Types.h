// Values shared by the control layer: colours, message-box styles and answers, mouse
// pointers, key codes, and the twips geometry unit.
#pragma once

#include <cstdint>

namespace ui {

// Colours as the system stores them: 0x00BBGGRR, or a system colour 0x800000nn.
using Color = uint32_t;
constexpr Color RGB(int r, int g, int b) {
    return static_cast<Color>((r & 255) | ((g & 255) << 8) | ((b & 255) << 16));
}
constexpr Color vbBlack = 0x000000;
constexpr Color vbWhite = 0xFFFFFF;
constexpr Color vbRed = 0x0000FF;
constexpr Color vbBlue = 0xFF0000;
constexpr Color vbLightGrey = 0xC0C0C0;
constexpr Color vbWindowBackground = 0x80000005;
constexpr Color vbWindowText = 0x80000008;
constexpr Color vbButtonFace = 0x8000000F;
constexpr Color vbButtonText = 0x80000012;
constexpr bool IsSystemColor(Color c) {
    return (c & 0x80000000u) != 0;
}

// Geometry of every control and window is kept in twips (15 a pixel at 96 dpi).
using Twips = int32_t;

// Message box buttons, icons and default button, added together as the style.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};
constexpr int MsgBoxButtons(int style) {
    return style & 7;
}
constexpr int MsgBoxIcon(int style) {
    return style & 0x70;
}

// Message box answers.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

// Mouse pointers the program sets.
enum MousePointer : int16_t {
    vbDefault = 0,
    vbArrow = 1,
    vbHourglass = 11,
    vbArrowHourglass = 13,
};

// Key codes handed to KeyPress.
enum KeyCode : int16_t {
    vbKeyBack = 8,
    vbKeyReturn = 13,
    vbKeyEscape = 27,
    vbKeyCtrlC = 3,
    vbKeyCtrlV = 22,
    vbKeyCtrlX = 24,
    vbKeyCtrlZ = 26,
};

// Why a form is being closed, handed to QueryUnload.
enum UnloadMode : int16_t {
    vbFormControlMenu = 0,  // the user closed the window
    vbFormCode = 1,         // the program unloaded it
    vbAppWindows = 2,
    vbAppTaskManager = 3,
    vbFormMDIForm = 4,  // the main window is closing its children
    vbFormOwner = 5,    // the window that opened this modal one is closing
};

// Window states.
enum WindowState : int16_t { vbNormal = 0, vbMinimized = 1, vbMaximized = 2 };

}  // namespace ui
