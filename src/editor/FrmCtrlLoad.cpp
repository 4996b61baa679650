// Loading the editor window: filled from its device's image with nothing sent, the graphs
// drawn, the meter poll started.
#include "editor/EditorCaption.h"
#include "editor/FrmCtrl.h"
#include "editor/ModGraph.h"
#include "editor/ProgramSlotLabel.h"
#include "editor/senders/ApplyDeviceImage.h"
#include "state/State.h"

void FrmCtrl::Form_Load() {
    s_.EditBusy = true;
    s_.CurDev = s_.EditorLoadDev;
    const int16_t dev = s_.CurDev;
    s_.FrmCtrlHwnd[dev] = hWnd();
    Move(Left(), Top(), kWidth, kHeight);
    ui::Timer& poll = Timer1.Load(dev);
    s_.OpDone = true;
    const bool mixer = s_.DevModel[dev] != 0;
    Frame33.SetVisible(mixer);
    Frame34.SetVisible(mixer);

    // Filled from the image with nothing sent.
    s_.OfflineOnError = true;
    s_.GraphHold = 1;
    s_.TxBlocked = true;
    s_.LoadStateWord = 0;
    ModFun::ApplyDeviceImage(s_);
    for (int16_t o = 0; o < 8; ++o) {
        s_.UiUpdating = true;
        UpDown4(o).SetValue(1);
        UpDown5(o).SetValue(12);
        s_.UiUpdating = false;
        SetOffset(o);
        ModGraph::RedrawGraphCtrl(s_, static_cast<int16_t>(o + 8));
    }
    s_.TxBlocked = false;
    s_.GraphHold = 0;
    ProgressBar1.SetVisible(false);

    s_.MeterLevel[s_.CurDev].fill(255.0);
    poll.SetInterval(2000);
    poll.SetTimerEnabled(true);
    s_.PollEnabled = true;
    for (int16_t o = 0; o < 8; ++o) LoadLabelGraph(o);
    ModFun::LoadProgramSlotLabel(s_);
    Label19.SetCaption(s_.DevList[dev].Online == 1 ? "Status: Online" : "Status: Offline");
    SetCaption(editor::ProgramLoadCaption(s_, dev));
    s_.EditBusy = false;
    SSTab1.SetTab(kTabOverview);
}
