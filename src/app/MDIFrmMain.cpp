#include "app/MDIFrmMain.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "editor/FrmCtrl.h"
#include "files/StateFiles.h"
#include "state/State.h"
#include "sys/Screen.h"
#include "ui/Host.h"

namespace {

struct BarButton {
    std::string_view caption;
    std::string_view toolTip;
};

// Design captions and tool tips in index order; the link button's caption is set at start.
constexpr std::array<BarButton, 9> kBar = {{
    {"Load Project", "Load project"},
    {"Save Project", "Save project"},
    {"Add Device", "Add new device"},
    {"Remove Device", "Remove all device(s)"},
    {"Connect All", "Connect all device(s)"},
    {"TCP/IP", "Select USB/TCP-IP"},
    {"Exit", "Exit"},
    {"ID && IP", "Configure ID-RS485 and IP-Address"},
    {"IP Search", "Search IP address"},
}};

// The window's first size: 1024 x 768 pixels, or more where an editor window needs more room
// below the command bar, with a small margin and room for two more editors cascaded off it
// by a title bar each; never more than the screen (the MDI area then scrolls).
constexpr int kWidthPx = 1024;
constexpr int kHeightPx = 768;
constexpr int kTitleBarPx = 28;
constexpr ui::Twips kEditorMargin = (8 + 2 * kTitleBarPx) * sys::kTwipsPerPixel;

ui::Twips FirstSize(int least, ui::Twips editor, ui::Twips frame, int screen) {
    const ui::Twips wanted = std::max<ui::Twips>(least * sys::kTwipsPerPixel, editor + frame);
    return std::min<ui::Twips>(wanted, screen * sys::kTwipsPerPixel);
}

}  // namespace

MDIFrmMain::MDIFrmMain(State& s) : MainWindow(s.host, "MDIFrmMain", ui::FormKind::MdiMain), s_(s) {
    LayOut();
    Command1.On().Click = [this](int16_t index) { Command1_Click(index); };
    Timer7.On().Timer = [this](int16_t) { Timer7_Timer(); };
}

MDIFrmMain& MainForm(State& s) {
    if (!s.MainWin) s.MainWin = std::make_unique<MDIFrmMain>(s);
    return static_cast<MDIFrmMain&>(*s.MainWin);
}

void MDIFrmMain::LayOut() {
    SetCaption("Velotrix");
    const sys::ScreenMetrics screen = GetHost().Screen();
    Move(0, 0, FirstSize(kWidthPx, FrmCtrl::kWidth, kFrameWidth + kEditorMargin, screen.WidthPx),
         FirstSize(kHeightPx, FrmCtrl::kHeight, kFrameHeight + kBarHeight + kEditorMargin,
                   screen.HeightPx));
    Toolbar1.Move(0, 0, ScaleWidth(), kBarHeight);
    for (int16_t i = 0; i < static_cast<int16_t>(kBar.size()); ++i) {
        ui::CommandButton& b = Command1.Load(i);
        b.SetContainer(&Toolbar1);
        b.SetCaption(std::string(kBar[i].caption));
        b.SetToolTipText(std::string(kBar[i].toolTip));
        // ID && IP (serial links) and IP Search (TCP/IP) are never shown together: they
        // share the place after the link button.
        const int16_t place = i == CmdIdIp || i == CmdIpSearch ? 6 : i;
        b.Move(kButtonLeft + kButtonPitch * place, kButtonTop, kButtonWidth, kButtonHeight);
    }
    Command1(CmdExit).SetWidth(kExitWidth);
    Command1(CmdIdIp).SetVisible(false);
    Form_Resize();
}

void MDIFrmMain::Form_Resize() {
    if (WindowState() == ui::vbMinimized) return;
    Toolbar1.SetWidth(ScaleWidth());
    const ui::Twips x = std::max(Width(), kNarrowestLayout);
    ui::CommandButton& exit = Command1(CmdExit);
    exit.SetLeft(x - exit.Width() - kExitMargin);
}

void MDIFrmMain::Timer7_Timer() {
    RefreshButtonStates();
    Timer7.SetInterval(1000);
}

CommandBarInputs MDIFrmMain::ButtonInputs() const {
    CommandBarInputs in;
    in.EditorOpen = s_.EditorLastIdx >= 0;
    in.AnyDevice = AnyCurrentLinkDevice();
    in.LinkType = s_.LinkType;
    in.UsbDeviceOnline = CurrentLinkDevice(0) && s_.DevList[0].Online == 1;
    return in;
}

void MDIFrmMain::RefreshButtonStates() {
    ApplyButtonStates(ButtonInputs());
}

// The slot holds a device of the project for the current link type.
bool MDIFrmMain::CurrentLinkDevice(size_t slot) const {
    return s_.DevList[slot].Used == -1 && !StateFiles::HoldsOtherLink(s_, slot);
}

bool MDIFrmMain::AnyCurrentLinkDevice() const {
    for (size_t slot = 0; slot < model::SlotCount; ++slot) {
        if (CurrentLinkDevice(slot)) return true;
    }
    return false;
}

void MDIFrmMain::ApplyButtonStates(const CommandBarInputs& in) {
    if (in.EditorOpen) {
        for (int16_t i : kEditorLocked) Command1(i).SetEnabled(false);
        Command1(CmdSaveProject).SetEnabled(true);
    } else {
        Command1(CmdLoadProject).SetEnabled(true);
        for (int16_t i : {CmdSaveProject, CmdRemoveDevice, CmdConnectAll}) {
            Command1(i).SetEnabled(in.AnyDevice);
        }
        Command1(CmdLink).SetEnabled(!in.AnyDevice);
    }
    switch (in.LinkType) {
        case 0:
            Command1(CmdIdIp).SetVisible(true);
            Command1(CmdIdIp).SetEnabled(in.UsbDeviceOnline);
            Command1(CmdIpSearch).SetVisible(false);
            break;
        case 2:
            Command1(CmdIpSearch).SetVisible(true);
            Command1(CmdIdIp).SetVisible(false);
            break;
        default:
            Command1(CmdIdIp).SetVisible(false);
            Command1(CmdIpSearch).SetVisible(false);
            break;
    }
}
