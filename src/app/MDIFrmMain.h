// The main window: a multiple-document window whose children are the device status windows
// and the editor windows, with the command bar Command1 along its top and the timer Timer7
// that keeps the bar's enabled states current. Its load brings the program into its working
// state; closing it saves the state files, says goodbye to the devices and ends the program.
#pragma once

#include <array>
#include <cstdint>

#include "model/DeviceRecord.h"
#include "model/ModelState.h"
#include "state/MainWindow.h"
#include "ui/Controls.h"
#include "ui/Form.h"

struct State;

// What the command bar's states depend on.
struct CommandBarInputs {
    bool EditorOpen = false;       // some editor window is open
    bool AnyDevice = false;        // some slot is in the project for the current link type
    int16_t LinkType = 0;          // 0 USB, 1 RS485, 2 TCP/IP
    bool UsbDeviceOnline = false;  // slot 0 holds the project's USB device and it is online
};

class MDIFrmMain : public MainWindow {
  public:
    explicit MDIFrmMain(State& s);

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

    // The commands an open editor locks: they would close, replace or connect the devices
    // of the project under it.
    static constexpr std::array<int16_t, 4> kEditorLocked = {CmdLoadProject, CmdRemoveDevice,
                                                             CmdConnectAll, CmdLink};

    // The command bar: one command at a time, none while a parameter send is open, and none
    // that an open editor locks.
    void Command1_Click(int16_t index);
    // Refreshes the button states from the project.
    void Timer7_Timer();
    // What the button states depend on, as the program stands now.
    CommandBarInputs ButtonInputs() const;
    // Enables and shows the buttons as the inputs call for; buttons 2 and 6 are left alone.
    void ApplyButtonStates(const CommandBarInputs& in);
    // The button states from the program as it stands now.
    void RefreshButtonStates() override;
    // The link button's caption from InitCfg.
    void ShowLinkButton() override;
    // The project's records of the current link type get their images from StoredImage (as
    // startBf.ini held them) and their status windows, offline, as at start-up: at the load and
    // when the link type changes. The other records stay as they are, without a window.
    void RestoreDeviceWindows() override;
    void EnableAddDevice() override;

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
    // MDIForm_Load: defaults, link objects, tables, state files, the status windows of the
    // restored devices, Timer7.
    void Form_Load() override;
    // MDIForm_QueryUnload: the exit sequence.
    void Form_QueryUnload(int16_t& cancel, int16_t unloadMode) override;
    // MDIForm_Resize: keeps the Exit button at the right end of the bar.
    void Form_Resize() override;

  private:
    void LayOut();
    // A start-up failure the program cannot go on from: the message, then the end.
    void Fatal(const char* prompt, const char* title);
    // A status window, offline and at its stored position, for every record of the project
    // of the current link type; the other records stay as they are, without a window.
    void ReopenDeviceWindows();
    bool CurrentLinkDevice(size_t slot) const;
    bool AnyCurrentLinkDevice() const;
    // After a project was loaded over previous (the list before it, under link type before):
    // each record keeps the image it had when its slot held the same device, else it gets the
    // new-device image until it is connected.
    void TakeOverImages(const model::PerSlot<model::DeviceRecord>& previous, int16_t before);
    // Add Device on USB into slot 0 when slot 0 holds another link's record: true when the
    // user lets the USB device replace it.
    bool MayReplaceSlot0();

    void LoadProject();
    void AddDevice();
    void RemoveDevices();
    void ConnectAll();
    void SelectLink();
    void ConfigureIdIp();
    void SearchIp();
    // Unloads the slot's status window without its question; a slot whose window is not
    // loaded leaves the project directly.
    void CloseDeviceWindow(int16_t slot);

    // Exit: both state files, the closing commands. False when a state file could not be
    // written and the user chose to stay.
    bool SaveStateFiles();
    void StopTimers();
    void SendClosingCommands();

    State& s_;
    bool ending_ = false;
};

// The main window, created on first use.
MDIFrmMain& MainForm(State& s);
