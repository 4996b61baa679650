#include "project/ProjectWiring.h"

#include "editor/FrmCtrl.h"
#include "project/DeviceStatus.h"
#include "project/FrmConfigure.h"
#include "project/FrmDevice.h"
#include "project/FrmWallPanel.h"
#include "state/State.h"

namespace ModProject {

namespace {

// The status window shows the device offline and its editor closes.
void DeviceWentOffline(State& s, int16_t dev) {
    ShowDeviceStatus(s, dev, false, UsbCaption::WithProduct);
    if (FrmCtrl* editor = ExistingFrmCtrl(s, dev)) editor->Unload();
}

// The status window's "Edit" is no longer marked.
void EditorClosed(State& s, int16_t dev) {
    FrmDeviceOf(s, dev).Label2.SetForeColor(ui::vbBlack);
}

}  // namespace

void WireProject(State& s) {
    s.DeviceWentOffline = DeviceWentOffline;
    s.EditorClosed = EditorClosed;
    s.SetEditorDialog(EditorDialog::Configure, ShowModalDialog<FrmConfigure>);
    s.SetEditorDialog(EditorDialog::WallPanel, ShowModalDialog<FrmWallPanel>);
}

}  // namespace ModProject
