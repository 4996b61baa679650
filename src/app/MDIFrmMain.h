// The main window: a multiple-document window whose children are the device status windows
// and the editor windows, with the command bar Command1 along its top and the timer Timer7
// that keeps the bar's enabled states current.
#pragma once

#include <cstdint>

#include "ui/Controls.h"
#include "ui/Form.h"

// What the command bar's states depend on.
struct CommandBarInputs {
    bool EditorOpen = false;       // some editor window is open
    bool AnyDevice = false;        // some slot is in the project
    int16_t LinkType = 0;          // 0 USB, 1 RS485, 2 TCP/IP
    bool UsbDeviceOnline = false;  // slot 0 is in the project and online
};

class MDIFrmMain : public ui::Form {
  public:
    explicit MDIFrmMain(ui::Host& host);

    // Command bar indices.
    enum : int16_t {
        CmdLoadProject = 0,
        CmdSaveProject = 1,
        CmdAddDevice = 2,
        CmdRemoveDevice = 3,
        CmdConnectAll = 4,
        CmdLink = 5,
        CmdExit = 6,
        CmdIdIp = 7,
        CmdIpSearch = 8,
    };

    // Enables and shows the buttons as the inputs call for; buttons 2 and 6 are left alone.
    void ApplyButtonStates(const CommandBarInputs& in);

    // Geometry of the bar, twips.
    static constexpr ui::Twips kBarHeight = 540;
    static constexpr ui::Twips kButtonLeft = 45;
    static constexpr ui::Twips kButtonTop = 75;
    static constexpr ui::Twips kButtonHeight = 390;
    static constexpr ui::Twips kButtonWidth = 1365;
    static constexpr ui::Twips kButtonPitch = 1395;
    static constexpr ui::Twips kExitWidth = 600;
    // Below this width the Exit button keeps its place.
    static constexpr ui::Twips kNarrowestLayout = 10635;
    static constexpr ui::Twips kExitMargin = 200;

    ui::Toolbar Toolbar1{*this, "Toolbar1"};
    ui::ControlArray<ui::CommandButton> Command1{*this, "Command1"};
    ui::Timer Timer7{*this, "Timer7"};

  protected:
    // MDIForm_Resize: keeps the Exit button at the right end of the bar.
    void Form_Resize() override;

  private:
    void LayOut();
};
