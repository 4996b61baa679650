// The data of start-up and the main window under the system's names. Part of the program's
// one state object.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "model/ModelState.h"
#include "state/MainWindow.h"
#include "state/WindowPtr.h"
#include "sys/InstanceLock.h"

class FrmImage;

struct AppState {
    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    std::string AppDir;     // the application folder: the state files lie in it
    std::string SwVersion;  // the software version, fixed by the splash

    // Model texts of captions, indexed by DevModel.
    std::array<std::string, 2> ModelNames{" Velotra ", " Velomatic "};

    bool AddDevOk = false;  // the add-device dialog was confirmed and passed its checks

    // Extent of FrmImage.Picture1, in which the graph routines paint either background.
    int32_t ImgScaleW = 0;
    int32_t ImgScaleH = 0;

    // The single running copy: the splash takes the lock named InstanceName.
    std::string InstanceName = "velotrix";
    std::unique_ptr<sys::InstanceLock> Instance;

    // The main window and the hidden picture window; reach them through MainForm
    // (app/MDIFrmMain.h) and FrmImageOf (editor/FrmImage.h).
    std::unique_ptr<MainWindow> MainWin;
    WindowPtr<FrmImage> ImageWin;
};

// The mouse pointer over the main window, while there is one.
inline void SetMainPointer(const AppState& s, int16_t pointer) {
    if (s.MainWin) s.MainWin->SetMousePointer(pointer);
}

// The command bar's buttons follow the program now, while there is a main window.
inline void RefreshMainButtons(const AppState& s) {
    if (s.MainWin) s.MainWin->RefreshButtonStates();
}
