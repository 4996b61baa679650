// What the windows and modules below the main window ask of it. The main window (MDIFrmMain)
// is the one implementation; the state holds it by this face, so that they need not know it.
#pragma once

#include "ui/Form.h"

class MainWindow : public ui::Form {
  public:
    using ui::Form::Form;

    // The link button's caption from InitCfg.
    virtual void ShowLinkButton() = 0;
    // The project's records of the current link type get their stored images and their status
    // windows, offline, as at start-up.
    virtual void RestoreDeviceWindows() = 0;
    // "Add Device" may be used again (the USB device left the project).
    virtual void EnableAddDevice() = 0;
    // The command bar's buttons follow the program as it stands now, without waiting for the
    // next tick of its timer: an editor opened or closed.
    virtual void RefreshButtonStates() = 0;
};
